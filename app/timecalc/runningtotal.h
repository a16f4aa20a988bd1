#pragma once

#include <QString>
#include <QtGlobal>

// The running sum of the calculator. Hours and minutes are summed apart and only the display
// is normalised, so the minutes sum grows past 59; both are 64-bit so that no realistic run
// of additions overflows them.
class RunningTotal
{
public:
    enum class Outcome { Added, SixtyMinutes, OverSixtyMinutes };

    // Adds one duration; minutes of 60 or more are refused and change nothing.
    Outcome add(qint64 hours, qint64 minutes);
    void clear();

    qint64 cumulHeures() const { return CumulHeures; }
    qint64 cumulMinutes() const { return CumulMinutes; }
    qint64 totalMinutes() const { return CumulHeures * 60 + CumulMinutes; }

    // Whole hours of the total, without leading zeros.
    QString hoursText() const;
    // Minutes of the total below 60, always two digits.
    QString minutesText() const;

private:
    qint64 CumulHeures = 0;
    qint64 CumulMinutes = 0;
};
