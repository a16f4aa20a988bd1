#pragma once

#include <QDate>
#include <QString>

// Reads a date written as text the way the windows write them: day/month/four-digit year
// (one or two digits for day and month, blanks around ignored), or ISO yyyy-mm-dd as stored.
// An unreadable text gives an invalid date.
QDate parseDateValue(const QString &text);
