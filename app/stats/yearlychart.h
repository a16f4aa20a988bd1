#pragma once

#include "yearlyhours.h"

#include <vector>

class SpreadsheetAutomation;

// Writes the years and their flight time into a new workbook and charts them, one column per
// year, in the spreadsheet program's own order of operations.
class YearlyChart
{
public:
    static QString title() { return QStringLiteral("Mes Heures de vol par Année"); }
    static QString sheetName() { return QStringLiteral("Feuil1"); }

    static void build(SpreadsheetAutomation &excel, const std::vector<YearHours> &years);

private:
    static void writeRows(SpreadsheetAutomation &excel, const std::vector<YearHours> &years);
    static void drawChart(SpreadsheetAutomation &excel, int rowCount);
};
