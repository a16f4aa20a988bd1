#pragma once

#include "flightselection.h"
#include "hourstotal.h"

#include <QDate>
#include <QString>

class DataSource;

// The flights between two dates, both included, and the total of those a selection counts.
class PeriodQuery
{
public:
    // A date as the query writes it: dd/mm/yyyy.
    static QString dateText(const QDate &day);
    static QString statement(const QString &startText, const QString &endText);

    // Points the data source at the period and walks its rows from first to last.
    static HoursTotal total(DataSource &dataCalc, const QString &startText, const QString &endText,
                            const FlightSelection &selection);

private:
    static qint64 durationMinutes(const QVariant &duree);
};
