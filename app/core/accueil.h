#pragma once

#include "ui_accueil.h"

#include <functional>
#include <QTimer>
#include <QWidget>

// The splash window: the program's name, version and user, for three seconds or until a
// click, then the logbook window. It is only hidden, never closed, until the program ends.
class Accueil : public QWidget
{
    Q_OBJECT

public:
    // `showLogbook` creates and shows the logbook window; it runs once.
    explicit Accueil(std::function<void()> showLogbook, QWidget *parent = nullptr);

    QTimer &timer1() { return mTimer1; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void timerTick();
    void endSplash();

    Ui::Accueil ui;
    QTimer mTimer1;
    std::function<void()> mShowLogbook;
};
