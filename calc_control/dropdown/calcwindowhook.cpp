#include "calcwindowhook.h"

#include "calcglobals.h"
#include "frmcalc.h"

#include <QApplication>
#include <QMouseEvent>

CalcWindowHook *CalcWindowHook::hook()
{
    static QPointer<CalcWindowHook> instance;
    if (!instance)
        instance = new CalcWindowHook(QCoreApplication::instance());
    return instance;
}

void CalcWindowHook::HookWindow(QWidget *window)
{
    if (window)
        window->installEventFilter(hook());
}

void CalcWindowHook::UnhookWindow(QWidget *window)
{
    if (window)
        window->removeEventFilter(hook());
}

bool CalcWindowHook::eventFilter(QObject *watched, QEvent *event)
{
    if (watched->isWidgetType())
        CalcWindowProc(static_cast<QWidget *>(watched), event);
    // Every message goes on to the window, the very first one included.
    return false;
}

void CalcWindowHook::CalcWindowProc(QWidget *window, QEvent *event)
{
    FrmCalc *calculator = gCalcHwnd;
    if (!calculator || window != calculator)
        return;
    switch (event->type()) {
    case QEvent::WindowDeactivate:
        calculator->ProcMsg(WM_ACTIVATE, WA_INACTIVE, QApplication::activeWindow());
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
            calculator->ProcMsg(WM_RBUTTONDOWN, 0, nullptr);
        break;
    default:
        break;
    }
}
