#include "recordingautomation.h"

namespace {
QString boolean(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString literal(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString)
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    return value.toString();
}
} // namespace

void RecordingAutomation::createApplication()
{
    mLog << QStringLiteral("CreateObject Excel.Application");
}

void RecordingAutomation::setVisible(bool visible)
{
    mLog << QStringLiteral("Visible = ") + boolean(visible);
}

void RecordingAutomation::addWorkbook()
{
    mLog << QStringLiteral("Workbooks.Add");
}

void RecordingAutomation::setRangeValue(const QString &address, const QVariant &value)
{
    mLog << QStringLiteral("Range(%1).Value = %2").arg(address, literal(value));
}

void RecordingAutomation::setRangeNumberFormat(const QString &address, const QString &format)
{
    mLog << QStringLiteral("Range(%1).NumberFormat = %2").arg(address, format);
}

void RecordingAutomation::selectRange(const QString &address)
{
    mLog << QStringLiteral("Range(%1).Select").arg(address);
}

void RecordingAutomation::addChart()
{
    mLog << QStringLiteral("Charts.Add");
}

void RecordingAutomation::setChartType(int chartType)
{
    mLog << QStringLiteral("ActiveChart.ChartType = %1").arg(chartType);
}

void RecordingAutomation::setSourceData(const QString &sheet, const QString &range, int plotBy)
{
    mLog << QStringLiteral("ActiveChart.SetSourceData Sheets(%1).Range(%2), %3")
                .arg(sheet, range)
                .arg(plotBy);
}

void RecordingAutomation::setSeriesXValues(int series, const QString &sheet, const QString &range)
{
    mLog << QStringLiteral("ActiveChart.SeriesCollection(%1).XValues = Sheets(%2).Range(%3)")
                .arg(series)
                .arg(sheet, range);
}

void RecordingAutomation::setSeriesName(int series, const QString &name)
{
    mLog << QStringLiteral("ActiveChart.SeriesCollection(%1).Name = %2").arg(series).arg(name);
}

void RecordingAutomation::setLocation(int where)
{
    mLog << QStringLiteral("ActiveChart.Location %1").arg(where);
}

void RecordingAutomation::setHasLegend(bool hasLegend)
{
    mLog << QStringLiteral("ActiveChart.HasLegend = ") + boolean(hasLegend);
}

void RecordingAutomation::setRightAngleAxes(bool rightAngle)
{
    mLog << QStringLiteral("ActiveChart.RightAngleAxes = ") + boolean(rightAngle);
}

void RecordingAutomation::setHasTitle(bool hasTitle)
{
    mLog << QStringLiteral("ActiveChart.HasTitle = ") + boolean(hasTitle);
}

void RecordingAutomation::setChartTitleText(const QString &text)
{
    mLog << QStringLiteral("ActiveChart.ChartTitle.Characters.Text = ") + text;
}

void RecordingAutomation::setChartTitleFontSize(int points)
{
    mLog << QStringLiteral("ActiveChart.ChartTitle.Font.Size = %1").arg(points);
}

void RecordingAutomation::setAxisHasTitle(int axisType, int axisGroup, bool hasTitle)
{
    mLog << QStringLiteral("ActiveChart.Axes(%1, %2).HasTitle = ").arg(axisType).arg(axisGroup) +
                boolean(hasTitle);
}

void RecordingAutomation::handOver()
{
    mLog << QStringLiteral("(workbook handed over)");
}
