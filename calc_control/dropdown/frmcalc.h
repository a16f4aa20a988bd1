#pragma once

#include "calcengine.h"
#include "calckeyspec.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QLabel;
class QPushButton;

// The drop-down calculator: a frameless keypad window whose display is the text box of the
// control that opened it (gTextBox). Keys look pressed while held and act when released, by
// mouse and by keyboard alike. It closes on "=", when another window is activated, and on a
// right click on its own surface.
//
// There is one calculator per process, as with the shared globals: instance() makes and loads
// it, discard() ends it.
class FrmCalc : public QWidget
{
    Q_OBJECT

public:
    // The calculator, made if there is none, and loaded if it is not: it then reads the display
    // and the control's colours. Its window belongs to `owner`'s window.
    static FrmCalc *instance(QWidget *owner = nullptr);
    // The calculator if one exists, loaded or not.
    static FrmCalc *existing();
    // Ends the calculator, if any.
    static void discard();

    static void HookWindow(QWidget *window);
    static void UnhookWindow(QWidget *window);

    // Shows the window at `topLeft` (screen pixels) without blocking; false when it could not
    // be shown.
    bool showModeless(const QPoint &topLeft);
    // Shows the window modal and returns once it is hidden or unloaded.
    void showModal();
    // Hides the window and forgets its keypad state; the calculator's memory and pending
    // operation stay with the instance.
    void unload();
    bool isLoaded() const { return mLoaded; }

    ~FrmCalc() override;

    // The calculator's reaction to its window messages (see CalcWindowHook).
    void ProcMsg(int umsg, int wParam, QWidget *activated);

    // The release of an operator key, for a calculator that may not be shown yet: the control
    // uses it to open the calculator with an operator pending.
    void chkOperator_MouseUp(int index, int button);

    CalcEngine &engine() { return mEngine; }
    QAbstractButton *keyButton(const QString &objectName) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    explicit FrmCalc(QWidget *owner);

    void buildKeypad();
    void load();
    void applyControlColors();
    void applyControlPointer();
    QString display() const;
    void setDisplay(const QString &text);
    bool keyMouseEvent(QPushButton *key, const CalcKeySpec &entry, QEvent *event);
    void PressButton(QAbstractButton *key);
    void ReleaseButton(QAbstractButton *key);
    void TrackButton(QAbstractButton *key, Qt::MouseButtons buttons, const QPoint &position);
    void keyUp(const CalcKeySpec &entry);
    QPushButton *buttonOf(const CalcKeySpec &entry) const;

    static QPointer<FrmCalc> sInstance;

    CalcEngine mEngine;
    bool mLoaded = false;
    // The display while no control lends its text box.
    QString mOwnDisplay;
    QHash<const CalcKeySpec *, QPushButton *> mButtons;
    QLabel *lblMemory = nullptr;
    // The keypad key each held keyboard key pressed, so that each acts once, at its own
    // release.
    QHash<quint32, const CalcKeySpec *> mHeldKeys;
};
