#include "datevalue.h"

#include <QRegularExpression>

QDate parseDateValue(const QString &text)
{
    static const QRegularExpression dayMonthYear(
        QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4})\s*$)"));
    static const QRegularExpression iso(QStringLiteral(R"(^\s*(\d{4})-(\d{2})-(\d{2})\s*$)"));

    if (const auto match = dayMonthYear.match(text); match.hasMatch())
        return QDate(match.captured(3).toInt(), match.captured(2).toInt(),
                     match.captured(1).toInt());
    if (const auto match = iso.match(text); match.hasMatch())
        return QDate(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt());
    return QDate();
}
