#include "textentry.h"

#include "calcglobals.h"
#include "frmcalc.h"
#include "qelcbcalc.h"
#include "systembeep.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

#include <cmath>

namespace {

constexpr QLatin1StringView allowedKeys(".,%rR@0123456789+*/-");
constexpr QLatin1StringView operatorKeys("+-*/"); // in the order of the calculator's keys

bool isFocusLeavingTheWindow(Qt::FocusReason reason)
{
    // Another window taking the activation (the calculator itself, or another program) is not
    // the user leaving the control.
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

TextEntry::TextEntry(QelCbCalc &control, QLineEdit &textBox)
    : mControl(control)
    , mTextBox(textBox)
{
    mTextBox.installEventFilter(this);
}

TextEntry::~TextEntry()
{
    mTextBox.removeEventFilter(this);
}

bool TextEntry::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &mTextBox)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        // The control sees each key before its text box.
        if (controlKeyDown(key) || textKeyDown(key))
            return true;
        // Keys that type no character in the box pass: Tab moves the focus, Delete edits.
        if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab ||
            key.key() == Qt::Key_Delete || key.text().isEmpty())
            return false;
        return characterKey(key.text().at(0));
    }
    case QEvent::FocusOut:
        focusLost(static_cast<const QFocusEvent &>(*event));
        return false;
    case QEvent::FocusIn:
        focusEntered(static_cast<const QFocusEvent &>(*event));
        return false;
    default:
        return false;
    }
}

bool TextEntry::controlKeyDown(const QKeyEvent &event)
{
    const bool f4 = event.key() == Qt::Key_F4;
    const bool controlDown =
        event.key() == Qt::Key_Down && event.modifiers().testFlag(Qt::ControlModifier);
    if (!f4 && !controlDown)
        return false;
    gTextBox = &mTextBox;
    gDropped = true;
    mControl.DropCalculator(false);
    return true;
}

bool TextEntry::textKeyDown(const QKeyEvent &event)
{
    if (event.key() != Qt::Key_F9)
        return false;
    const QString text = mTextBox.text();
    const auto number = mControl.numberText().read(text);
    if (number && *number != 0) {
        mTextBox.setText(text.startsWith(QLatin1Char('-')) ? text.mid(1) : QLatin1Char('-') + text);
        caretToEnd();
    }
    return true;
}

// True when the key is discarded.
bool TextEntry::characterKey(QChar key)
{
    if (key == QLatin1Char('\b'))
        return false;
    if (!allowedKeys.contains(key)) {
        SystemBeep::play();
        return true;
    }
    const QString text = mTextBox.text();
    const QString &separator = mControl.decimalSeparator();
    const bool isDecimalKey = key == QLatin1Char('.') || key == QLatin1Char(',');
    if (!mControl.numberText().readsAsNumber(text)) {
        if (isDecimalKey && text.isEmpty()) {
            mTextBox.setText(QLatin1Char('0') + separator);
            caretToEnd();
            return true;
        }
        return false; // typed as it is: this is how a leading "-" goes in
    }
    if (isDecimalKey) {
        if (!text.contains(separator) && !mTextBox.isReadOnly())
            mTextBox.insert(separator.left(1));
        return true;
    }
    if (key.isDigit()) {
        // The digit replaces a lone zero; a locked box keeps its text.
        if (text.startsWith(QLatin1Char('0')) && !text.contains(separator) &&
            !mTextBox.isReadOnly())
            mTextBox.clear();
        return false;
    }
    if (const qsizetype index = operatorKeys.indexOf(key); index >= 0) {
        openWithOperator(int(index));
        return true;
    }
    command(key);
    return true;
}

// "%", "r" or "R", "@": act on the value at once.
void TextEntry::command(QChar key)
{
    const double number = mControl.numberText().displayNumber(mTextBox.text());
    if (key == QLatin1Char('%')) {
        if (number == 0)
            return;
        mControl.setValue(number / 100);
    } else if (key == QLatin1Char('@')) {
        if (number < 0)
            return;
        mControl.setValue(std::sqrt(number));
    } else {
        if (number == 0)
            return;
        mControl.setValue(1 / number);
    }
    caretToEnd();
}

void TextEntry::openWithOperator(int index)
{
    QPointer<QelCbCalc> control(&mControl);
    gCalcControl = &mControl;
    gTextBox = &mTextBox;
    gDropped = true;
    // The calculator takes the text as its first operand before it shows.
    FrmCalc::instance(&mControl)->chkOperator_MouseUp(index, CalcEngine::LeftButton);
    mControl.DropCalculator(false);
    if (!control)
        return;
    gTextBox = nullptr;
    selectToEnd();
}

void TextEntry::focusLost(const QFocusEvent &event)
{
    if (isFocusLeavingTheWindow(event.reason()))
        return;
    if (const auto number = mControl.numberText().read(mTextBox.text()))
        mControl.setValue(*number);
}

void TextEntry::focusEntered(const QFocusEvent &event)
{
    if (isFocusLeavingTheWindow(event.reason()))
        return;
    selectToEnd();
}

void TextEntry::caretToEnd()
{
    mTextBox.setCursorPosition(int(mTextBox.text().length()));
}

void TextEntry::selectToEnd()
{
    // From the caret to the end; a single-line box always shows its first line.
    const int caret = mTextBox.cursorPosition();
    mTextBox.setSelection(caret, int(mTextBox.text().length()) - caret);
}
