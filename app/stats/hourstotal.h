#pragma once

#include <QString>

// A sum of flight minutes and the number of flights in it. Both are 64-bit: a pilot's
// career easily passes what 16 bits hold (546 hours 7 minutes).
class HoursTotal
{
public:
    void add(qint64 minutes)
    {
        mMinutes += minutes;
        ++mCount;
    }

    qint64 minutes() const { return mMinutes; }
    qint64 count() const { return mCount; }

    // Whole hours, without leading zeros.
    static QString hoursText(qint64 minutes);
    // The minutes past the hour, always two digits ("05", "00").
    static QString minutesText(qint64 minutes);
    // Hours, ":" and two-digit minutes, every hour digit kept ("123:45", "0:00").
    static QString timeText(qint64 minutes);

private:
    qint64 mMinutes = 0;
    qint64 mCount = 0;
};
