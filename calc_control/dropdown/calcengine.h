#pragma once

#include "numbertext.h"

#include <QString>

#include <functional>
#include <optional>

// The drop-down calculator without its window: a four-function calculator with one memory that
// works on a display text, the text box of the control that opened it.
//
// - Make one engine per opening: creation reads the user's decimal separator and chooses the
//   division-by-zero message.
// - load(display) when the window is created; a key released on an engine not loaded yet loads
//   it first, so chkOperator_MouseUp also works on a calculator that is not shown.
// - keyUp(key, index, button, display) for every key release; arrays (Number, Operator, Memory)
//   take the index of their element, the other keys ignore it. Only button 1 (left) acts. The
//   result is true when the calculator must close ("="); the engine is then unloaded.
// - The window shows decimalSeparator() on chkDecimal and memoryIndicator() on lblMemory.
// - setOutputFormatSource gives the control's OutPutFormat; without it, results after an
//   operator stay in general text.
// A result beyond the range of a double shows the overflow message (NumberText) in place of the
// number, as a division by zero shows its message: the accumulator and the memory keep their
// values and no formatted result replaces the message.
class CalcEngine
{
public:
    enum class Key {
        Number,      // chkNumber(0..9)
        Decimal,     // chkDecimal
        Sign,        // chkSign
        Operator,    // chkOperator(0..4): "+", "-", "x", "÷", "="
        Sqrt,        // chksqrt
        Percent,     // chkPercent
        Fraction,    // chkFraction
        Back,        // chkBack
        CancelEntry, // chkCancelEntry
        Cancel,      // chkCancel
        Memory,      // chkMemory(0..3): MC, MR, MS, M+
    };
    enum class LastInput { None, Nums, Ops, Neg, CE };

    static constexpr int LeftButton = 1;
    static constexpr int EqualsIndex = 4;
    static constexpr int OperatorCount = 5;
    // The caption of chkOperator(index).
    static QString operatorCaption(int index);

    CalcEngine();

    void setOutputFormatSource(std::function<int()> source);

    void load(QString &display);
    void unload() { mLoaded = false; }
    bool isLoaded() const { return mLoaded; }

    bool keyUp(Key key, int index, int button, QString &display);
    bool chkOperator_MouseUp(int index, int button, QString &display);

    const QString &decimalSeparator() const { return mDecimalSep; }
    QString memoryIndicator() const;
    const NumberText &numberText() const { return mNumberText; }

    double accumulator() const { return mAccumulator; }
    double operand() const { return mOperand; }
    int numOps() const { return mNumOps; }
    const QString &opFlag() const { return mOpFlag; }
    LastInput lastInput() const { return mLastInput; }
    bool decimalEntry() const { return mDecimalEntry; }
    bool newEntry() const { return mNewEntry; }
    const QString &entryText() const { return mEntryText; }
    std::optional<double> memory() const { return mMemory; }
    const QString &divZeroMsg() const { return mDivZeroMsg; }

private:
    void number(int digit, QString &display);
    void enterIntegerDigit(QChar digit, QString &display) const;
    void decimalPoint(QString &display);
    void changeSign(QString &display);
    void back(QString &display) const;
    void cancelEntry(QString &display);
    void cancel(QString &display);
    void percent(QString &display);
    void fraction(QString &display);
    void squareRoot(QString &display);
    void memoryKey(int index, QString &display);
    bool operatorKey(int index, QString &display);
    void evaluate(QString &display);
    void showResult(double value, QString &display) const;
    double displayNumber(const QString &display) const;

    NumberText mNumberText;
    std::function<int()> mOutputFormat;
    bool mLoaded = false;
    bool mMemoryShown = false;

    double mAccumulator = 0.0;
    double mOperand = 0.0;
    int mNumOps = 0;
    QString mOpFlag;
    LastInput mLastInput = LastInput::None;
    bool mDecimalEntry = false;
    bool mNewEntry = false;
    QString mEntryText;
    std::optional<double> mMemory;
    QString mDecimalSep;
    QString mDivZeroMsg;
};
