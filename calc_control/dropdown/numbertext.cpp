#include "numbertext.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr int SignificantDigits = 15;

// A finite value rounded to 15 significant decimal digits: digits[0].digits[1..14] x 10^exponent.
// Rounding the formats from these digits, rather than from the binary value, makes 1.005 round
// to 1.01 as a user expects.
struct Decimal15
{
    std::array<char, SignificantDigits> digits{};
    int exponent = 0;
    bool negative = false;
    bool zero = true;
};

Decimal15 decompose(double value)
{
    Decimal15 d;
    d.digits.fill('0');
    if (value == 0.0 || !std::isfinite(value))
        return d;
    d.zero = false;
    d.negative = value < 0;
    // "d.ddddddddddddde+xx"
    char buf[32] = {};
    const auto end = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                   std::chars_format::scientific, SignificantDigits - 1)
                         .ptr;
    d.digits[0] = buf[0];
    std::copy(buf + 2, buf + 1 + SignificantDigits, d.digits.begin() + 1);
    const char *exponent = buf + 2 + SignificantDigits;
    const bool negativeExponent = *exponent == '-';
    std::from_chars(exponent + 1, end, d.exponent);
    if (negativeExponent)
        d.exponent = -d.exponent;
    return d;
}

template <qsizetype N> void incrementDigits(QVarLengthArray<char, N> &digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.cbegin(), '1');
}

} // namespace

NumberText::NumberText(const QLocale &locale)
    : mLocale(locale)
    , mDecimalSep(locale.decimalPoint())
    , mGroupSep(locale.groupSeparator())
    , mCurrencySymbol(locale.currencySymbol())
    , mNegativeSign(locale.negativeSign())
    , mPositiveSign(locale.positiveSign())
    , mCleared(QLatin1Char('0') + mDecimalSep)
    , mNegativeCleared(QLatin1String("-0") + mDecimalSep)
{
    const bool french = locale.language() == QLocale::French;
    mDivZeroMsg = french ? QStringLiteral("Division par zéro") : QStringLiteral("Divide by zéro");
    mOverflowMsg = french ? QStringLiteral("Dépassement de capacité") : QStringLiteral("Overflow");
}

void NumberText::appendSeparator(QString &display) const
{
    if (!display.contains(mDecimalSep))
        display += mDecimalSep;
}

std::optional<double> NumberText::read(QStringView text) const
{
    QStringView rest = text.trimmed();
    bool negative = false;
    const bool signedFirst = takeSign(rest, negative);
    // Negative amounts of the currency format may come in parentheses.
    if (rest.size() >= 2 && rest.front() == u'(' && rest.back() == u')') {
        negative = !negative;
        rest = rest.sliced(1, rest.size() - 2).trimmed();
    }
    rest = withoutCurrency(rest);
    if (!signedFirst)
        takeSign(rest, negative);
    QStringView secondSign = rest;
    bool ignored = false;
    if (rest.isEmpty() || takeSign(secondSign, ignored))
        return std::nullopt;
    // "12," is the usual display; "1E+20," must read too.
    if (rest.size() > mDecimalSep.size() && rest.endsWith(mDecimalSep))
        rest.chop(mDecimalSep.size());
    bool ok = false;
    std::optional<double> value = mLocale.toDouble(rest, &ok);
    if (!ok)
        value = std::isinf(*value) ? readJustBeyondRange(rest) : std::nullopt;
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return negative ? -*value : *value;
}

// A well-formed number of the locale, without sign, too large for a double: the largest double
// when it is no larger than the texts the writers make of it, otherwise nothing.
std::optional<double> NumberText::readJustBeyondRange(QStringView number) const
{
    constexpr long double LargestWritten = 1.80e308L; // the largest double in the scientific format
    QString plain = number.toString();
    plain.remove(mGroupSep);
    plain.replace(mDecimalSep, QStringLiteral("."));
    const QByteArray bytes = plain.toLatin1();
    long double magnitude = 0;
    const auto [end, error] =
        std::from_chars(bytes.constData(), bytes.constData() + bytes.size(), magnitude);
    if (error != std::errc() || end != bytes.constData() + bytes.size() ||
        magnitude > LargestWritten)
        return std::nullopt;
    return std::numeric_limits<double>::max();
}

bool NumberText::takeSign(QStringView &text, bool &negative) const
{
    qsizetype length = 0;
    bool minus = false;
    if (text.startsWith(u'-')) {
        length = 1;
        minus = true;
    } else if (text.startsWith(u'+')) {
        length = 1;
    } else if (!mNegativeSign.isEmpty() && text.startsWith(mNegativeSign)) {
        length = mNegativeSign.size();
        minus = true;
    } else if (!mPositiveSign.isEmpty() && text.startsWith(mPositiveSign)) {
        length = mPositiveSign.size();
    }
    if (length == 0)
        return false;
    negative = negative != minus;
    text = text.sliced(length).trimmed();
    return true;
}

QStringView NumberText::withoutCurrency(QStringView text) const
{
    if (mCurrencySymbol.isEmpty())
        return text;
    if (text.endsWith(mCurrencySymbol))
        return text.chopped(mCurrencySymbol.size()).trimmed();
    if (text.startsWith(mCurrencySymbol))
        return text.sliced(mCurrencySymbol.size()).trimmed();
    return text;
}

