#pragma once

#include "cellrange.h"
#include "spreadsheetautomation.h"

#include <map>
#include <optional>
#include <QHash>
#include <utility>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;
struct lxw_chart;

// The spreadsheet program on a workbook file: the calls build the workbook in memory, as the
// program would on screen, and handOver() writes it as .xlsx into a folder under a new name
// (never over an existing file), then, when the application was made visible, opens it in the
// user's spreadsheet program. The file only appears under its name once it is written whole.
class XlsxAutomation : public SpreadsheetAutomation
{
public:
    explicit XlsxAutomation(const QString &folder);

    // The user's documents folder, where the workbooks go.
    static QString documentsFolder();
    // The workbook written by handOver(), empty until it is.
    QString savedPath() const { return mSavedPath; }

    void createApplication() override;
    void setVisible(bool visible) override { mVisible = visible; }
    void addWorkbook() override;
    void setRangeValue(const QString &address, const QVariant &value) override;
    void setRangeNumberFormat(const QString &address, const QString &format) override;
    void selectRange(const QString &address) override;
    void addChart() override;
    void setChartType(int chartType) override;
    void setSourceData(const QString &sheet, const QString &range, int plotBy) override;
    void setSeriesXValues(int series, const QString &sheet, const QString &range) override;
    void setSeriesName(int series, const QString &name) override;
    void setLocation(int where) override;
    void setHasLegend(bool hasLegend) override;
    // Right-angle axes only matter to 3-D charts, which the file format writer has not.
    void setRightAngleAxes(bool rightAngle) override { Q_UNUSED(rightAngle); }
    void setHasTitle(bool hasTitle) override;
    void setChartTitleText(const QString &text) override;
    void setChartTitleFontSize(int points) override;
    // Axes carry no title unless given one, and nothing here gives one.
    void setAxisHasTitle(int axisType, int axisGroup, bool hasTitle) override;
    void handOver() override;

private:
    struct Cell
    {
        QVariant value;
        QString numberFormat;
    };
    struct Series
    {
        QString values;     // formula references
        QString categories; // empty: 1, 2, 3 ...
        QString name;       // a literal text or a reference
        CellRange valueCells;
    };
    struct Chart
    {
        int type = ColumnClustered;
        std::vector<Series> series;
        bool asNewSheet = true;
        bool hasLegend = true;
        bool hasTitle = false;
        QString title;
        double titleSize = 0;
    };

    template <typename Action> void forEachCell(const QString &address, Action action);
    void clearWorkbook();
    Series *series(int number);
    void seriesFromRange(const QString &sheet, const CellRange &range, int plotBy);

    QString writeWorkbook(const QString &path) const; // the error text, empty on success
    void writeCells(lxw_workbook *workbook, lxw_worksheet *sheet) const;
    void writeChart(lxw_workbook *workbook, lxw_worksheet *sheet) const;
    QString valueAxisFormat() const;
    lxw_format *format(lxw_workbook *workbook, const QString &numberFormat) const;
    QString saveUnderNewName(); // the error text, empty on success

    QString mFolder;
    bool mVisible = false;
    bool mHasWorkbook = false;
    std::map<std::pair<int, int>, Cell> mCells; // by row, then column
    CellRange mSelection;
    std::optional<Chart> mChart;
    QString mSavedPath;
    mutable QHash<QString, lxw_format *> mFormats;
};
