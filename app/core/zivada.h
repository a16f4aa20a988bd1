#pragma once

#include "datasource.h"
#include "ui_zivada.h"

#include <QMainWindow>

class ChildWindows;
class DateCombo;
class FlightTableModel;

// The logbook window: every flight in a grid, newest first, and the hub that opens the other
// windows.
class Zivada : public QMainWindow
{
    Q_OBJECT

public:
    explicit Zivada(ChildWindows &children, QWidget *parent = nullptr);
    ~Zivada() override;

    // The flights of the grid; the add-flight form appends through it.
    DataSource &data1() { return mData1; }
    // Re-reads the flights on the ordered query and redraws the grid.
    void refreshFlights();
    // The Num of the flight last chosen for editing or deletion.
    qint64 selectedNum() const { return mSelectedNum; }

    bool gridHoldsFlights() const;
    QTableView *grid() const { return ui.MSFlexGrid1; }

    // The menu and toolbar commands, by the index of their item or button.
    void fileMenuClicked(int index);
    void editMenuClicked(int index);
    void toolbarClicked(int index);

    DateCombo *dateControl() const { return mDateControl; }
    QWidget *calculatorControl() const { return mCalcControl; }
    bool dateControlVisible() const;
    bool calculatorControlVisible() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadWindow();
    void buildMenus();
    void buildToolbar();
    void placeInToolbar(QWidget *control, const QRect &twips);
    void setEditCommandsEnabled(bool enabled);
    void gridClicked(const QModelIndex &index);
    void gridCurrentChanged(const QModelIndex &current, const QModelIndex &previous);
    bool takeSelectedNum();
    void openDatabase(DataSource &source, const QString &statement);

    void editFlight();
    void newFlight();
    void deleteFlight();
    void toggleDateControl();
    void toggleCalculatorControl();

    Ui::Zivada ui;
    ChildWindows &mChildren;
    DataSource mData1;
    DataSource mData2;
    FlightTableModel *mModel = nullptr;
    QList<QAction *> mFileItems;
    QList<QAction *> mEditItems;
    DateCombo *mDateControl = nullptr;
    QWidget *mCalcControl = nullptr;
    QString mCalcControlProblem;
    qint64 mSelectedNum = 0;
};
