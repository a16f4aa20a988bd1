#pragma once

#include "spreadsheetautomation.h"

#include <QStringList>

// A spreadsheet program that only writes down what it is asked, one line per operation in
// the spreadsheet's own terms. Texts are quoted, numbers are not, so a year given as text
// shows.
class RecordingAutomation : public SpreadsheetAutomation
{
public:
    explicit RecordingAutomation(QStringList &log)
        : mLog(log)
    {}

    void createApplication() override;
    void setVisible(bool visible) override;
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
    void setRightAngleAxes(bool rightAngle) override;
    void setHasTitle(bool hasTitle) override;
    void setChartTitleText(const QString &text) override;
    void setChartTitleFontSize(int points) override;
    void setAxisHasTitle(int axisType, int axisGroup, bool hasTitle) override;
    void handOver() override;

private:
    QStringList &mLog;
};
