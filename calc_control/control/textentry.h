#pragma once

#include <QObject>

class QelCbCalc;
class QFocusEvent;
class QKeyEvent;
class QLineEdit;

// Typing into the control's text box: the key filter that keeps it numeric, the decimal keys
// that always type the user's separator, the one-key commands ("%", "r", "@"), the operators
// that open the calculator with the operator pending, F4 and Ctrl+Down, F9, and the text that
// becomes Value when the box loses the focus. Locked only stops the box's own editing.
class TextEntry : public QObject
{
    Q_OBJECT

public:
    TextEntry(QelCbCalc &control, QLineEdit &textBox);
    ~TextEntry() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool controlKeyDown(const QKeyEvent &event);
    bool textKeyDown(const QKeyEvent &event);
    bool characterKey(QChar key);
    void decimalKey();
    void command(QChar key);
    void openWithOperator(int index);
    void focusLost(const QFocusEvent &event);
    void focusEntered(const QFocusEvent &event);
    void caretToEnd();
    void selectToEnd();

    QelCbCalc &mControl;
    QLineEdit &mTextBox;
};
