// The add-flight form through its real widgets, opened by the logbook's "&Nouveau".
#include "flightformfixture.h"
#include "formdriver.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

using namespace FormDriver;

namespace {
const QString durationMessage = "box:Il faut au moins mettre quelques minutes de vol";

class AjoutTest : public FlightFormFixture, protected FlightControls<Ajout>
{
protected:
    AjoutTest()
    {
        folder.addAircraft("F-HABC", "C152", "AEROCLUB");
        folder.addAircraft("D-EFGH", "DR400", "ROBIN");
        folder.addAircraft("F-GKLM", "PA28", "PIPER CLUB");
    }

    Ajout *open()
    {
        form = openAjout();
        EXPECT_NE(form, nullptr);
        return form;
    }

    void clickAjouter()
    {
        QTest::mouseClick(control<QPushButton>(form, "Ajouter"), Qt::LeftButton);
    }
};

TEST_F(AjoutTest, OpensEmptyOnTodayWithTheLogbookHeld)
{
    folder.addAircraft(QVariant(), "J3", "CUB CLUB"); // a registration that holds nothing
    open();
    ASSERT_TRUE(form);

    EXPECT_EQ(form->windowTitle(), QString("Ajouter un vol"));
    EXPECT_EQ(form->size(), QSize(512, 117));
    expectNothingClipped(form);
    EXPECT_EQ(tabOrder(form),
              QStringList({"QelDate", "Combo1", "Text5", "Combo2", "Text7", "Ajouter", "Annuler"}));
    EXPECT_FALSE(logbook->isEnabled());
    EXPECT_EQ(entries(combo1()), QStringList({"", "D-EFGH", "F-GKLM", "F-HABC"})) << "sorted";
    EXPECT_EQ(entries(combo2()), QStringList({"S", "D"}));
    for (QComboBox *combo : {combo1(), combo2()})
        EXPECT_EQ(combo->currentText(), QString());
    for (QLineEdit *box : {text5(), text7()})
        EXPECT_EQ(box->text(), QString());
    EXPECT_EQ(label8()->text(), QString());
    EXPECT_EQ(label9()->text(), QString());
    EXPECT_EQ(qelDate()->value(), today);
    EXPECT_EQ(form->focusWidget(), qelDate());
    EXPECT_TRUE(recorder.events().isEmpty());
}

TEST_F(AjoutTest, APickByMouseOrKeyboardShowsTypeAndOwnerAndGoesToTheDuration)
{
    open();

    pickByKeyboard(combo1(), 2); // D-EFGH, then F-GKLM
    EXPECT_EQ(combo1()->currentText(), QString("F-GKLM"));
    EXPECT_EQ(label8()->text(), QString("PA28"));
    EXPECT_EQ(label9()->text(), QString("PIPER CLUB"));
    EXPECT_EQ(form->focusWidget(), text5());

    pickByMouse(combo1(), 0);
    EXPECT_EQ(combo1()->currentText(), QString("D-EFGH"));
    EXPECT_EQ(label8()->text(), QString("DR400"));
    EXPECT_EQ(label9()->text(), QString("ROBIN"));
    EXPECT_EQ(form->focusWidget(), text5());
}

TEST_F(AjoutTest, ARegistrationTypedByHandIsNoPick)
{
    open();
    combo1()->setFocus();
    type(combo1(), "F-GKLM");
    QTest::keyClick(combo1(), Qt::Key_Return);
    text7()->setFocus(); // the editing of the combo ends

    EXPECT_EQ(combo1()->currentText(), QString("F-GKLM"));
    EXPECT_EQ(label8()->text(), QString());
    EXPECT_EQ(label9()->text(), QString());
    EXPECT_EQ(entries(combo1()).size(), 3) << "Enter adds nothing to the list";
}

TEST_F(AjoutTest, APickShowsTheFirstOfTwoAircraftWithTheSameRegistration)
{
    folder.exec("DELETE FROM Tbl_Avions");
    folder.addAircraft("F-GKLM", "PA28", "PIPER CLUB");
    folder.addAircraft("F-GKLM", "DR400", "AUTRE CLUB");
    folder.addAircraft("F-ZZZZ", QVariant(), QVariant());
    open();

    pickByKeyboard(combo1(), 2);
    EXPECT_EQ(label8()->text(), QString("PA28"));
    EXPECT_EQ(label9()->text(), QString("PIPER CLUB"));

    pickByKeyboard(combo1()); // an aircraft with neither type nor owner
    EXPECT_EQ(combo1()->currentText(), QString("F-ZZZZ"));
    EXPECT_EQ(label8()->text(), QString());
    EXPECT_EQ(label9()->text(), QString());
}

TEST_F(AjoutTest, APickOfAnAircraftRemovedSinceOpeningChangesNothing)
{
    open();
    pickByKeyboard(combo1(), 3); // F-HABC
    folder.exec("DELETE FROM Tbl_Avions WHERE Avion = 'D-EFGH'");
    text7()->setFocus();

    pickByMouse(combo1(), 0);
    EXPECT_EQ(combo1()->currentText(), QString("D-EFGH"));
    EXPECT_EQ(label8()->text(), QString("C152"));
    EXPECT_EQ(label9()->text(), QString("AEROCLUB"));
    EXPECT_NE(form->focusWidget(), text5());
}

TEST_F(AjoutTest, TheDurationTakesDigitsAndBackspaceOnly)
{
    open();
    text5()->setFocus();
    type(text5(), "1a2.,- ");
    QTest::keyClick(text5(), Qt::Key_Return);
    type(text5(), "3");
    EXPECT_EQ(text5()->text(), QString("123"));
    QTest::keyClick(text5(), Qt::Key_Backspace);
    EXPECT_EQ(text5()->text(), QString("12"));

    EXPECT_TRUE(form->isVisible()) << "Enter saves nothing";
    EXPECT_TRUE(storedFlights().isEmpty());
    EXPECT_TRUE(recorder.events().isEmpty());
}

TEST_F(AjoutTest, EnterAndEscapePressNeitherButton)
{
    open();
    text5()->setText("45");
    for (QWidget *field : {static_cast<QWidget *>(text7()), static_cast<QWidget *>(combo2())}) {
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Escape);
    }
    QTest::keyClick(form, Qt::Key_Escape);
    deliverDeletes();

