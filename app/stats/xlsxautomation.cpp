#include "xlsxautomation.h"

#include "clock.h"
#include "desktopopener.h"
#include "messagebox.h"
#include "yearlychart.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <xlsxwriter.h>

namespace {
const QString chartSheetName = QStringLiteral("Graph1");
constexpr int maxAttempts = 10000;

lxw_chart_type chartKind(int chartType)
{
    // The writer draws no cylinders nor any 3-D chart: their flat kin stand in.
    switch (chartType) {
    case 4: // line
        return LXW_CHART_LINE;
    case 5: // pie
        return LXW_CHART_PIE;
    case 57: // clustered bars
        return LXW_CHART_BAR;
    default: // clustered columns, cylinders among them
        return LXW_CHART_COLUMN;
    }
}

// A text typed into a cell is read the spreadsheet's way: an elapsed time such as 123:45 is a
// time (a fraction of days), a plain number a number.
std::optional<double> enteredNumber(const QString &text)
{
    static const QRegularExpression time(QStringLiteral(R"(^\s*(\d+):([0-5]\d)\s*$)"));
    if (const auto match = time.match(text); match.hasMatch())
        return (match.captured(1).toDouble() * 60 + match.captured(2).toDouble()) / 1440.0;
    bool isNumber = false;
    const double number = text.trimmed().toDouble(&isNumber);
    if (isNumber)
        return number;
    return std::nullopt;
}

std::optional<double> cellNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    case QMetaType::QString:
        return enteredNumber(value.toString());
    default:
        return std::nullopt;
    }
}

// The literal text of a name written as the formula ="text".
QString literalName(const QString &name)
{
    static const QRegularExpression literal(QStringLiteral(R"re(^="(.*)"$)re"));
    if (const auto match = literal.match(name); match.hasMatch())
        return match.captured(1).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    return name;
}

QString workbookName(const QDate &day, int attempt)
{
    const QString base = QStringLiteral("Heures de vol ") + day.toString(Qt::ISODate);
    return attempt == 1 ? base + QStringLiteral(".xlsx")
                        : base + QStringLiteral(" (%1).xlsx").arg(attempt);
}
} // namespace

XlsxAutomation::XlsxAutomation(const QString &folder)
    : mFolder(folder)
{}

QString XlsxAutomation::documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void XlsxAutomation::createApplication()
{
    mVisible = false;
    clearWorkbook();
}

void XlsxAutomation::addWorkbook()
{
    clearWorkbook();
    mHasWorkbook = true;
}

void XlsxAutomation::clearWorkbook()
{
    mHasWorkbook = false;
    mCells.clear();
    mSelection = CellRange();
    mChart.reset();
    mSavedPath.clear();
}

template <typename Action> void XlsxAutomation::forEachCell(const QString &address, Action action)
{
    const CellRange range = CellRange::parse(address);
    if (!range.isValid())
        return;
    for (int row = range.firstRow(); row <= range.lastRow(); ++row) {
        for (int column = range.firstColumn(); column <= range.lastColumn(); ++column)
            action(mCells[{row, column}]);
    }
}

void XlsxAutomation::setRangeValue(const QString &address, const QVariant &value)
{
    forEachCell(address, [&value](Cell &cell) { cell.value = value; });
}

void XlsxAutomation::setRangeNumberFormat(const QString &address, const QString &format)
{
    forEachCell(address, [&format](Cell &cell) { cell.numberFormat = format; });
}

void XlsxAutomation::selectRange(const QString &address)
{
    mSelection = CellRange::parse(address);
}

void XlsxAutomation::addChart()
{
    // Like the spreadsheet program, a new chart plots the selection at once.
    mChart = Chart();
    if (mSelection.isValid())
        seriesFromRange(YearlyChart::sheetName(), mSelection, Columns);
}

void XlsxAutomation::seriesFromRange(const QString &sheet, const CellRange &range, int plotBy)
{
    mChart->series.clear();
    const bool byRows = plotBy == Rows;
    const int first = byRows ? range.firstRow() : range.firstColumn();
    const int last = byRows ? range.lastRow() : range.lastColumn();
    for (int line = first; line <= last; ++line) {
        Series series;
        series.valueCells = byRows ? range.row(line) : range.column(line);
        series.values = series.valueCells.reference(sheet);
        mChart->series.push_back(series);
    }
}

