#include "yearlychart.h"

#include "hourstotal.h"
#include "spreadsheetautomation.h"

void YearlyChart::build(SpreadsheetAutomation &excel, const std::vector<YearHours> &years)
{
    excel.createApplication();
    excel.setVisible(true);
    excel.addWorkbook();
    writeRows(excel, years);
    drawChart(excel, int(years.size()));
    excel.handOver();
}

void YearlyChart::writeRows(SpreadsheetAutomation &excel, const std::vector<YearHours> &years)
{
    for (size_t index = 0; index < years.size(); ++index) {
        const QString row = QString::number(index + 1);
        excel.setRangeValue(QStringLiteral("a") + row, years[index].year);
        excel.setRangeNumberFormat(QStringLiteral("b") + row, QStringLiteral("[h]:mm"));
        excel.setRangeValue(QStringLiteral("b") + row, HoursTotal::timeText(years[index].minutes));
    }
}

void YearlyChart::drawChart(SpreadsheetAutomation &excel, int rowCount)
{
    using Xl = SpreadsheetAutomation;
    const QString last = QString::number(rowCount);
    excel.selectRange(QStringLiteral("b1:b") + last);
    excel.addChart();
    excel.setChartType(Xl::CylinderColClustered);
    excel.setSourceData(sheetName(), QStringLiteral("b1:b") + last, Xl::Columns);
    excel.setSeriesXValues(1, sheetName(), QStringLiteral("a1:a") + last);
    excel.setSeriesName(1, QStringLiteral("=\"Heures\""));
    excel.setLocation(Xl::AsNewSheet);
    excel.setHasLegend(false);
    excel.setRightAngleAxes(true);
    excel.setHasTitle(true);
    excel.setChartTitleText(title());
    excel.setChartTitleFontSize(24);
    excel.setAxisHasTitle(Xl::Category, Xl::Primary, false);
    excel.setAxisHasTitle(Xl::SeriesAxis, Xl::Primary, false);
    excel.setAxisHasTitle(Xl::Value, Xl::Primary, false);
}
