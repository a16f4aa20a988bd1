#include "runningtotal.h"

RunningTotal::Outcome RunningTotal::add(qint64 hours, qint64 minutes)
{
    if (minutes == 60)
        return Outcome::SixtyMinutes;
    if (minutes > 60)
        return Outcome::OverSixtyMinutes;
    CumulHeures += hours;
    CumulMinutes += minutes;
    return Outcome::Added;
}

void RunningTotal::clear()
{
    CumulHeures = 0;
    CumulMinutes = 0;
}

QString RunningTotal::hoursText() const
{
    return QString::number(totalMinutes() / 60);
}

QString RunningTotal::minutesText() const
{
    return QStringLiteral("%1").arg(totalMinutes() % 60, 2, 10, QLatin1Char('0'));
}