    ASSERT_TRUE(form);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(storedFlights().isEmpty());
}

struct RefusedDuration
{
    const char *name;
    const char *text;
};

void PrintTo(const RefusedDuration &duration, std::ostream *out)
{
    *out << '"' << duration.text << '"';
}

class AjoutRefusalTest : public AjoutTest, public testing::WithParamInterface<RefusedDuration>
{
};

// Pasted texts reach the box without the key filter; they are refused like an empty one
// instead of failing in the database.
TEST_P(AjoutRefusalTest, IsRefusedWithTheSoundThenTheMessageAndNothingIsWritten)
{
    open();
    pickByKeyboard(combo1());
    text7()->setFocus();
    QGuiApplication::clipboard()->setText(QString::fromUtf8(GetParam().text));
    text5()->selectAll();
    QTest::keyClick(text5(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(text5()->text(), QString::fromUtf8(GetParam().text));
    text7()->setFocus();

    clickAjouter();
    deliverDeletes();

    EXPECT_EQ(recorder.events(), QStringList({"sound:connerie.wav", durationMessage}));
    EXPECT_EQ(recorder.boxes().first().buttons, MsgButtons::Ok);
    EXPECT_EQ(recorder.boxes().first().icon, MsgIcon::None);
    EXPECT_EQ(recorder.boxes().first().title, QString("Tarvelin"));
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->focusWidget(), text5());
    EXPECT_FALSE(logbook->isEnabled());
    EXPECT_TRUE(storedFlights().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Durations, AjoutRefusalTest,
                         testing::Values(RefusedDuration{"Empty", ""}, RefusedDuration{"Zero", "0"},
                                         RefusedDuration{"Zeros", "000"},
                                         RefusedDuration{"PastedLetters", "1h30"},
                                         RefusedDuration{"PastedDecimal", "1,5"},
                                         RefusedDuration{"PastedSign", "-20"},
                                         RefusedDuration{"PastedBlanks", " 45"},
                                         RefusedDuration{"BeyondTheField", "99999999999"}),
                         [](const testing::TestParamInfo<RefusedDuration> &info) {
                             return std::string(info.param.name);
                         });

TEST_F(AjoutTest, AddsTheFlightAsTypedAndTheGridShowsItAtItsDate)
{
    folder.addFlight(QDate(2026, 11, 1), "F-HABC", "C152", "AEROCLUB", 60, "D");
    folder.addFlight(QDate(2026, 12, 5), "F-HABC", "C152", "AEROCLUB", 30, "S");
    open();

    qelDate()->setFocus();
    qelDate()->setCurrentSection(QDateTimeEdit::DaySection);
    for (int day = 11; day > 2; --day)
        QTest::keyClick(qelDate(), Qt::Key_Down);
    pickByKeyboard(combo1(), 2);
    type(text5(), "0015");
    combo2()->setFocus();
    type(combo2(), "s");
    text7()->setFocus();
    type(text7(), "Tours de piste à Étampes");
    clickAjouter();
    deliverDeletes();

    EXPECT_TRUE(recorder.events().isEmpty());
    EXPECT_FALSE(form) << "closed";
    EXPECT_TRUE(logbook->isEnabled());
    const auto rows = storedFlights();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[2], QVariantList({"2026-12-02", "F-GKLM", "PA28", "PIPER CLUB", 15LL, "s",
                                     "Tours de piste à Étampes"}));
    const int row = gridRowOf(3);
    EXPECT_EQ(row, 1) << "between the flights of 5 December and 1 November";
    EXPECT_EQ(cell(row, 1), QString("02/12/2026"));
}

TEST_F(AjoutTest, AFlightWithoutAircraftStoresEmptyTexts)
{
    open();
    type(text5(), "90");
    clickAjouter();

    const auto rows = storedFlights();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0], QVariantList({today.toString(Qt::ISODate), "", "", "", 90LL, "", ""}));
    EXPECT_EQ(gridRowOf(1), 0);
}

