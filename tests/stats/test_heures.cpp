#include "datasource.h"
#include "statsfixture.h"

#include <QApplication>
#include <QTest>

namespace {
const QString calculer = QStringLiteral("Command_1");

struct PeriodCase
{
    const char *name;
    QDate from;
    QDate to;
    int option; // 0 every flight, 1 solo, 2 instruction
    const char *type;
    const char *shown;
};

// March and April 2006, with flights that a total must leave out: a type differing only in
// case or by a trailing space, a kind neither "S" nor "D", a Null type, and a Null kind as
// the last row of the period.
class PeriodTotals : public StatsFixture, public testing::WithParamInterface<PeriodCase>
{
protected:
    void SetUp() override
    {
        StatsFixture::SetUp();
        for (const char *type : {"C172", "c172", "C172 ", "PA28"})
            folder.addAircraft(QStringLiteral("F-G%1").arg(type), QString::fromLatin1(type),
                               QStringLiteral("CLUB"));
        folder.addFlight(QDate(2006, 2, 28), "F-GAAA", "C172", "CLUB", 1000, "S");
        folder.addFlight(QDate(2006, 3, 1), "F-GAAA", "C172", "CLUB", 95, "S");
        folder.addFlight(QDate(2006, 3, 15), "F-GAAA", "C172", "CLUB", 40, "D");
        folder.addFlight(QDate(2006, 3, 31), "F-GBBB", "PA28", "CLUB", 7, "S");
        folder.addFlight(QDate(2006, 4, 1), "F-GCCC", "c172", "CLUB", 30, "S");
        folder.addFlight(QDate(2006, 4, 2), "F-GDDD", "C172 ", "CLUB", 45, "D");
        folder.addFlight(QDate(2006, 4, 3), "F-GAAA", "C172", "CLUB", 20, "X");
        folder.addFlight(QDate(2006, 4, 4), "F-GAAA", QVariant(), "CLUB", 1000, "S");
        folder.addFlight(QDate(2006, 4, 5), "F-GAAA", "C172", "CLUB", 500, QVariant());
    }
};

TEST_P(PeriodTotals, ShowsTheTotalOfTheFlightsCounted)
{
    const PeriodCase &check = GetParam();
    const auto window = openWindow();
    startDate(*window)->setValue(check.from);
    endDate(*window)->setValue(check.to);
    chooseOption(*window, check.option);
    if (*check.type)
        pickType(*window, QString::fromLatin1(check.type));

    click(*window, calculer);

    EXPECT_EQ(shownTotal(*window), QString::fromUtf8(check.shown));
    EXPECT_TRUE(recorder.events().isEmpty()) << recorder.events().join('|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Heures, PeriodTotals,
    testing::Values(
        PeriodCase{"BothBoundsIncluded", {2006, 3, 1}, {2006, 3, 31}, 0, "", "2 H 22"},
        PeriodCase{"OneDayPeriod", {2006, 3, 31}, {2006, 3, 31}, 0, "", "0 H 07"},
        PeriodCase{"SoloOnly", {2006, 3, 1}, {2006, 3, 31}, 1, "", "1 H 42"},
        PeriodCase{"InstructionOnly", {2006, 3, 1}, {2006, 3, 31}, 2, "", "0 H 40"},
        PeriodCase{
            "EveryKindButNeverANullTypeOrKind", {2006, 4, 1}, {2006, 4, 30}, 0, "", "1 H 35"},
        PeriodCase{"SoloLeavesOtherKindsOut", {2006, 4, 1}, {2006, 4, 30}, 1, "", "0 H 30"},
        PeriodCase{"TypeComparedExactly", {2006, 4, 1}, {2006, 4, 30}, 0, "C172", "0 H 20"},
        PeriodCase{"TypeDifferingInCase", {2006, 4, 1}, {2006, 4, 30}, 0, "c172", "0 H 30"},
        PeriodCase{"TypeWithTrailingSpace", {2006, 4, 1}, {2006, 4, 30}, 2, "C172 ", "0 H 45"},
        PeriodCase{"TypeAndKindCountingNothing", {2006, 4, 1}, {2006, 4, 30}, 1, "C172", "0 H 0"},
        PeriodCase{"StartAfterEnd", {2006, 3, 31}, {2006, 3, 1}, 0, "", "0 H 0"},
        PeriodCase{"NoFlightInThePeriod", {2005, 1, 1}, {2005, 12, 31}, 0, "", "0 H 0"}),
    [](const testing::TestParamInfo<PeriodCase> &info) { return std::string(info.param.name); });

struct DurationCase
{
    const char *name;
    std::vector<QVariant> minutes;
    const char *shown;
};

class DurationTotals : public StatsFixture, public testing::WithParamInterface<DurationCase>
{
};

TEST_P(DurationTotals, WritesHoursAndTwoDigitMinutes)
{
    for (const QVariant &minutes : GetParam().minutes)
        folder.addFlight(QDate(2006, 5, 1), "F-GAAA", "C172", "CLUB", minutes, "S");
    const auto window = openWindow();
    startDate(*window)->setValue(QDate(2006, 1, 1));

    click(*window, calculer);

    EXPECT_EQ(shownTotal(*window), QString::fromLatin1(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Heures, DurationTotals,
    testing::Values(DurationCase{"SixtyMinutes", {60}, "1 H 00"},
                    DurationCase{"FiftyNineMinutes", {59}, "0 H 59"},
                    DurationCase{"SixHundredFive", {605}, "10 H 05"},
                    DurationCase{"FlightsSummingToZero", {0, 0}, "0 H 00"},
                    DurationCase{"NullDurationCountsButAddsNothing", {QVariant(), 30}, "0 H 30"},
                    DurationCase{"OnlyANullDuration", {QVariant()}, "0 H 00"},
                    // Far past what 16 bits hold: 546 hours 7 minutes.
                    DurationCase{"CareerOfOneHundredThousandMinutes",
                                 {20000, 20000, 20000, 20000, 20000},
                                 "1666 H 40"}),
    [](const testing::TestParamInfo<DurationCase> &info) { return std::string(info.param.name); });

using HeuresWindow = StatsFixture;

TEST_F(HeuresWindow, OpensOnTheFirstFlightTheLogbookGivesAndToday)
{
    // The engine reads this query's rows from the index on Date, so the first row is the
    // earliest flight, whatever order the flights were entered in.
    folder.addFlight(QDate(2005, 5, 5), "F-GAAA", "C172", "CLUB", 60, "S");
    folder.addFlight(QDate(2001, 1, 1), "F-GAAA", "C172", "CLUB", 60, "S");
    folder.addFlight(QDate(2003, 3, 3), "F-GAAA", "C172", "CLUB", 60, "S");
    const auto window = openWindow();

    EXPECT_EQ(window->windowTitle(), QStringLiteral("Heures"));
    EXPECT_EQ(startDate(*window)->value(), QDate(2001, 1, 1));
    EXPECT_EQ(endDate(*window)->value(), QDate(2006, 6, 15));
    EXPECT_TRUE(control<QRadioButton>(*window, QStringLiteral("Option_0"))->isChecked());
    EXPECT_EQ(shownTotal(*window), QStringLiteral(" H "));
}

TEST_F(HeuresWindow, AnEmptyLogbookStartsToday)
{
    const auto window = openWindow();
    EXPECT_EQ(startDate(*window)->value(), QDate(2006, 6, 15));
}

TEST_F(HeuresWindow, ListsEachTypeOnceSortedWithNoEntrySelected)
{
    for (const QVariant &type :
         {QVariant("PA28"), QVariant("C172"), QVariant("C172"), QVariant("c172"), QVariant("C172 "),
          QVariant(), QVariant("ATR42"), QVariant("PA28")})
        folder.addAircraft("F-GAAA", type, "CLUB");
    const auto window = openWindow();

    QStringList listed;
    for (int index = 0; index < typeList(*window)->count(); ++index)
        listed << typeList(*window)->itemText(index);
    EXPECT_EQ(listed, (QStringList{"ATR42", "c172", "C172", "C172 ", "PA28"}));
    EXPECT_EQ(typeList(*window)->currentIndex(), -1);
    EXPECT_TRUE(typeList(*window)->currentText().isEmpty());
    EXPECT_FALSE(typeList(*window)->isEditable());
}

TEST_F(HeuresWindow, WithoutAircraftTheListIsEmptyAndTotalsCoverEveryType)
{
    folder.addFlight(QDate(2006, 5, 1), "F-GAAA", "C172", "CLUB", 50, "S");
    folder.addFlight(QDate(2006, 5, 2), "F-GBBB", "PA28", "CLUB", 25, "D");
    const auto window = openWindow();
    startDate(*window)->setValue(QDate(2006, 1, 1));

    click(*window, calculer);

    EXPECT_EQ(typeList(*window)->count(), 0);
    EXPECT_EQ(shownTotal(*window), QStringLiteral("1 H 15"));
}

TEST_F(HeuresWindow, OnlyAPickInTheTypeListClearsTheResult)
{
    folder.addAircraft("F-GAAA", "C172", "CLUB");
    folder.addFlight(QDate(2006, 5, 1), "F-GAAA", "C172", "CLUB", 50, "S");
    const auto window = openWindow();
    click(*window, calculer);
    ASSERT_EQ(shownTotal(*window), QStringLiteral("0 H 50"));

    startDate(*window)->setValue(QDate(2006, 5, 2));
    endDate(*window)->setValue(QDate(2006, 5, 3));
    chooseOption(*window, 2);
    EXPECT_EQ(shownTotal(*window), QStringLiteral("0 H 50"));

    pickType(*window, QStringLiteral("C172"));
    EXPECT_EQ(shownTotal(*window), QStringLiteral(" H "));
}

TEST_F(HeuresWindow, NothingCountedSendsTheFocusToTheStartDate)
{
    folder.addFlight(QDate(2006, 5, 1), "F-GAAA", "C172", "CLUB", 50, "S");
    const auto window = openWindow();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto *calculate = control<QToolButton>(*window, calculer);
    calculate->setFocus();
    chooseOption(*window, 2);

    calculate->click();

    EXPECT_EQ(shownTotal(*window), QStringLiteral("0 H 0"));
    EXPECT_TRUE(startDate(*window)->hasFocus());
}

TEST_F(HeuresWindow, ShowsTheHourglassWhileComputing)
{
    folder.addFlight(QDate(2006, 5, 1), "F-GAAA", "C172", "CLUB", 50, "S");
    const auto window = openWindow();
    QList<Qt::CursorShape> whileReading;
    QObject::connect(window->findChild<DataSource *>(QStringLiteral("DataCalc")),
                     &DataSource::refreshed, window.get(),
                     [&] { whileReading << window->cursor().shape(); });

    click(*window, calculer);

    EXPECT_EQ(whileReading, QList<Qt::CursorShape>{Qt::WaitCursor});
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(HeuresWindow, QuitterClosesTheWindow)
{
    const auto window = openWindow();
    window->show();
    click(*window, QStringLiteral("Command_0"));
    EXPECT_FALSE(window->isVisible());
}
} // namespace
