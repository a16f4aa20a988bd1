#pragma once

#include <QLocale>

// Makes a locale the user's locale for the life of the guard, and puts the previous one back
// even when a check fails.
class LocaleGuard
{
public:
    explicit LocaleGuard(const char *name)
        : mPrevious(QLocale())
    {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
    }
    ~LocaleGuard() { QLocale::setDefault(mPrevious); }
    LocaleGuard(const LocaleGuard &) = delete;
    LocaleGuard &operator=(const LocaleGuard &) = delete;

private:
    QLocale mPrevious;
};
