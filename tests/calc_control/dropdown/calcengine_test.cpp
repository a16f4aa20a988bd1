#include "calcengine.h"
#include "localeguard.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <optional>

namespace {

using Key = CalcEngine::Key;
using LastInput = CalcEngine::LastInput;
using namespace Orvane;

#define NNBSP "\u202F"
#define NBSP "\u00A0"

// The row's calculator has no control to read an output format from.
constexpr int NoFormatSource = -100;

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

struct KeyPress
{
    Key key;
    int index;
};

// Keys as written on the keypad; "/" stands for "÷".
KeyPress keyFor(const QString &token)
{
    static const QStringList operators{"+", "-", "x", "/", "="};
    static const QStringList memory{"MC", "MR", "MS", "M+"};
    if (token.size() == 1 && token.front().isDigit())
        return {Key::Number, token.front().digitValue()};
    if (operators.contains(token))
        return {Key::Operator, int(operators.indexOf(token))};
    if (memory.contains(token))
        return {Key::Memory, int(memory.indexOf(token))};
    if (token == ".")
        return {Key::Decimal, 0};
    if (token == "+/-")
        return {Key::Sign, 0};
    if (token == "sqrt")
        return {Key::Sqrt, 0};
    if (token == "%")
        return {Key::Percent, 0};
    if (token == "1/x")
        return {Key::Fraction, 0};
    if (token == "Back")
        return {Key::Back, 0};
    if (token == "CE")
        return {Key::CancelEntry, 0};
    if (token == "C")
        return {Key::Cancel, 0};
    ADD_FAILURE() << "unknown key " << token.toStdString();
    return {Key::Cancel, -1};
}

// Releases each key with the left button; returns what the last key said about closing.
bool press(CalcEngine &engine, const char *keys, QString &display)
{
    bool closes = false;
    for (const QString &token : QString::fromLatin1(keys).split(' ', Qt::SkipEmptyParts)) {
        const KeyPress k = keyFor(token);
        closes = engine.keyUp(k.key, k.index, CalcEngine::LeftButton, display);
    }
    return closes;
}

struct Expect
{
    std::optional<LastInput> lastInput = {};
    std::optional<int> numOps = {};
    const char *opFlag = nullptr;
    std::optional<bool> decimalEntry = {};
    std::optional<bool> newEntry = {};
    std::optional<double> accumulator = {};
    std::optional<double> memory = {};
    const char *indicator = nullptr;
    std::optional<bool> closes = {};
};

struct KeyRow
{
    const char *name;
    const char *locale;
    const char *start; // the display when the calculator loads
    const char *keys;
    int outputFormat;
    const char *display;
    Expect expect = {};
};

class KeySequenceTest : public testing::TestWithParam<KeyRow>
{
};

TEST_P(KeySequenceTest, endsOnTheDisplayAndState)
{
    const KeyRow &row = GetParam();
    const LocaleGuard locale(row.locale);
    CalcEngine engine;
    if (row.outputFormat != NoFormatSource)
        engine.setOutputFormatSource([format = row.outputFormat] { return format; });
    QString display = text(row.start);
    engine.load(display);
    const bool closes = press(engine, row.keys, display);

    EXPECT_EQ(display, text(row.display));
    const Expect &e = row.expect;
    if (e.lastInput) {
        EXPECT_EQ(engine.lastInput(), *e.lastInput);
    }
    if (e.numOps) {
        EXPECT_EQ(engine.numOps(), *e.numOps);
    }
    if (e.opFlag) {
        EXPECT_EQ(engine.opFlag(), text(e.opFlag));
    }
    if (e.decimalEntry) {
        EXPECT_EQ(engine.decimalEntry(), *e.decimalEntry);
    }
    if (e.newEntry) {
        EXPECT_EQ(engine.newEntry(), *e.newEntry);
    }
    if (e.accumulator) {
        EXPECT_DOUBLE_EQ(engine.accumulator(), *e.accumulator);
    }
    if (e.memory) {
        EXPECT_EQ(engine.memory(), e.memory);
    }
    if (e.indicator) {
        EXPECT_EQ(engine.memoryIndicator(), text(e.indicator));
    }
    EXPECT_EQ(closes, e.closes.value_or(false));
}

// clang-format off
const KeyRow keyRows[] = {
    // Opening
    {"open_on_zero_comma_reads_as_number", "fr_FR", "0,", "", calcOFNormal, "0,",
     {.lastInput = LastInput::Nums, .numOps = 0, .newEntry = true, .accumulator = 0.0}},
    {"open_on_zero_comma_then_digit", "fr_FR", "0,", "5", calcOFNormal, "5,",
     {.lastInput = LastInput::Nums, .newEntry = false}},
    {"open_on_zero_dot_stays_none", "en_US", "0.", "", calcOFNormal, "0.",
     {.lastInput = LastInput::None, .newEntry = false}},
    {"open_on_zero_dot_then_digit", "en_US", "0.", "5", calcOFNormal, "5.",
     {.lastInput = LastInput::Nums}},
    {"open_on_whole_number_appends_separator", "fr_FR", "12", "", calcOFNormal, "12,",
     {.lastInput = LastInput::Nums, .accumulator = 12.0}},
    {"open_on_text_that_is_no_number_clears", "fr_FR", "abc", "", calcOFNormal, "0,",
     {.lastInput = LastInput::None}},
    {"open_on_dot_zero_in_comma_locale_clears", "fr_FR", "0.", "", calcOFNormal, "0,",
     {.lastInput = LastInput::None}},
    {"open_on_number_then_digit_starts_new_number", "fr_FR", "47,5", "3", calcOFNormal, "3,",
     {.decimalEntry = false}},

    // Operators
    {"two_plus_three_equals_closes_on_five", "fr_FR", "0,", "2 + 3 =", calcOFNormal, "5,",
     {.lastInput = LastInput::Ops, .numOps = 1, .opFlag = "=", .accumulator = 5.0,
      .closes = true}},
    {"en_two_plus_three_equals_closes_on_five", "en_US", "0.", "2 + 3 =", calcOFNormal, "5.",
     {.accumulator = 5.0, .closes = true}},
    {"two_plus_three_plus_shows_five_without_separator", "fr_FR", "0,", "2 + 3 +",
     calcOFNormal, "5",
     {.lastInput = LastInput::Ops, .numOps = 1, .opFlag = "+", .accumulator = 5.0}},
    {"en_two_plus_three_plus_shows_five_without_separator", "en_US", "0.", "2 + 3 +",
     calcOFNormal, "5", {.accumulator = 5.0}},
    {"digit_after_evaluation_starts_new_number", "fr_FR", "0,", "2 + 3 + 4", calcOFNormal,
     "4,", {.lastInput = LastInput::Nums, .accumulator = 5.0}},
    {"chained_operations_evaluate_in_order", "fr_FR", "0,", "2 + 3 x 4 - 6 / 2 =",
     calcOFNormal, "7,", {.accumulator = 7.0, .closes = true}},
    {"multiplication_of_fractions", "fr_FR", "0,", "1 . 5 x 2 . 5 =", calcOFNormal, "3,75",
     {.closes = true}},
    {"subtraction_gives_negative", "fr_FR", "0,", "2 - 5 =", calcOFNormal, "-3,",
     {.closes = true}},
    {"loaded_display_is_first_operand", "fr_FR", "5,", "+ 3 =", calcOFNormal, "8,",
     {.closes = true}},
    {"five_divided_by_zero_shows_message", "fr_FR", "0,", "5 / 0 =", calcOFNormal,
     "Division par zéro,",
     {.numOps = 1, .opFlag = "=", .accumulator = 5.0, .closes = true}},
    {"en_five_divided_by_zero_shows_message", "en_US", "0.", "5 / 0 =", calcOFTwoDecimal,
     "Divide by zéro.", {.accumulator = 5.0, .closes = true}},
    {"operation_after_division_by_zero_goes_on_from_dividend", "fr_FR", "0,", "5 / 0 + 2 =",
     calcOFNormal, "7,", {.accumulator = 7.0, .closes = true}},

    // Negative numbers after an operator
    {"minus_after_operator_shows_lone_minus", "fr_FR", "0,", "2 + -", calcOFNormal, "-",
     {.lastInput = LastInput::Neg, .numOps = 1, .opFlag = "+", .accumulator = 2.0}},
    {"minus_after_operator_enters_negative_number", "fr_FR", "0,", "2 + - 3 =", calcOFNormal,
     "-1,", {.accumulator = -1.0, .closes = true}},
    {"minus_after_evaluation_shows_formatted_accumulator", "fr_FR", "0,", "2 + 3 + -",
     calcOFTwoDecimal, "5,", {.lastInput = LastInput::Neg, .opFlag = "+"}},
    {"minus_after_evaluation_still_enters_negative", "fr_FR", "0,", "2 + 3 + - 4 =",
     calcOFNormal, "1,", {.accumulator = 1.0, .closes = true}},
    {"decimal_point_after_negative_gives_minus_zero", "fr_FR", "0,", "5 + - . 5 =",
     calcOFNormal, "4,5", {.closes = true}},
    {"minus_as_first_key_on_zero_is_a_pending_operator", "en_US", "0.", "CE -", calcOFNormal,
     "0.", {.lastInput = LastInput::Ops, .numOps = 0, .opFlag = "-"}},

    // Digits and the decimal point
    {"leading_zeros_disappear", "fr_FR", "0,", "0 0 7", calcOFNormal, "7,"},
    {"decimal_digits_go_behind_separator", "fr_FR", "0,", "1 2 . 3 4", calcOFNormal, "12,34",
     {.decimalEntry = true}},
    {"decimal_point_twice_keeps_one_separator", "fr_FR", "0,", "1 . . 5", calcOFNormal, "1,5"},
    {"decimal_point_after_operator_starts_zero", "fr_FR", "0,", "5 + . 5 =", calcOFNormal,
     "5,5", {.closes = true}},
    {"integer_entry_stops_at_fifteen_digits", "fr_FR", "0,",
     "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7", calcOFNormal, "123456789012345,"},

    // Sign
    {"sign_on_12_5_then_digit_joins_integer_part", "fr_FR", "0,", "1 2 . 5 +/- 3",
     calcOFNormal, "-123,", {.decimalEntry = false}},
    {"sign_twice_gives_back_the_number", "fr_FR", "0,", "1 2 . 5 +/- +/-", calcOFNormal,
     "12,5", {.lastInput = LastInput::Nums, .decimalEntry = false}},
    {"sign_on_zero_does_nothing", "fr_FR", "0,", "C +/-", calcOFNormal, "0,",
     {.lastInput = LastInput::None}},

    // Back, CE, C
    {"back_on_five_gives_cleared_display", "fr_FR", "0,", "5 Back", calcOFNormal, "0,"},
    {"back_on_12_34_gives_12_3", "fr_FR", "0,", "1 2 . 3 4 Back", calcOFNormal, "12,3"},
    {"en_back_on_12_34_gives_12_3", "en_US", "0.", "1 2 . 3 4 Back", calcOFNormal, "12.3"},
    {"back_on_whole_number_drops_last_digit", "fr_FR", "0,", "1 2 Back", calcOFNormal, "1,"},
    {"back_on_zero_does_nothing", "fr_FR", "0,", "Back", calcOFNormal, "0,"},
    {"clear_entry_keeps_pending_operation", "fr_FR", "0,", "5 + 3 CE 4 =", calcOFNormal, "9,",
     {.closes = true}},
    {"clear_entry_state", "fr_FR", "0,", "5 + 3 CE", calcOFNormal, "0,",
     {.lastInput = LastInput::CE, .decimalEntry = false, .accumulator = 5.0}},
    {"clear_resets_all_but_memory", "fr_FR", "0,", "6 MS + 2 + C", calcOFNormal, "0,",
     {.lastInput = LastInput::None, .numOps = 0, .opFlag = " ", .decimalEntry = false,
      .accumulator = 0.0, .memory = 6.0, .indicator = "M"}},

    // Percent, reciprocal, square root
    {"percent_mid_entry_then_digits_behind_separator", "fr_FR", "0,", "5 0 % 1 2",
     calcOFNormal, "1,2", {.decimalEntry = true, .newEntry = false}},
    {"percent_writes_general_text_without_separator", "fr_FR", "0,", "5 0 0 %", calcOFNormal,
     "5", {.decimalEntry = true, .newEntry = true}},
    {"percent_after_operator_then_ordinary_number", "fr_FR", "0,", "2 + % 5 3", calcOFNormal,
     "53,", {.decimalEntry = false}},
    {"percent_of_second_operand", "fr_FR", "0,", "2 0 0 x 5 % =", calcOFNormal, "10,",
     {.closes = true}},
    {"reciprocal_of_four", "fr_FR", "0,", "4 1/x", calcOFNormal, "0,25",
     {.decimalEntry = false, .newEntry = true}},
    {"reciprocal_of_whole_result_gets_separator", "fr_FR", "0,", "0 . 5 1/x", calcOFNormal,
     "2,"},
    {"reciprocal_of_zero_does_nothing", "fr_FR", "0,", "C 1/x", calcOFNormal, "0,"},
    {"square_root_of_nine", "fr_FR", "0,", "9 sqrt", calcOFNormal, "3,",
     {.lastInput = LastInput::Nums, .decimalEntry = false, .newEntry = true}},
    {"square_root_of_negative_does_nothing", "fr_FR", "0,", "9 +/- sqrt", calcOFNormal, "-9,"},
    {"square_root_on_zero_dot_does_nothing", "en_US", "0.", "sqrt", calcOFNormal, "0.",
     {.lastInput = LastInput::None}},
    {"square_root_of_message_writes_zero", "fr_FR", "0,", "5 / 0 + sqrt", calcOFNormal, "0,"},

    // Memory
    {"memory_save_on_zero_does_nothing", "fr_FR", "0,", "MS", calcOFNormal, "0,",
     {.memory = std::nullopt, .indicator = ""}},
    {"memory_recall_of_empty_memory_does_nothing", "fr_FR", "0,", "7 MR", calcOFNormal, "7,"},
    {"memory_recall_of_zero_memory_does_nothing", "fr_FR", "0,", "MC 7 MR", calcOFNormal,
     "7,", {.memory = 0.0, .indicator = ""}},
    {"memory_add_into_empty_memory_stores", "fr_FR", "0,", "4 M+", calcOFNormal, "4,",
     {.memory = 4.0, .indicator = "M"}},
    {"memory_add_adds", "fr_FR", "0,", "4 MS + 2 M+", calcOFNormal, "2,",
     {.memory = 6.0, .indicator = "M"}},
    {"memory_recall_then_digits_extend_it", "fr_FR", "0,", "4 MS C 9 MR 5", calcOFNormal,
     "45,", {.memory = 4.0, .indicator = "M"}},
    {"memory_clear_empties_indicator", "fr_FR", "0,", "4 MS MC", calcOFNormal, "4,",
     {.memory = 0.0, .indicator = ""}},
    {"memory_add_on_zero_does_nothing", "fr_FR", "0,", "C M+", calcOFNormal, "0,",
     {.memory = std::nullopt, .indicator = ""}},

    // Output formats after an operator
    {"format_normal_after_operator", "fr_FR", "0,", "2 x 3 +", calcOFNormal, "6"},
    {"format_currency_after_equals", "fr_FR", "0,", "2 x 3 =", calcOFCurrency, "6,00" NBSP "€",
     {.closes = true}},
    {"en_format_currency_after_equals", "en_US", "0.", "2 x 3 =", calcOFCurrency, "$6.00",
     {.closes = true}},
    {"format_two_decimals_rounds_result", "fr_FR", "0,", "1 . 2 3 4 5 6 x 1 =",
     calcOFTwoDecimal, "1,23", {.accumulator = 1.23456, .closes = true}},
    {"format_six_decimals_small_result", "fr_FR", "0,", "0 . 0 0 0 0 1 2 x 1 +",
     calcOFSixDecimal, "0,000012"},
    {"format_scientific_after_equals", "fr_FR", "0,", "1 2 3 4 . 5 x 1 =", calcOFScientific,
     "1,23E+03", {.closes = true}},
    {"en_format_scientific_after_equals", "en_US", "0.", "1 2 3 4 . 5 x 1 =",
     calcOFScientific, "1.23E+03", {.closes = true}},
    {"format_standard_after_equals", "fr_FR", "0,", "1 2 3 4 . 5 +/- x 1 =", calcOFStandard,
     "-1" NNBSP "234,50", {.closes = true}},
    {"en_format_standard_after_equals", "en_US", "0.", "1 2 3 4 . 5 +/- x 1 =",
     calcOFStandard, "-1,234.50", {.closes = true}},
    {"format_large_result_in_general_text", "fr_FR", "1E+10", "x 1 0 0 0 0 0 0 0 0 0 0 =",
     calcOFNormal, "1E+20,", {.closes = true}},
    {"format_outside_table_leaves_general_text", "fr_FR", "0,", "2 x 3 =", 9, "6,",
     {.closes = true}},
    {"no_format_source_leaves_general_text", "fr_FR", "0,", "2 x 3 +", NoFormatSource, "6,"},
    {"format_not_applied_before_an_evaluation", "fr_FR", "0,", "1 . 2 3 4 5 6 +",
     calcOFTwoDecimal, "1,23456", {.accumulator = 1.23456}},

    // Results beyond the range of a double
    {"overflow_of_product_shows_message", "fr_FR", "1E+300", "MS x MR =", calcOFTwoDecimal,
     "Dépassement de capacité,",
     {.numOps = 1, .opFlag = "=", .accumulator = 1e300, .closes = true}},
    {"en_overflow_of_product_shows_message", "en_US", "1E+300", "MS x MR =", calcOFNormal,
     "Overflow.", {.accumulator = 1e300, .closes = true}},
    {"operator_after_overflow_keeps_message", "fr_FR", "1E+300", "MS x MR x", calcOFNormal,
     "Dépassement de capacité,", {.opFlag = "x", .accumulator = 1e300}},
    {"digit_after_overflow_starts_new_number", "fr_FR", "1E+300", "MS x MR x 2", calcOFNormal,
     "2,"},
    {"overflow_of_memory_add_keeps_memory", "fr_FR", "1E+308", "MS M+", calcOFNormal,
     "Dépassement de capacité,", {.memory = 1e308, .indicator = "M"}},
    {"digit_after_memory_overflow_starts_new_number", "fr_FR", "1E+308", "MS M+ 3",
     calcOFNormal, "3,", {.memory = 1e308}},
    {"overflow_of_reciprocal_shows_message", "fr_FR", "1E-310", "1/x", calcOFNormal,
     "Dépassement de capacité,"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(CalcEngine, KeySequenceTest, testing::ValuesIn(keyRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(CalcEngine, newInstanceStartsEmpty)
{
    const LocaleGuard locale("fr_FR");
    const CalcEngine engine;
    EXPECT_EQ(engine.decimalSeparator(), QStringLiteral(","));
    EXPECT_EQ(engine.divZeroMsg(), QStringLiteral("Division par zéro"));
    EXPECT_TRUE(engine.opFlag().isEmpty());
    EXPECT_EQ(engine.memory(), std::nullopt);
    EXPECT_EQ(engine.lastInput(), LastInput::None);
    EXPECT_FALSE(engine.isLoaded());
}

TEST(CalcEngine, separatorAndMessageAreTakenAtCreation)
{
    std::optional<CalcEngine> engine;
    {
        const LocaleGuard locale("en_US");
        engine.emplace();
    }
    const LocaleGuard locale("fr_FR");
    EXPECT_EQ(engine->decimalSeparator(), QStringLiteral("."));
    EXPECT_EQ(engine->divZeroMsg(), QStringLiteral("Divide by zéro"));
}

TEST(CalcEngine, operatorOnCalculatorNotShownLoadsItFirst)
{
    // Typing "+" in the control's text box: the operator is pending before any window exists.
    const LocaleGuard locale("fr_FR");
    CalcEngine engine;
    QString display = QStringLiteral("5,");
    EXPECT_FALSE(engine.chkOperator_MouseUp(0, CalcEngine::LeftButton, display));
    EXPECT_TRUE(engine.isLoaded());
    EXPECT_EQ(display, QStringLiteral("5,"));
    EXPECT_EQ(engine.opFlag(), QStringLiteral("+"));
    EXPECT_DOUBLE_EQ(engine.accumulator(), 5.0);
    EXPECT_FALSE(press(engine, "3", display));
    EXPECT_TRUE(press(engine, "=", display));
    EXPECT_EQ(display, QStringLiteral("8,"));
    EXPECT_FALSE(engine.isLoaded());
}

TEST(CalcEngine, onlyTheLeftButtonActs)
{
    const LocaleGuard locale("fr_FR");
    CalcEngine engine;
    QString display = QStringLiteral("5,");
    engine.load(display);
    for (int button : {0, 2, 4}) {
        EXPECT_FALSE(engine.keyUp(Key::Number, 7, button, display));
        EXPECT_FALSE(engine.chkOperator_MouseUp(CalcEngine::EqualsIndex, button, display));
        EXPECT_FALSE(engine.keyUp(Key::Cancel, 0, button, display));
    }
    EXPECT_EQ(display, QStringLiteral("5,"));
    EXPECT_EQ(engine.lastInput(), LastInput::Nums);
    EXPECT_TRUE(engine.isLoaded());
}

TEST(CalcEngine, indexOutsideItsArrayDoesNothing)
{
    const LocaleGuard locale("fr_FR");
    CalcEngine engine;
    QString display = QStringLiteral("5,");
    engine.load(display);
    EXPECT_FALSE(engine.keyUp(Key::Number, 10, CalcEngine::LeftButton, display));
    EXPECT_FALSE(engine.keyUp(Key::Operator, 5, CalcEngine::LeftButton, display));
    EXPECT_FALSE(engine.keyUp(Key::Memory, 4, CalcEngine::LeftButton, display));
    EXPECT_EQ(display, QStringLiteral("5,"));
    EXPECT_EQ(engine.memory(), std::nullopt);
    EXPECT_TRUE(engine.opFlag().isEmpty());
}

TEST(CalcEngine, reloadingKeepsMemoryButEmptiesIndicator)
{
    // A new window on the same instance: the fields that load does not set keep their values.
    const LocaleGuard locale("fr_FR");
    CalcEngine engine;
    engine.setOutputFormatSource([] { return calcOFNormal; });
    QString display = QStringLiteral("0,");
    engine.load(display);
    EXPECT_TRUE(press(engine, "6 MS x 2 =", display));
    EXPECT_EQ(engine.memoryIndicator(), QStringLiteral("M"));

    display = QStringLiteral("12,");
    engine.load(display);
    EXPECT_EQ(engine.memoryIndicator(), QString());
    EXPECT_EQ(engine.memory(), 6.0);
    EXPECT_EQ(engine.opFlag(), QStringLiteral("="));
    EXPECT_DOUBLE_EQ(engine.operand(), 2.0);
    EXPECT_EQ(engine.numOps(), 0);
    EXPECT_DOUBLE_EQ(engine.accumulator(), 12.0);
    press(engine, "MR", display);
    EXPECT_EQ(display, QStringLiteral("6,"));
}

TEST(CalcEngine, outputFormatIsReadAtEachOperator)
{
    const LocaleGuard locale("fr_FR");
    CalcEngine engine;
    int format = calcOFNormal;
    engine.setOutputFormatSource([&format] { return format; });
    QString display = QStringLiteral("0,");
    engine.load(display);
    press(engine, "1 . 2 3 4 5 x 1 +", display);
    EXPECT_EQ(display, QStringLiteral("1,2345"));
    format = calcOFThreeDecimal;
    press(engine, "x", display);
    EXPECT_EQ(display, QStringLiteral("1,235"));
}

TEST(CalcEngine, operatorCaptionsMatchTheKeypad)
{
    const QStringList captions{"+", "-", "x", QString::fromUtf8("÷"), "="};
    for (int i = 0; i < CalcEngine::OperatorCount; ++i)
        EXPECT_EQ(CalcEngine::operatorCaption(i), captions.at(i)) << i;
    EXPECT_EQ(QString::fromUtf8("÷").front().unicode(), 0xF7);
}

} // namespace
