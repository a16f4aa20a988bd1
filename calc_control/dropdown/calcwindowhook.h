#pragma once

#include <QObject>

class QWidget;

// The activation watch on the calculator window: an event filter that hands the window's
// activation and right-button messages to the calculator (FrmCalc::ProcMsg) and lets every
// event go on to the window.
class CalcWindowHook : public QObject
{
    Q_OBJECT

public:
    // Window messages ProcMsg reacts to.
    static constexpr int WM_ACTIVATE = 6;
    static constexpr int WM_RBUTTONDOWN = 516;
    static constexpr int WA_INACTIVE = 0;

    static void HookWindow(QWidget *window);
    static void UnhookWindow(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
    static CalcWindowHook *hook();
    // The replacement window procedure: reports the message and always passes it on.
    static void CalcWindowProc(QWidget *window, QEvent *event);
};
