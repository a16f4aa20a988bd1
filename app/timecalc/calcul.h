#pragma once

#include "runningtotal.h"
#include "ui_calcul.h"

#include <QDialog>

class QAction;
class QLineEdit;

// The hours-and-minutes calculator: adds durations typed as hours and minutes, one pair at a
// time, and shows the running total with the minutes below 60. The logbook opens it modally.
class Calcul : public QDialog
{
    Q_OBJECT

public:
    // Positions of Toolbar1 that carry a command; the others are separators and spacers.
    enum ToolbarButton { Quit = 2, Add = 4, Clear = 6, Help = 14 };
    static constexpr int toolbarPositions = 14;

    explicit Calcul(QWidget *parent = nullptr);

    // Runs the command of a toolbar position, numbered from 1; positions without one do nothing.
    void toolbarClicked(int index);
    // The button at a toolbar position, or null where the position has no command.
    QAction *toolbarButton(int index) const;

    const RunningTotal &total() const { return mTotal; }

private:
    void buildToolbar();
    void installKeyHandlers();
    void entryKeyPress(QLineEdit *box, char16_t &keyAscii);

    void addDuration();
    void refuse(const QString &message);
    void clearEntry();
    void clearTotal();
    void showHelp();

    Ui::Calcul ui;
    RunningTotal mTotal;
    QAction *mButtons[toolbarPositions + 1] = {};
};
