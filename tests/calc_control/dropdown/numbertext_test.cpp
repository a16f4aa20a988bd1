#include "localeguard.h"
#include "numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace {

// French groups digits with a narrow no-break space and puts a no-break space before the euro.
#define NNBSP "\u202F"
#define NBSP "\u00A0"

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

struct ReadRow
{
    const char *name;
    const char *locale;
    const char *text;
    std::optional<double> value;
};

class ReadTest : public testing::TestWithParam<ReadRow>
{
};

TEST_P(ReadTest, readsTheDisplayNumber)
{
    const ReadRow &row = GetParam();
    const LocaleGuard locale(row.locale);
    const NumberText numbers;
    const std::optional<double> value = numbers.read(text(row.text));
    EXPECT_EQ(value, row.value) << row.text;
    EXPECT_EQ(numbers.displayNumber(text(row.text)), row.value.value_or(0.0));
}

const ReadRow readRows[] = {
    {"fr_trailing_separator", "fr_FR", "12,", 12.0},
    {"fr_negative_fraction", "fr_FR", "-12,5", -12.5},
    {"fr_plus_sign", "fr_FR", "+5", 5.0},
    {"fr_blanks_around", "fr_FR", "  7,25  ", 7.25},
    {"fr_leading_separator", "fr_FR", ",5", 0.5},
    {"fr_grouping_of_standard_format", "fr_FR", "1" NNBSP "234,50", 1234.5},
    {"fr_exponent", "fr_FR", "1,2E-05", 1.2e-5},
    {"fr_exponent_with_trailing_separator", "fr_FR", "1E+20,", 1e20},
    {"fr_currency", "fr_FR", "1" NNBSP "234,50" NBSP "€", 1234.5},
    {"fr_negative_currency_in_parentheses", "fr_FR", "(1" NNBSP "234,50" NBSP "€)", -1234.5},
    {"fr_sign_changed_negative_currency", "fr_FR", "-(5,00" NBSP "€)", 5.0},
    {"fr_dot_is_not_the_separator", "fr_FR", "12.5", std::nullopt},
    {"fr_division_message", "fr_FR", "Division par zéro,", std::nullopt},
    {"fr_lone_minus", "fr_FR", "-", std::nullopt},
    {"fr_empty_entry", "fr_FR", ",", std::nullopt},
    {"fr_empty_text", "fr_FR", "", std::nullopt},
    {"fr_double_sign", "fr_FR", "--5", std::nullopt},
    {"fr_infinity_text", "fr_FR", "inf", std::nullopt},
    {"fr_not_a_number_text", "fr_FR", "nan", std::nullopt},
    {"fr_beyond_double_range", "fr_FR", "1E+400", std::nullopt},
    {"fr_largest_double_as_written", "fr_FR", "1,79769313486232E+308",
     std::numeric_limits<double>::max()},
    {"fr_largest_double_in_scientific_format", "fr_FR", "-1,80E+308",
     -std::numeric_limits<double>::max()},
    {"fr_just_above_what_is_written", "fr_FR", "1,81E+308", std::nullopt},
    {"fr_overflow_message", "fr_FR", "Dépassement de capacité,", std::nullopt},
    {"en_trailing_separator", "en_US", "12.", 12.0},
    {"en_zero_dot", "en_US", "0.", 0.0},
    {"en_grouping", "en_US", "1,234.50", 1234.5},
    {"en_currency", "en_US", "$1,234.50", 1234.5},
    {"en_negative_currency_in_parentheses", "en_US", "($1,234.50)", -1234.5},
    {"en_sign_before_currency", "en_US", "-$5.00", -5.0},
    {"en_comma_is_not_the_separator", "en_US", "12,5", std::nullopt},
    {"en_division_message", "en_US", "Divide by zéro.", std::nullopt},
    {"sv_locale_minus_sign", "sv_SE",
     "\u2212"
     "5,5",
     -5.5},
    {"sv_ascii_minus_as_the_engine_writes_it", "sv_SE", "-5,5", -5.5},
};

INSTANTIATE_TEST_SUITE_P(NumberText, ReadTest, testing::ValuesIn(readRows),
                         [](const auto &info) { return std::string(info.param.name); });

struct GeneralRow
{
    const char *name;
    const char *locale;
    double value;
    const char *text;
};

class GeneralTextTest : public testing::TestWithParam<GeneralRow>
{
};

TEST_P(GeneralTextTest, writesTheGeneralText)
{
    const GeneralRow &row = GetParam();
    const LocaleGuard locale(row.locale);
    EXPECT_EQ(NumberText().generalText(row.value), text(row.text));
}