void NumberText::writeGeneral(double value, QString &out) const
{
    if (!std::isfinite(value)) {
        out = mOverflowMsg;
        return;
    }
    if (value == 0.0)
        value = 0.0; // no "-0"
    char buf[32] = {};
    const auto end =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, SignificantDigits)
            .ptr;
    out.resize(0);
    for (const char *c = buf; c != end; ++c) {
        if (*c == '.')
            out += mDecimalSep;
        else
            out += QLatin1Char(*c == 'e' ? 'E' : *c);
    }
}

QString NumberText::generalText(double value) const
{
    QString text;
    writeGeneral(value, text);
    return text;
}

bool NumberText::writeFormatted(double value, int outputFormat, QString &out) const
{
    if (outputFormat < Orvane::calcOFNormal || outputFormat > Orvane::calcOFStandard)
        return false;
    if (!std::isfinite(value)) {
        out = mOverflowMsg;
        return true;
    }
    switch (outputFormat) {
    case Orvane::calcOFNormal:
        writeGeneral(value, out);
        break;
    case Orvane::calcOFCurrency:
        out = mLocale.toCurrencyString(value);
        break;
    case Orvane::calcOFScientific:
        writeScientific(value, out);
        break;
    case Orvane::calcOFStandard:
        writeRounded(value, 2, true, true, out);
        break;
    default: // "#0.##" to "#0.######": the format number is the count of decimals
        writeRounded(value, outputFormat, false, false, out);
        break;
    }
    return true;
}

void NumberText::writeRounded(double value, int decimals, bool keepTrailingZeros, bool grouped,
                              QString &out) const
{
    const Decimal15 d = decompose(value);
    // The digits of |value| x 10^decimals, rounded half away from zero.
    QVarLengthArray<char, 64> digits;
    const int kept = d.exponent + decimals + 1;
    if (d.zero || kept < 0) {
        digits.append('0');
    } else if (kept == 0) {
        digits.append(d.digits[0] >= '5' ? '1' : '0');
    } else {
        for (int k = 0; k < kept; ++k)
            digits.append(k < SignificantDigits ? d.digits[k] : '0');
        if (kept < SignificantDigits && d.digits[kept] >= '5')
            incrementDigits(digits);
    }
    while (digits.size() < decimals + 1)
        digits.insert(digits.cbegin(), '0');

    const qsizetype integerDigits = digits.size() - decimals;
    qsizetype fractionEnd = digits.size();
    if (!keepTrailingZeros) {
        while (fractionEnd > integerDigits && digits[fractionEnd - 1] == '0')
            --fractionEnd;
    }
    const bool allZero =
        std::all_of(digits.cbegin(), digits.cend(), [](char c) { return c == '0'; });

    out.resize(0);
    if (d.negative && !allZero)
        out += QLatin1Char('-');
    for (qsizetype i = 0; i < integerDigits; ++i) {
        if (grouped && i > 0 && (integerDigits - i) % 3 == 0)
            out += mGroupSep;
        out += QLatin1Char(digits[i]);
    }
    out += mDecimalSep;
    for (qsizetype i = integerDigits; i < fractionEnd; ++i)
        out += QLatin1Char(digits[i]);
}

void NumberText::writeScientific(double value, QString &out) const
{
    const Decimal15 d = decompose(value);
    QVarLengthArray<char, 4> mantissa{d.digits[0], d.digits[1], d.digits[2]};
    int exponent = d.exponent;
    if (!d.zero && d.digits[3] >= '5') {
        incrementDigits(mantissa);
        if (mantissa.size() > 3) { // 9.995 became 10.0
            mantissa.resize(3);
            ++exponent;
        }
    }
    out.resize(0);
    if (d.negative)
        out += QLatin1Char('-');
    out += QLatin1Char(mantissa[0]);
    out += mDecimalSep;
    out += QLatin1Char(mantissa[1]);
    out += QLatin1Char(mantissa[2]);
    out += QLatin1Char('E');
    out += QLatin1Char(exponent < 0 ? '-' : '+');
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
        out += QLatin1Char('0');
    char buf[8] = {};
    const auto end = std::to_chars(buf, buf + sizeof buf, magnitude).ptr;
    for (const char *c = buf; c != end; ++c)
        out += QLatin1Char(*c);
}

double NumberText::integerPartValue(QStringView head, QStringView tail)
{
    double value = 0.0;
    bool negative = false;
    bool started = false;
    // Returns false at the first character that ends the number.
    const auto take = [&](QChar c) {
        if (c.isSpace())
            return true;
        if (!started && c == u'-') {
            negative = true;
            started = true;
            return true;
        }
        if (c < u'0' || c > u'9')
            return false;
        value = value * 10 + (c.unicode() - u'0');
        started = true;
        return true;
    };
    bool reading = true;
    for (qsizetype i = 0; reading && i < head.size(); ++i)
        reading = take(head[i]);
    for (qsizetype i = 0; reading && i < tail.size(); ++i)
        reading = take(tail[i]);
    return negative && value != 0.0 ? -value : value;
}
