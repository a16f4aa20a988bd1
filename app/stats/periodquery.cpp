#include "periodquery.h"

#include "datasource.h"
#include "engineerror.h"

#include <cmath>

QString PeriodQuery::dateText(const QDate &day)
{
    return day.toString(QStringLiteral("dd/MM/yyyy"));
}

QString PeriodQuery::statement(const QString &startText, const QString &endText)
{
    return QStringLiteral("SELECT Date,Type,Durée,Vol from Tbl_Vols WHERE Date >= DateValue(\"") +
           startText + QStringLiteral("\") And Date <= DateValue(\"") + endText +
           QStringLiteral("\")");
}

HoursTotal PeriodQuery::total(DataSource &dataCalc, const QString &startText,
                              const QString &endText, const FlightSelection &selection)
{
    dataCalc.setRecordSource(statement(startText, endText));
    dataCalc.refresh();

    // Columns are looked up once: a whole career is tens of thousands of rows.
    const Recordset &rows = dataCalc.recordset();
    const int type = rows.fieldIndex(QStringLiteral("Type"));
    const int duree = rows.fieldIndex(QStringLiteral("Durée"));
    const int vol = rows.fieldIndex(QStringLiteral("Vol"));
    HoursTotal total;
    for (int row = 0; row < rows.recordCount(); ++row) {
        if (selection.counts(rows.value(row, type), rows.value(row, vol)))
            total.add(durationMinutes(rows.value(row, duree)));
    }
    return total;
}

qint64 PeriodQuery::durationMinutes(const QVariant &duree)
{
    // A Null duration adds nothing; the flight still counts.
    if (duree.isNull())
        return 0;
    switch (duree.typeId()) {
    case QMetaType::LongLong:
        return duree.toLongLong();
    case QMetaType::Double:
        return std::llround(duree.toDouble());
    default:
        break;
    }
    bool isNumber = false;
    const qint64 minutes = duree.toString().trimmed().toLongLong(&isNumber);
    if (!isNumber)
        throw EngineError(QStringLiteral("Incompatibilité de type"));
    return minutes;
}
