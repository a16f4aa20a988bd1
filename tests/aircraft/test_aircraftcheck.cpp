// The checks and upper-casing that every save of the aircraft register goes through.
#include "aircraftcheck.h"

#include <gtest/gtest.h>

namespace {
struct Case
{
    const char *name;
    AircraftEntry typed;
    AircraftEntry shown; // the boxes after the check
    QString sound;
    QString message;
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.name;
}

const QString tooLong = QStringLiteral("L'immatriculation n'est pas correct.");
const QString noRegistration = QStringLiteral("Il faut mettre une immatriculation.");
const QString noType = QStringLiteral("Il faut mettre un type d'avion.");
const QString noOwner = QStringLiteral("A qui appartient l'avion ?");

class AircraftCheckTest : public testing::TestWithParam<Case>
{
};

TEST_P(AircraftCheckTest, RefusesOrNormalises)
{
    const Case &c = GetParam();
    const AircraftCheck::Result result = AircraftCheck::check(c.typed, QLocale(QLocale::French));
    EXPECT_EQ(result.entry.avion, c.shown.avion);
    EXPECT_EQ(result.entry.typeAvion, c.shown.typeAvion);
    EXPECT_EQ(result.entry.societe, c.shown.societe);
    EXPECT_EQ(result.invalid, !c.message.isEmpty());
    EXPECT_EQ(result.sound, c.sound);
    EXPECT_EQ(result.message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AircraftCheckTest,
    testing::Values(
        Case{"six_characters_once_trimmed_keep_their_spaces",
             {" f-gabc ", " dr400 ", " aéroclub "},
             {" F-GABC ", "DR400", "AÉROCLUB"},
             {},
             {}},
        Case{"seven_characters_refused_with_nothing_changed",
             {"f-gabcd", "dr400", "club"},
             {"f-gabcd", "dr400", "club"},
             "caosetout.wav",
             tooLong},
        Case{"seven_characters_between_spaces_refused",
             {"  f-gabcd  ", "", ""},
             {"  f-gabcd  ", "", ""},
             "caosetout.wav",
             tooLong},
        Case{"tabs_count_as_characters",
             {"\tf-abc\t", "dr400", "club"},
             {"\tf-abc\t", "dr400", "club"},
             "caosetout.wav",
             tooLong},
        Case{"two_spaces_pass_and_stay", {"  ", "c152", "club"}, {"  ", "C152", "CLUB"}, {}, {}},
        Case{
            "empty_registration", {"", "dr400", "club"}, {"", "dr400", "club"}, {}, noRegistration},
        Case{"one_space_registration",
             {" ", "dr400", "club"},
             {" ", "dr400", "club"},
             {},
             noRegistration},
        Case{"missing_type_keeps_the_registration_upper_cased",
             {"f-gabc", " ", "club"},
             {"F-GABC", " ", "club"},
             {},
             noType},
        Case{"missing_owner_keeps_registration_and_type_upper_cased",
             {"f-gabc", " dr400 ", ""},
             {"F-GABC", "DR400", ""},
             "orbite.wav",
             noOwner},
        Case{"accents_quotes_and_sql_characters_kept",
             {"é'b;c", "  robin dr'400 ", "l'île \"x\" %_ --"},
             {"É'B;C", "ROBIN DR'400", "L'ÎLE \"X\" %_ --"},
             {},
             {}}),
    [](const testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

TEST(AircraftCheck, UpperCasesInTheGivenLocale)
{
    const AircraftEntry typed{"tc-izm", "piper", "istanbul"};
    EXPECT_EQ(AircraftCheck::check(typed, QLocale(QLocale::Turkish)).entry,
              (AircraftEntry{QStringLiteral("TC-İZM"), "PİPER", "İSTANBUL"}));
    EXPECT_EQ(AircraftCheck::check(typed, QLocale(QLocale::French)).entry,
              (AircraftEntry{"TC-IZM", "PIPER", "ISTANBUL"}));
}
} // namespace
