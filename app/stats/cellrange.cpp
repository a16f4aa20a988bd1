#include "cellrange.h"

#include <QRegularExpression>
#include <QStringList>

namespace {
// The size of a worksheet.
constexpr int rowLimit = 1048576;
constexpr int columnLimit = 16384;
} // namespace

CellRange CellRange::parse(const QString &address)
{
    const QStringList ends = address.split(QLatin1Char(':'));
    CellRange range;
    if (ends.size() > 2 || !parseCell(ends.first(), range.mFirstRow, range.mFirstColumn) ||
        !parseCell(ends.last(), range.mLastRow, range.mLastColumn))
        return CellRange();
    if (range.mLastRow < range.mFirstRow)
        std::swap(range.mFirstRow, range.mLastRow);
    if (range.mLastColumn < range.mFirstColumn)
        std::swap(range.mFirstColumn, range.mLastColumn);
    range.mValid = true;
    return range;
}

bool CellRange::parseCell(const QString &text, int &row, int &column)
{
    static const QRegularExpression cell(
        QStringLiteral(R"(^\$?([A-Za-z]{1,3})\$?([1-9]\d{0,6})$)"));
    const auto match = cell.match(text.trimmed());
    if (!match.hasMatch())
        return false;
    column = 0;
    for (const QChar letter : match.captured(1).toUpper())
        column = column * 26 + (letter.unicode() - 'A' + 1);
    --column;
    row = match.captured(2).toInt() - 1;
    return column < columnLimit && row < rowLimit;
}

QString CellRange::columnName(int column)
{
    QString name;
    for (int rest = column + 1; rest > 0; rest = (rest - 1) / 26)
        name.prepend(QChar(u'A' + (rest - 1) % 26));
    return name;
}

QString CellRange::reference(const QString &sheet) const
{
    QString quotedSheet = sheet;
    static const QRegularExpression plainName(QStringLiteral(R"(^\w+$)"),
                                              QRegularExpression::UseUnicodePropertiesOption);
    if (!plainName.match(sheet).hasMatch())
        quotedSheet = QLatin1Char('\'') +
                      QString(sheet).replace(QLatin1Char('\''), QStringLiteral("''")) +
                      QLatin1Char('\'');
    const auto cell = [](int row, int column) {
        return QLatin1Char('$') + columnName(column) + QLatin1Char('$') + QString::number(row + 1);
    };
    return QLatin1Char('=') + quotedSheet + QLatin1Char('!') + cell(mFirstRow, mFirstColumn) +
           QLatin1Char(':') + cell(mLastRow, mLastColumn);
}

CellRange CellRange::column(int column) const
{
    CellRange single = *this;
    single.mFirstColumn = single.mLastColumn = column;
    return single;
}

CellRange CellRange::row(int row) const
{
    CellRange single = *this;
    single.mFirstRow = single.mLastRow = row;
    return single;
}