const GeneralRow generalRows[] = {
    {"zero", "fr_FR", 0.0, "0"},
    {"negative_zero_has_no_sign", "fr_FR", -0.0, "0"},
    {"whole_number_has_no_separator", "fr_FR", 5.0, "5"},
    {"fraction_with_locale_separator", "fr_FR", 1.23456, "1,23456"},
    {"negative_without_grouping", "fr_FR", -1234.5, "-1234,5"},
    {"fifteen_significant_digits", "fr_FR", 1.0 / 3.0, "0,333333333333333"},
    {"binary_noise_rounded_away", "fr_FR", 0.1 + 0.2, "0,3"},
    {"largest_plain_whole_number", "fr_FR", 123456789012345.0, "123456789012345"},
    {"exponent_from_1E15", "fr_FR", 1e15, "1E+15"},
    {"large_exponent", "fr_FR", 1e20, "1E+20"},
    {"smallest_plain_fraction", "fr_FR", 0.0001, "0,0001"},
    {"small_exponent", "fr_FR", 0.000012, "1,2E-05"},
    {"overflow_message_in_french", "fr_FR", std::numeric_limits<double>::infinity(),
     "Dépassement de capacité"},
    {"en_fraction", "en_US", 1.23456, "1.23456"},
    {"en_small_exponent", "en_US", 0.000012, "1.2E-05"},
    {"en_overflow_message", "en_US", -std::numeric_limits<double>::infinity(), "Overflow"},
};

