#pragma once

#include <optional>
#include <QString>

// The duration box's text as a number of minutes. Only decimal digits are a duration, and
// only up to the largest number the Durée field holds; anything else (pasted signs, letters,
// blanks, too many digits) is no duration at all.
class Duration
{
public:
    static constexpr qint64 maximum = 2147483647; // a long integer, as the logbook file holds

    static std::optional<qint64> minutes(const QString &text);
};
