#include "calcengine.h"

#include <cmath>

namespace {

// A 16th integer digit would be rounded away by the 15 significant digits of the display, and the
// one after it would then be added to the first digit of an exponent form: entry stops at 15.
constexpr double IntegerEntryLimit = 1e15;

const QString &equalsCaption()
{
    static const QString caption = QStringLiteral("=");
    return caption;
}

} // namespace

QString CalcEngine::operatorCaption(int index)
{
    switch (index) {
    case 0:
        return QStringLiteral("+");
    case 1:
        return QStringLiteral("-");
    case 2:
        return QStringLiteral("x");
    case 3:
        return QStringLiteral(u"÷");
    case EqualsIndex:
        return equalsCaption();
    default:
        return {};
    }
}

CalcEngine::CalcEngine()
    : mDecimalSep(mNumberText.decimalSeparator())
    , mDivZeroMsg(mNumberText.divZeroMessage())
{}

void CalcEngine::setOutputFormatSource(std::function<int()> source)
{
    mOutputFormat = std::move(source);
}

QString CalcEngine::memoryIndicator() const
{
    return mMemoryShown ? QStringLiteral("M") : QString();
}

double CalcEngine::displayNumber(const QString &display) const
{
    return mNumberText.displayNumber(display);
}

void CalcEngine::load(QString &display)
{
    mLoaded = true;
    mMemoryShown = false; // a new window's indicator starts empty, whatever the memory holds
    mDecimalEntry = false;
    mNumOps = 0;
    mLastInput = LastInput::None;
    const std::optional<double> value = mNumberText.read(display);
    if (!value) {
        display = mNumberText.clearedDisplay();
        return;
    }
    mNumberText.appendSeparator(display);
    if (display != u"0.") {
        mAccumulator = *value;
        mLastInput = LastInput::Nums;
        mNewEntry = true;
    }
}

bool CalcEngine::chkOperator_MouseUp(int index, int button, QString &display)
{
    return keyUp(Key::Operator, index, button, display);
}

bool CalcEngine::keyUp(Key key, int index, int button, QString &display)
{
    if (!mLoaded)
        load(display);
    if (button != LeftButton)
        return false;
    switch (key) {
    case Key::Number:
        if (index >= 0 && index <= 9)
            number(index, display);
        break;
    case Key::Decimal:
        decimalPoint(display);
        break;
    case Key::Sign:
        changeSign(display);
        break;
    case Key::Operator:
        if (index >= 0 && index < OperatorCount)
            return operatorKey(index, display);
        break;
    case Key::Sqrt:
        squareRoot(display);
        break;
    case Key::Percent:
        percent(display);
        break;
    case Key::Fraction:
        fraction(display);
        break;
    case Key::Back:
        back(display);
        break;
    case Key::CancelEntry:
        cancelEntry(display);
        break;
    case Key::Cancel:
        cancel(display);
        break;
    case Key::Memory:
        memoryKey(index, display);
        break;
    }
    return false;
}

void CalcEngine::number(int digit, QString &display)
{
    const QChar digitChar(u'0' + digit);
    if (mLastInput != LastInput::Nums) {
        display = mNumberText.emptyEntry();
        mDecimalEntry = false;
    }
    if (mDecimalEntry)
        display += digitChar;
    else
        enterIntegerDigit(digitChar, display);
    if (mLastInput == LastInput::Neg)
        display.prepend(u'-');
    if (mNewEntry) {
        display.resize(0);
        display += digitChar;
        display += mDecimalSep;
        mNewEntry = false;
    }
    mLastInput = LastInput::Nums;
}

// The digit joins the integer part, which is written again in general text, so leading zeros go.
void CalcEngine::enterIntegerDigit(QChar digit, QString &display) const
{
    const qsizetype separator = display.indexOf(mDecimalSep);
    if (separator < 0) {
        // Nowhere to add the digit: the display is only written again.
        mNumberText.writeGeneral(NumberText::integerPartValue(display), display);
        display += mDecimalSep;
        return;
    }
    const double value =
        NumberText::integerPartValue(QStringView(display).first(separator), QStringView(&digit, 1));
    if (std::fabs(value) >= IntegerEntryLimit)
        return;
    mNumberText.writeGeneral(value, display);
    display += mDecimalSep;
}

void CalcEngine::decimalPoint(QString &display)
{
    if (mLastInput == LastInput::Neg)
        display = mNumberText.negativeClearedDisplay();
    else if (mLastInput != LastInput::Nums)
        display = mNumberText.clearedDisplay();
    mDecimalEntry = true;
    mLastInput = LastInput::Nums;
}

void CalcEngine::changeSign(QString &display)
{
    if (displayNumber(display) == 0.0)
        return;
    if (display.startsWith(u'-'))
        display.remove(0, 1);
    else
        display.prepend(u'-');
    mLastInput = LastInput::Nums;
    mDecimalEntry = false;
}

