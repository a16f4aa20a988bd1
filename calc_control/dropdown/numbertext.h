#pragma once

#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringView>

#include <optional>

namespace Orvane {
Q_NAMESPACE

// How a result is written: the control's OutPutFormat. Any other value leaves the text as it is.
enum OutputFormatConstants {
    calcOFNormal = 0,
    calcOFCurrency = 1,
    calcOFTwoDecimal = 2,
    calcOFThreeDecimal = 3,
    calcOFFourDecimal = 4,
    calcOFFiveDecimal = 5,
    calcOFSixDecimal = 6,
    calcOFScientific = 7,
    calcOFStandard = 8,
};
Q_ENUM_NS(OutputFormatConstants)

} // namespace Orvane

// The number text conventions of the control library, in the user's locale (the default QLocale,
// which follows the system), taken once when the object is made:
// - a display normally ends with the decimal separator when it has no fractional part ("12,");
// - the display number is the text read in the locale (sign, trailing separator, grouping, currency
//   symbol, exponent, a negative amount in parentheses); anything else counts as 0;
// - the general text: up to 15 significant digits, no grouping, exponent form below 1E-04 and from
//   1E+15 on ("1,2E-05", "1E+20");
// - the output formats 0 to 8 (Orvane::OutputFormatConstants).
// Results beyond the range of a double never reach a display as digits: they show the overflow
// message, the way a division by zero shows its own message. The largest doubles are written
// rounded up to texts just above the range ("1,79769313486232E+308", "1,80E+308"); those read
// back as the largest double.
class NumberText
{
public:
    explicit NumberText(const QLocale &locale = QLocale());

    const QLocale &locale() const { return mLocale; }
    const QString &decimalSeparator() const { return mDecimalSep; }

    // "0," ; "-0," ; "," (with the locale's separator).
    const QString &clearedDisplay() const { return mCleared; }
    const QString &negativeClearedDisplay() const { return mNegativeCleared; }
    const QString &emptyEntry() const { return mDecimalSep; }

    // Adds the separator at the end when the display holds none.
    void appendSeparator(QString &display) const;

    // The number the text reads as, or nothing when it does not read as a (finite) number.
    std::optional<double> read(QStringView text) const;
    bool readsAsNumber(QStringView text) const { return read(text).has_value(); }
    // The display number: what the text reads as, 0 when it does not read as a number.
    double displayNumber(QStringView text) const { return read(text).value_or(0.0); }

    // The general text of value, written into out (the overflow message when value is not finite).
    void writeGeneral(double value, QString &out) const;
    QString generalText(double value) const;

    // Writes value in the output format into out; any format outside 0 to 8 leaves out unchanged
    // and returns false.
    bool writeFormatted(double value, int outputFormat, QString &out) const;

    // "Division par zéro" for a French user, "Divide by zéro" otherwise.
    const QString &divZeroMessage() const { return mDivZeroMsg; }
    // The overflow text of the user's language, shown when a result leaves the range of a double.
    const QString &overflowMessage() const { return mOverflowMsg; }

    // How the digit key reads an integer part: head followed by tail, blanks skipped, an optional
    // leading "-" and the digits up to the first other character; nothing readable gives 0.
    static double integerPartValue(QStringView head, QStringView tail = {});

private:
    void writeRounded(double value, int decimals, bool keepTrailingZeros, bool grouped,
                      QString &out) const;
    void writeScientific(double value, QString &out) const;
    bool takeSign(QStringView &text, bool &negative) const;
    std::optional<double> readJustBeyondRange(QStringView number) const;
    QStringView withoutCurrency(QStringView text) const;

    QLocale mLocale;
    QString mDecimalSep;
    QString mGroupSep;
    QString mCurrencySymbol;
    QString mNegativeSign;
    QString mPositiveSign;
    QString mCleared;
    QString mNegativeCleared;
    QString mDivZeroMsg;
    QString mOverflowMsg;
};