XlsxAutomation::Series *XlsxAutomation::series(int number)
{
    if (!mChart || number < 1 || number > int(mChart->series.size()))
        return nullptr;
    return &mChart->series[size_t(number) - 1];
}

void XlsxAutomation::setChartType(int chartType)
{
    if (mChart)
        mChart->type = chartType;
}

void XlsxAutomation::setSourceData(const QString &sheet, const QString &range, int plotBy)
{
    const CellRange cells = CellRange::parse(range);
    if (mChart && cells.isValid())
        seriesFromRange(sheet, cells, plotBy);
}

void XlsxAutomation::setSeriesXValues(int number, const QString &sheet, const QString &range)
{
    const CellRange cells = CellRange::parse(range);
    if (Series *target = series(number); target && cells.isValid())
        target->categories = cells.reference(sheet);
}

void XlsxAutomation::setSeriesName(int number, const QString &name)
{
    if (Series *target = series(number))
        target->name = literalName(name);
}

void XlsxAutomation::setLocation(int where)
{
    if (mChart)
        mChart->asNewSheet = where == AsNewSheet;
}

void XlsxAutomation::setHasLegend(bool hasLegend)
{
    if (mChart)
        mChart->hasLegend = hasLegend;
}

void XlsxAutomation::setHasTitle(bool hasTitle)
{
    if (mChart)
        mChart->hasTitle = hasTitle;
}

void XlsxAutomation::setChartTitleText(const QString &text)
{
    if (mChart)
        mChart->title = text;
}

void XlsxAutomation::setChartTitleFontSize(int points)
{
    if (mChart)
        mChart->titleSize = points;
}

void XlsxAutomation::setAxisHasTitle(int axisType, int axisGroup, bool hasTitle)
{
    Q_UNUSED(axisType);
    Q_UNUSED(axisGroup);
    Q_UNUSED(hasTitle);
}