INSTANTIATE_TEST_SUITE_P(NumberText, GeneralTextTest, testing::ValuesIn(generalRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(NumberText, generalTextReadsBackInEachLocale)
{
    for (const char *name : {"fr_FR", "en_US", "sv_SE"}) {
        const LocaleGuard locale(name);
        const NumberText numbers;
        for (double value : {1.0 / 3.0, -2.0 / 3.0, 123.456, 1e-300, 6.02214076e23, -1e15}) {
            QString display = numbers.generalText(value);
            numbers.appendSeparator(display);
            const std::optional<double> read = numbers.read(display);
            ASSERT_TRUE(read.has_value()) << name << " " << display.toStdString();
            EXPECT_NEAR(*read, value, std::fabs(value) * 1e-14) << name;
        }
    }
}

TEST(NumberText, theLargestDoublesReadBackInEveryFormat)
{
    for (const char *name : {"fr_FR", "en_US"}) {
        const LocaleGuard locale(name);
        const NumberText numbers;
        const double largest = std::numeric_limits<double>::max();
        for (double value : {largest, -largest, 1.797693134862315e308}) {
            for (int format = Orvane::calcOFNormal; format <= Orvane::calcOFStandard; ++format) {
                QString written;
                ASSERT_TRUE(numbers.writeFormatted(value, format, written));
                const std::optional<double> read = numbers.read(written);
                ASSERT_TRUE(read.has_value())
                    << name << " " << format << " " << qPrintable(written);
                EXPECT_NEAR(*read, value, largest * 1e-2) << name << " " << format;
            }
        }
    }
}

struct FormatRow
{
    const char *name;
    const char *locale;
    double value;
    int format;
    const char *text;
};

class OutputFormatTest : public testing::TestWithParam<FormatRow>
{
};

TEST_P(OutputFormatTest, writesTheOutputFormat)
{
    const FormatRow &row = GetParam();
    const LocaleGuard locale(row.locale);
    QString out = QStringLiteral("before");
    EXPECT_TRUE(NumberText().writeFormatted(row.value, row.format, out));
    EXPECT_EQ(out, text(row.text));
}

using namespace Orvane;

const FormatRow formatRows[] = {
    {"normal_fraction", "fr_FR", 1.23456, calcOFNormal, "1,23456"},
    {"normal_negative", "fr_FR", -1234.5, calcOFNormal, "-1234,5"},
    {"normal_zero", "fr_FR", 0.0, calcOFNormal, "0"},
    {"normal_large", "fr_FR", 1e20, calcOFNormal, "1E+20"},
    {"normal_small", "fr_FR", 0.000012, calcOFNormal, "1,2E-05"},
    {"currency_fraction", "fr_FR", 1.23456, calcOFCurrency, "1,23" NBSP "€"},
    {"currency_negative", "fr_FR", -1234.5, calcOFCurrency, "(1" NNBSP "234,50" NBSP "€)"},
    {"currency_zero", "fr_FR", 0.0, calcOFCurrency, "0,00" NBSP "€"},
    {"currency_large", "fr_FR", 1e20, calcOFCurrency,
     "100" NNBSP "000" NNBSP "000" NNBSP "000" NNBSP "000" NNBSP "000" NNBSP "000,00" NBSP "€"},
    {"currency_small", "fr_FR", 0.000012, calcOFCurrency, "0,00" NBSP "€"},
    {"two_decimals_rounded", "fr_FR", 1.23456, calcOFTwoDecimal, "1,23"},
    {"two_decimals_negative_trailing_zero_dropped", "fr_FR", -1234.5, calcOFTwoDecimal, "-1234,5"},
    {"two_decimals_zero_keeps_separator", "fr_FR", 0.0, calcOFTwoDecimal, "0,"},
    {"two_decimals_large_written_out", "fr_FR", 1e20, calcOFTwoDecimal, "100000000000000000000,"},
    {"two_decimals_small_rounds_to_zero", "fr_FR", 0.000012, calcOFTwoDecimal, "0,"},
    {"two_decimals_half_away_from_zero", "fr_FR", 1.005, calcOFTwoDecimal, "1,01"},
    {"two_decimals_negative_half_away_from_zero", "fr_FR", -2.345, calcOFTwoDecimal, "-2,35"},
    {"two_decimals_carry_into_integer", "fr_FR", 9.999, calcOFTwoDecimal, "10,"},
    {"two_decimals_negative_rounding_to_zero_has_no_sign", "fr_FR", -0.001, calcOFTwoDecimal, "0,"},
    {"three_decimals_rounded_up", "fr_FR", 1.23456, calcOFThreeDecimal, "1,235"},
    {"three_decimals_negative", "fr_FR", -1234.5, calcOFThreeDecimal, "-1234,5"},
    {"three_decimals_zero", "fr_FR", 0.0, calcOFThreeDecimal, "0,"},
    {"four_decimals_rounded_up", "fr_FR", 1.23456, calcOFFourDecimal, "1,2346"},
    {"four_decimals_small", "fr_FR", 0.000012, calcOFFourDecimal, "0,"},
    {"five_decimals_exact", "fr_FR", 1.23456, calcOFFiveDecimal, "1,23456"},
    {"five_decimals_small_half_up", "fr_FR", 0.000015, calcOFFiveDecimal, "0,00002"},
    {"five_decimals_small", "fr_FR", 0.000012, calcOFFiveDecimal, "0,00001"},
    {"six_decimals_small", "fr_FR", 0.000012, calcOFSixDecimal, "0,000012"},
    {"six_decimals_large", "fr_FR", 1e20, calcOFSixDecimal, "100000000000000000000,"},
    {"scientific_fraction", "fr_FR", 1.23456, calcOFScientific, "1,23E+00"},
    {"scientific_negative", "fr_FR", -1234.5, calcOFScientific, "-1,23E+03"},
    {"scientific_zero", "fr_FR", 0.0, calcOFScientific, "0,00E+00"},
    {"scientific_large", "fr_FR", 1e20, calcOFScientific, "1,00E+20"},
    {"scientific_small", "fr_FR", 0.000012, calcOFScientific, "1,20E-05"},
    {"scientific_carry_into_exponent", "fr_FR", 9.995, calcOFScientific, "1,00E+01"},
    {"scientific_three_digit_exponent", "fr_FR", 1.5e300, calcOFScientific, "1,50E+300"},
    {"standard_fraction", "fr_FR", 1.23456, calcOFStandard, "1,23"},
    {"standard_negative_grouped", "fr_FR", -1234.5, calcOFStandard, "-1" NNBSP "234,50"},
    {"standard_zero", "fr_FR", 0.0, calcOFStandard, "0,00"},
    {"standard_large_grouped", "fr_FR", 1e20, calcOFStandard,
     "100" NNBSP "000" NNBSP "000" NNBSP "000" NNBSP "000" NNBSP "000" NNBSP "000,00"},
    {"standard_small", "fr_FR", 0.000012, calcOFStandard, "0,00"},
    {"standard_carry_adds_a_group", "fr_FR", 999.995, calcOFStandard, "1" NNBSP "000,00"},
    {"en_normal", "en_US", -1234.5, calcOFNormal, "-1234.5"},
    {"en_currency", "en_US", 1234.5, calcOFCurrency, "$1,234.50"},
    {"en_two_decimals_zero", "en_US", 0.0, calcOFTwoDecimal, "0."},
    {"en_six_decimals", "en_US", 0.000012, calcOFSixDecimal, "0.000012"},
    {"en_scientific", "en_US", -1234.5, calcOFScientific, "-1.23E+03"},
    {"en_standard", "en_US", -1234.5, calcOFStandard, "-1,234.50"},
};

INSTANTIATE_TEST_SUITE_P(NumberText, OutputFormatTest, testing::ValuesIn(formatRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(NumberText, formatOutsideTheTableLeavesTheTextUnchanged)
{
    const LocaleGuard locale("fr_FR");
    for (int format : {-1, 9, 1000}) {
        QString out = QStringLiteral("12,5");
        EXPECT_FALSE(NumberText().writeFormatted(3.0, format, out)) << format;
        EXPECT_EQ(out, QStringLiteral("12,5"));
    }
}

TEST(NumberText, everyFormattedTextReadsBackAsTheRoundedNumber)
{
    // The control takes its value back from the formatted text.
    for (const char *name : {"fr_FR", "en_US"}) {
        const LocaleGuard locale(name);
        const NumberText numbers;
        for (int format = calcOFNormal; format <= calcOFStandard; ++format) {
            QString out;
            numbers.writeFormatted(-1234.5678, format, out);
            const std::optional<double> read = numbers.read(out);
            ASSERT_TRUE(read.has_value()) << name << " " << out.toStdString();
            EXPECT_NEAR(*read, -1234.5678, 5.0) << name << " " << out.toStdString();
        }
    }
}

struct IntegerPartRow
{
    const char *name;
    const char *head;
    const char *digit;
    double value;
};

class IntegerPartTest : public testing::TestWithParam<IntegerPartRow>
{
};

TEST_P(IntegerPartTest, readsLikeTheDigitKey)
{
    const IntegerPartRow &row = GetParam();
    EXPECT_EQ(NumberText::integerPartValue(text(row.head), text(row.digit)), row.value);
}

const IntegerPartRow integerPartRows[] = {
    {"digit_appended", "12", "3", 123.0},
    {"leading_zero_disappears", "0", "5", 5.0},
    {"empty_part", "", "5", 5.0},
    {"lone_minus", "-", "3", -3.0},
    {"minus_zero", "-0", "5", -5.0},
    {"blanks_skipped", " 1 2", "3", 123.0},
    {"grouping_blank_skipped", "1" NNBSP "234", "5", 12345.0},
    {"stops_at_a_letter", "12abc", "5", 12.0},
    {"message_reads_zero", "Division par zéro", "5", 0.0},
    {"second_minus_ends_the_number", "--", "4", 0.0},
    {"nothing_readable", "", "", 0.0},
};

INSTANTIATE_TEST_SUITE_P(NumberText, IntegerPartTest, testing::ValuesIn(integerPartRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(NumberText, displayConventionsFollowTheLocaleSeparator)
{
    struct Case
    {
        const char *locale;
        const char *separator;
    };
    for (const Case &c : {Case{"fr_FR", ","}, Case{"en_US", "."}, Case{"de_DE", ","}}) {
        const LocaleGuard locale(c.locale);
        const NumberText numbers;
        const QString sep = QString::fromLatin1(c.separator);
        EXPECT_EQ(numbers.decimalSeparator(), sep) << c.locale;
        EXPECT_EQ(numbers.clearedDisplay(), "0" + sep);
        EXPECT_EQ(numbers.negativeClearedDisplay(), "-0" + sep);
        EXPECT_EQ(numbers.emptyEntry(), sep);
        QString whole = QStringLiteral("12");
        numbers.appendSeparator(whole);
        EXPECT_EQ(whole, "12" + sep);
        QString fraction = "12" + sep + "5";
        numbers.appendSeparator(fraction);
        EXPECT_EQ(fraction, "12" + sep + "5");
    }
}

TEST(NumberText, messagesFollowTheUserLanguage)
{
    struct Case
    {
        const char *locale;
        const char *divZero;
        const char *overflow;
    };
    const Case cases[] = {
        {"fr_FR", "Division par zéro", "Dépassement de capacité"},
        {"fr_CA", "Division par zéro", "Dépassement de capacité"},
        {"fr_BE", "Division par zéro", "Dépassement de capacité"},
        {"en_US", "Divide by zéro", "Overflow"},
        {"de_DE", "Divide by zéro", "Overflow"},
    };
    for (const Case &c : cases) {
        const LocaleGuard locale(c.locale);
        const NumberText numbers;
        EXPECT_EQ(numbers.divZeroMessage(), text(c.divZero)) << c.locale;
        EXPECT_EQ(numbers.overflowMessage(), text(c.overflow)) << c.locale;
    }
}

} // namespace
