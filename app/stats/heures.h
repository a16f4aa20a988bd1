#pragma once

#include "datasource.h"
#include "flightselection.h"
#include "spreadsheetautomation.h"
#include "ui_heures.h"

#include <functional>
#include <memory>
#include <QDialog>

// The hours statistics: the flight time of a period, for all, solo or instruction flights and
// for one aircraft type or all, and the yearly chart workbook. Opened modally from the
// logbook, loaded afresh each time.
class Heures : public QDialog
{
    Q_OBJECT

public:
    using AutomationFactory = std::function<std::unique_ptr<SpreadsheetAutomation>()>;

    explicit Heures(QWidget *parent = nullptr);
    ~Heures() override;

    // The spreadsheet program the chart drives; by default a workbook file in the user's
    // documents folder, opened on the desktop.
    void setAutomationFactory(AutomationFactory factory)
    {
        mAutomationFactory = std::move(factory);
    }

private:
    void paintControls();
    void loadWindow();
    void fillTypes();
    void calculate();
    void drawChart();
    void clearResult();
    FlightSelection selection() const;

    Ui::Heures ui;
    DataSource mDataCalc;
    AutomationFactory mAutomationFactory;
};
