#pragma once

#include <QString>
#include <QVariant>

// The spreadsheet program as the yearly chart drives it, one call per operation, in the order
// the chart asks for them. Cell and range addresses are texts such as "a1", "b1:b3"; sheet
// names are given separately. One back end writes a real workbook, another records the calls.
class SpreadsheetAutomation
{
public:
    // The spreadsheet's own constants, by their values.
    enum ChartType { ColumnClustered = 51, CylinderColClustered = 92 };
    enum PlotBy { Rows = 1, Columns = 2 };
    enum Location { AsNewSheet = 1, AsObject = 2 };
    enum AxisType { Category = 1, Value = 2, SeriesAxis = 3 };
    enum AxisGroup { Primary = 1 };

    virtual ~SpreadsheetAutomation() = default;

    virtual void createApplication() = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void addWorkbook() = 0;

    // On the active worksheet of the workbook.
    virtual void setRangeValue(const QString &address, const QVariant &value) = 0;
    virtual void setRangeNumberFormat(const QString &address, const QString &format) = 0;
    virtual void selectRange(const QString &address) = 0;

    // The chart added last is the active chart of the calls that follow.
    virtual void addChart() = 0;
    virtual void setChartType(int chartType) = 0;
    virtual void setSourceData(const QString &sheet, const QString &range, int plotBy) = 0;
    virtual void setSeriesXValues(int series, const QString &sheet, const QString &range) = 0;
    // A name of the form ="text" is that text itself.
    virtual void setSeriesName(int series, const QString &name) = 0;
    virtual void setLocation(int where) = 0;
    virtual void setHasLegend(bool hasLegend) = 0;
    virtual void setRightAngleAxes(bool rightAngle) = 0;
    virtual void setHasTitle(bool hasTitle) = 0;
    virtual void setChartTitleText(const QString &text) = 0;
    virtual void setChartTitleFontSize(int points) = 0;
    virtual void setAxisHasTitle(int axisType, int axisGroup, bool hasTitle) = 0;

    // The workbook is complete: the user gets it. A back end reports its own failures here.
    virtual void handOver() = 0;
};
