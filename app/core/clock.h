#pragma once

#include <QDate>

// Today's date for every window; tests set a fixed day.
class Clock
{
public:
    static QDate today();
    static void setToday(const QDate &day); // an invalid date goes back to the system clock
};
