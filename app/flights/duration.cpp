#include "duration.h"

std::optional<qint64> Duration::minutes(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > maximum)
            return std::nullopt;
    }
    return value;
}