void CalcEngine::back(QString &display) const
{
    if (displayNumber(display) == 0.0)
        return;
    if (display.endsWith(mDecimalSep)) {
        display.chop(mDecimalSep.size() + 1);
        display += mDecimalSep;
    } else {
        display.chop(1);
    }
    if (display == mDecimalSep)
        display = mNumberText.clearedDisplay();
}

void CalcEngine::cancelEntry(QString &display)
{
    display = mNumberText.clearedDisplay();
    mDecimalEntry = false;
    mLastInput = LastInput::CE;
}

void CalcEngine::cancel(QString &display)
{
    display = mNumberText.clearedDisplay();
    mAccumulator = 0.0;
    mOperand = 0.0;
    mDecimalEntry = false;
    mNumOps = 0;
    mLastInput = LastInput::None;
    mOpFlag = QStringLiteral(" ");
}

void CalcEngine::percent(QString &display)
{
    const double value = displayNumber(display);
    if (value == 0.0)
        return;
    mNumberText.writeGeneral(value / 100, display);
    mDecimalEntry = true;
    mNewEntry = true;
}

void CalcEngine::fraction(QString &display)
{
    const double value = displayNumber(display);
    if (value == 0.0)
        return;
    showResult(1 / value, display);
    mDecimalEntry = false;
    mNewEntry = true;
}

void CalcEngine::squareRoot(QString &display)
{
    if (display == u"0.")
        return;
    const double value = displayNumber(display);
    if (value < 0)
        return;
    showResult(std::sqrt(value), display);
    mNewEntry = true;
    mLastInput = LastInput::Nums;
    mDecimalEntry = false;
}

void CalcEngine::memoryKey(int index, QString &display)
{
    switch (index) {
    case 0: // MC
        mMemory = 0.0;
        mMemoryShown = false;
        return;
    case 1: // MR
        if (mMemory.value_or(0.0) == 0.0)
            return;
        showResult(*mMemory, display);
        mLastInput = LastInput::Nums;
        return;
    default:
        break;
    }
    const double value = displayNumber(display);
    if (value == 0.0 || index > 3)
        return;
    if (index == 2) { // MS
        mMemory = value;
        mLastInput = LastInput::Nums;
    } else { // M+
        const double sum = mMemory.value_or(0.0) + value;
        if (!std::isfinite(sum)) {
            // The memory keeps its value; the display says why.
            showResult(sum, display);
            mNewEntry = true;
            return;
        }
        mMemory = sum;
    }
    mMemoryShown = true;
}

bool CalcEngine::operatorKey(int index, QString &display)
{
    const QString caption = operatorCaption(index);
    mNewEntry = false;
    mEntryText = display;
    if (mLastInput == LastInput::Nums)
        ++mNumOps;
    if (mNumOps == 0) {
        if (displayNumber(display) != 0.0 && mLastInput != LastInput::Neg && caption == u"-") {
            display.prepend(u'-');
            mLastInput = LastInput::Neg;
        }
    } else if (mNumOps == 1) {
        mAccumulator = displayNumber(display);
        // A "-" right after an operator starts a negative number.
        if (mOpFlag != equalsCaption() && mLastInput != LastInput::Nums && caption == u"-") {
            display = caption;
            mLastInput = LastInput::Neg;
        }
    } else {
        evaluate(display);
    }
    if (mLastInput != LastInput::Neg) {
        mLastInput = LastInput::Ops;
        mOpFlag = caption;
    }
    if (mOperand != 0.0 && mOutputFormat)
        mNumberText.writeFormatted(mAccumulator, mOutputFormat(), display);
    if (index != EqualsIndex)
        return false;
    mNumberText.appendSeparator(display);
    mLoaded = false;
    return true;
}

void CalcEngine::evaluate(QString &display)
{
    mOperand = displayNumber(mEntryText);
    double result = 0.0;
    bool arithmetic = true;
    if (mOpFlag == u"+") {
        result = mAccumulator + mOperand;
    } else if (mOpFlag == u"-") {
        result = mAccumulator - mOperand;
    } else if (mOpFlag == u"x") {
        result = mAccumulator * mOperand;
    } else if (mOpFlag == u"÷" && mOperand != 0.0) {
        result = mAccumulator / mOperand;
    } else if (mOpFlag == u"÷") {
        display = mDivZeroMsg;
        arithmetic = false;
    } else {
        // A pending "=" takes the new number; the blank after "C", or an operator typed in the
        // text box, computes nothing.
        if (mOpFlag == equalsCaption())
            mAccumulator = mOperand;
        arithmetic = false;
    }
    if (arithmetic && !std::isfinite(result)) {
        // Shown like a division by zero: the message stays, the accumulator keeps its value.
        display = mNumberText.overflowMessage();
        mOperand = 0.0;
    } else if (arithmetic) {
        mAccumulator = result;
        mNumberText.writeGeneral(result, display);
    }
    mNumberText.appendSeparator(display);
    mNumOps = 1;
}

void CalcEngine::showResult(double value, QString &display) const
{
    mNumberText.writeGeneral(value, display);
    mNumberText.appendSeparator(display);
}