void XlsxAutomation::handOver()
{
    if (!mHasWorkbook)
        return;
    if (const QString error = saveUnderNewName(); !error.isEmpty()) {
        MessageBox::show(QStringLiteral("Le classeur n'a pas pu être enregistré dans le dossier "
                                        "%1 :\n%2")
                             .arg(QDir::toNativeSeparators(mFolder), error),
                         MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    // An application never made visible leaves the workbook saved for the user to open.
    if (mVisible && !DesktopOpener::open(mSavedPath))
        MessageBox::show(QStringLiteral("Aucun programme n'a pu ouvrir le classeur. Il est "
                                        "enregistré sous :\n%1")
                             .arg(QDir::toNativeSeparators(mSavedPath)),
                         MsgButtons::Ok, MsgIcon::Information);
}

QString XlsxAutomation::saveUnderNewName()
{
    if (!QDir().mkpath(mFolder))
        return QStringLiteral("le dossier ne peut pas être créé.");
    // Written whole under a hidden name first, so no half-written workbook ever bears the name.
    QTemporaryFile partial(QDir(mFolder).filePath(QStringLiteral(".Heures de vol XXXXXX.xlsx")));
    if (!partial.open())
        return partial.errorString();
    partial.close();
    if (QString error = writeWorkbook(partial.fileName()); !error.isEmpty())
        return error;

    // A temporary file is for its owner's eyes only; the workbook is an ordinary document.
    QFile::setPermissions(partial.fileName(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ReadGroup | QFile::ReadOther);
    const QDate today = Clock::today();
    for (int attempt = 1; attempt <= maxAttempts; ++attempt) {
        const QString path = QDir(mFolder).filePath(workbookName(today, attempt));
        if (QFile::exists(path))
            continue;
        // rename() never replaces a file, so a name taken meanwhile is skipped as well.
        QFile workbook(partial.fileName());
        if (workbook.rename(path)) {
            partial.setAutoRemove(false);
            mSavedPath = path;
            return QString();
        }
        if (!QFile::exists(path))
            return workbook.errorString();
    }
    return QStringLiteral("aucun nom de fichier libre.");
}

QString XlsxAutomation::writeWorkbook(const QString &path) const
{
    const QByteArray fileName = QFile::encodeName(path);
    lxw_workbook *workbook = workbook_new(fileName.constData());
    if (!workbook)
        return QStringLiteral("le classeur ne peut pas être créé.");
    mFormats.clear();
    lxw_worksheet *sheet =
        workbook_add_worksheet(workbook, YearlyChart::sheetName().toUtf8().constData());
    writeCells(workbook, sheet);
    if (mSelection.isValid())
        worksheet_set_selection(
            sheet, lxw_row_t(mSelection.firstRow()), lxw_col_t(mSelection.firstColumn()),
            lxw_row_t(mSelection.lastRow()), lxw_col_t(mSelection.lastColumn()));
    if (mChart)
        writeChart(workbook, sheet);
    const lxw_error result = workbook_close(workbook);
    mFormats.clear();
    if (result != LXW_NO_ERROR)
        return QString::fromUtf8(lxw_strerror(result));
    return QString();
}

lxw_format *XlsxAutomation::format(lxw_workbook *workbook, const QString &numberFormat) const
{
    if (numberFormat.isEmpty())
        return nullptr;
    if (lxw_format *known = mFormats.value(numberFormat))
        return known;
    lxw_format *added = workbook_add_format(workbook);
    format_set_num_format(added, numberFormat.toUtf8().constData());
    mFormats.insert(numberFormat, added);
    return added;
}

void XlsxAutomation::writeCells(lxw_workbook *workbook, lxw_worksheet *sheet) const
{
    for (const auto &[position, cell] : mCells) {
        const auto row = lxw_row_t(position.first);
        const auto column = lxw_col_t(position.second);
        lxw_format *cellFormat = format(workbook, cell.numberFormat);
        if (const auto number = cellNumber(cell.value))
            worksheet_write_number(sheet, row, column, *number, cellFormat);
        else if (cell.value.isNull() || cell.value.toString().isEmpty())
            worksheet_write_blank(sheet, row, column, cellFormat);
        else
            worksheet_write_string(sheet, row, column, cell.value.toString().toUtf8().constData(),
                                   cellFormat);
    }
}

QString XlsxAutomation::valueAxisFormat() const
{
    // The value axis shows values the way their first cell does, so times read as times.
    if (mChart->series.empty())
        return QString();
    const CellRange &cells = mChart->series.front().valueCells;
    const auto found = mCells.find({cells.firstRow(), cells.firstColumn()});
    return found == mCells.end() ? QString() : found->second.numberFormat;
}

void XlsxAutomation::writeChart(lxw_workbook *workbook, lxw_worksheet *sheet) const
{
    lxw_chart *chart = workbook_add_chart(workbook, chartKind(mChart->type));
    for (const Series &series : mChart->series) {
        const QByteArray categories = series.categories.toUtf8();
        lxw_chart_series *added =
            chart_add_series(chart, series.categories.isEmpty() ? nullptr : categories.constData(),
                             series.values.toUtf8().constData());
        if (!series.name.isEmpty())
            chart_series_set_name(added, series.name.toUtf8().constData());
    }
    if (!mChart->hasLegend)
        chart_legend_set_position(chart, LXW_CHART_LEGEND_NONE);
    if (mChart->hasTitle && !mChart->title.isEmpty()) {
        chart_title_set_name(chart, mChart->title.toUtf8().constData());
        lxw_chart_font font{};
        font.size = mChart->titleSize;
        font.bold = LXW_TRUE;
        chart_title_set_name_font(chart, &font);
    } else if (!mChart->hasTitle) {
        chart_title_off(chart);
    }
    if (const QString axisFormat = valueAxisFormat(); !axisFormat.isEmpty())
        chart_axis_set_num_format(chart->y_axis, axisFormat.toUtf8().constData());

    if (mChart->asNewSheet) {
        lxw_chartsheet *chartSheet =
            workbook_add_chartsheet(workbook, chartSheetName.toUtf8().constData());
        chartsheet_set_chart(chartSheet, chart);
        chartsheet_activate(chartSheet);
    } else {
        worksheet_insert_chart(sheet, 0, 3, chart);
    }
}
