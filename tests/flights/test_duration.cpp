// Which texts of the duration box are a number of minutes.
#include "duration.h"

#include <gtest/gtest.h>

namespace {
struct Case
{
    const char *name;
    const char16_t *text;
    std::optional<qint64> minutes;
};

void PrintTo(const Case &duration, std::ostream *out)
{
    *out << QString::fromUtf16(duration.text).toStdString();
}

class DurationTest : public testing::TestWithParam<Case>
{
};

TEST_P(DurationTest, ReadsOnlyDigitsWithinTheFieldsRange)
{
    EXPECT_EQ(Duration::minutes(QString::fromUtf16(GetParam().text)), GetParam().minutes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DurationTest,
    testing::Values(Case{"empty", u"", std::nullopt}, Case{"zero", u"0", 0},
                    Case{"zeros", u"000", 0}, Case{"leadingZeros", u"0015", 15},
                    Case{"plain", u"90", 90}, Case{"largest", u"2147483647", 2147483647},
                    Case{"largestWithZeros", u"0002147483647", 2147483647},
                    Case{"beyondRange", u"2147483648", std::nullopt},
                    Case{"farBeyondRange", u"123456789012345678901234567890", std::nullopt},
                    Case{"letters", u"1h30", std::nullopt}, Case{"decimal", u"1,5", std::nullopt},
                    Case{"sign", u"-5", std::nullopt}, Case{"plus", u"+5", std::nullopt},
                    Case{"blanks", u" 15 ", std::nullopt},
                    Case{"otherScriptDigits", u"\u0661\u0665", std::nullopt}),
    [](const testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });
} // namespace
