#include "calcglobals.h"

#include "frmcalc.h"

QPointer<QLineEdit> gTextBox;
QPointer<QWidget> gCalcControl;
bool gDropped = false;
ClsButton gButton;
QPointer<FrmCalc> gCalcHwnd;