TEST_F(AjoutTest, ADateAfterTodayIsWarnedAfterItsSoundAndTurnsRedElseBlue)
{
    open();
    qelDate()->setFocus();
    qelDate()->setCurrentSection(QDateTimeEdit::DaySection);

    QTest::keyClick(qelDate(), Qt::Key_Up); // tomorrow
    EXPECT_EQ(
        recorder.events(),
        QStringList({"sound:orbite.wav", "box:La date entrée est supérieure à la date du jour."}));
    EXPECT_EQ(recorder.boxes().first().icon, MsgIcon::None);
    EXPECT_EQ(qelDate()->foreColor(), QColor(255, 0, 0));

    recorder.clear();
    QTest::keyClick(qelDate(), Qt::Key_Down); // today
    EXPECT_EQ(qelDate()->foreColor(), QColor(0, 0, 255));
    QTest::keyClick(qelDate(), Qt::Key_Down); // yesterday
    EXPECT_EQ(qelDate()->foreColor(), QColor(0, 0, 255));
    EXPECT_TRUE(recorder.events().isEmpty());

    // The warning blocks nothing: a later date is saved as chosen.
    qelDate()->setCurrentSection(QDateTimeEdit::YearSection);
    QTest::keyClick(qelDate(), Qt::Key_Up);
    EXPECT_EQ(qelDate()->foreColor(), QColor(255, 0, 0));
    type(text5(), "30");
    clickAjouter();
    ASSERT_EQ(storedFlights().size(), 1);
    EXPECT_EQ(storedFlights()[0][0], QVariant("2027-12-10"));
}

// Whatever the regional format of dates as text, a date compares as a date: the first of the
// next month is after today though its text "01/01/2027" sorts before "11/12/2026".
TEST_F(AjoutTest, TheWarningComparesDatesNotTheirText)
{
    open();
    qelDate()->setDate(QDate(2027, 1, 1));
    EXPECT_EQ(recorder.sounds(), QStringList({"orbite.wav"}));
    recorder.clear();
    qelDate()->setDate(QDate(2026, 11, 30));
    EXPECT_TRUE(recorder.events().isEmpty());
    EXPECT_EQ(qelDate()->foreColor(), QColor(0, 0, 255));
}

TEST_F(AjoutTest, CancelAndTheCloseCommandReleaseTheLogbookWithoutRefreshingIt)
{
    for (const char *way : {"Annuler", "close"}) {
        SCOPED_TRACE(way);
        open();
        ASSERT_TRUE(form);
        type(text5(), "45");
        const int shown = logbook->grid()->model()->rowCount();
        folder.addFlight(today, "F-HABC", "C152", "AEROCLUB", 20, "S"); // behind its back
        if (QString(way) == "Annuler")
            QTest::mouseClick(control<QPushButton>(form, "Annuler"), Qt::LeftButton);
        else
            form->close();
        deliverDeletes();

        EXPECT_FALSE(form);
        EXPECT_TRUE(logbook->isEnabled());
        EXPECT_EQ(logbook->grid()->model()->rowCount(), shown) << "not refreshed";
    }
    EXPECT_EQ(storedFlights().size(), 2) << "only the rows added behind its back";
    EXPECT_TRUE(recorder.events().isEmpty());
}

TEST_F(AjoutTest, MovingTheMouseOverTheFormResetsThePointer)
{
    open();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    QMouseEvent move(QEvent::MouseMove, QPointF(150, 100), QPointF(150, 100), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form, &move);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
} // namespace
