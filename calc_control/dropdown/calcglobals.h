#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

class FrmCalc;

// The state a control and its calculator share, once per process: only one calculator is
// open at a time.

// The drop button's drag state.
class ClsButton
{
public:
    // True while the drop button is up.
    bool mblnButton = true;
};

// The display: the text box of the control whose calculator is open.
extern QPointer<QLineEdit> gTextBox;
// The control whose calculator is open; the calculator reads its colours, pointer and output
// format by property name.
extern QPointer<QWidget> gCalcControl;
// True while a calculator is open; whoever closes it sets it False, which ends the control's
// wait.
extern bool gDropped;
extern ClsButton gButton;
// The open calculator window.
extern QPointer<FrmCalc> gCalcHwnd;
