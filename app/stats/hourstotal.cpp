#include "hourstotal.h"

QString HoursTotal::hoursText(qint64 minutes)
{
    return QString::number(minutes / 60);
}

QString HoursTotal::minutesText(qint64 minutes)
{
    return QStringLiteral("%1").arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString HoursTotal::timeText(qint64 minutes)
{
    return hoursText(minutes) + QLatin1Char(':') + minutesText(minutes);
}
