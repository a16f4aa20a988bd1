#include "sharedroutines.h"

#include <pwd.h>
#include <unistd.h>

void DigitKeyFilter(const QString &text, char16_t &keyAscii)
{
    Q_UNUSED(text);
    constexpr char16_t backspace = 8;
    if (keyAscii != backspace && (keyAscii < u'0' || keyAscii > u'9'))
        keyAscii = 0;
}

QString UserName()
{
    if (const passwd *entry = getpwuid(geteuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    char name[256] = {};
    if (getlogin_r(name, sizeof name) == 0)
        return QString::fromLocal8Bit(name);
    return qEnvironmentVariable("USER");
}
