// The edit-flight form through its real widgets, opened by the logbook's "&Modifier" on the
// flight chosen in the grid.
#include "flightformfixture.h"
#include "formdriver.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace FormDriver;

namespace {
const QStringList saveFailure = {"box:Pas d'enregistrement courant"};

class ModifTest : public FlightFormFixture, protected FlightControls<Modif>
{
protected:
    ModifTest()
    {
        folder.addAircraft("F-HABC", "C152", "AEROCLUB");
        folder.addAircraft("D-EFGH", "DR400", "ROBIN");
        folder.addAircraft("F-GKLM", "PA28", "PIPER CLUB");
        folder.addFlight(QDate(2026, 11, 1), "F-HABC", "C152", "AEROCLUB", 60, "D", "Navigation");
        folder.addFlight(QDate(2026, 12, 5), "F-GKLM", "PA28 ANCIEN", "ANCIEN CLUB", 45, "S",
                         "Tours de piste");
        folder.addFlight(QDate(2026, 12, 8), "D-EFGH", "DR400", "ROBIN", 30, "S");
    }

    Modif *open(qint64 num)
    {
        form = openModif(num);
        EXPECT_NE(form, nullptr);
        return form;
    }

    void clickModifier()
    {
        QTest::mouseClick(control<QPushButton>(form, "Modifier"), Qt::LeftButton);
    }

    QVariantList storedFlight(qint64 num) const
    {
        const auto rows = folder.rows("SELECT Date, Avion, Type, \"Société\", \"Durée\", Vol, "
                                      "Commentaires FROM Tbl_Vols WHERE Num = ?",
                                      {num});
        return rows.isEmpty() ? QVariantList() : rows.first();
    }

    void expectStillEditing()
    {
        deliverDeletes();
        ASSERT_TRUE(form);
        EXPECT_TRUE(form->isVisible());
        EXPECT_FALSE(logbook->isEnabled());
    }
};

TEST_F(ModifTest, ShowsTheChosenFlightAsStoredWithTheLogbookHeld)
{
    folder.addAircraft(QVariant(), "J3", "CUB CLUB");
    open(2);
    ASSERT_TRUE(form);

    EXPECT_EQ(form->windowTitle(), QString());
    EXPECT_EQ(form->size(), QSize(575, 112));
    expectNothingClipped(form);
    EXPECT_EQ(tabOrder(form), QStringList({"QelDate", "Combo1", "Text5", "Combo2", "Text7",
                                           "Modifier", "Annuler"}));
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "fixed size";
    EXPECT_FALSE(logbook->isEnabled());
    EXPECT_EQ(qelDate()->value(), QDate(2026, 12, 5));
    EXPECT_EQ(combo1()->currentText(), QString("F-GKLM"));
    EXPECT_EQ(label8()->text(), QString("PA28 ANCIEN")) << "as the flight holds it";
    EXPECT_EQ(label9()->text(), QString("ANCIEN CLUB"));
    EXPECT_EQ(text5()->text(), QString("45"));
    EXPECT_EQ(combo2()->currentText(), QString("S"));
    EXPECT_EQ(text7()->text(), QString("Tours de piste"));
    EXPECT_EQ(entries(combo1()), QStringList({"F-HABC", "D-EFGH", "F-GKLM", ""})) << "as read";
    EXPECT_EQ(entries(combo2()), QStringList({"S", "D"}));
    EXPECT_EQ(form->focusWidget(), qelDate());
    EXPECT_EQ(control<QPushButton>(form, "Modifier")->toolTip(),
              QString("Enregistrer les modifications"));
    EXPECT_EQ(control<QPushButton>(form, "Annuler")->toolTip(), QString("Annuler"));
    EXPECT_TRUE(recorder.events().isEmpty());
}

TEST_F(ModifTest, SavingUnchangedRewritesTheSevenFieldsAndReleasesTheLogbook)
{
    folder.exec("UPDATE Tbl_Vols SET Type = 'PA28', \"Société\" = 'PIPER CLUB' WHERE Num = 2");
    folder.exec("UPDATE Tbl_Vols SET \"Durée\" = 46 WHERE Num = 2"); // after the grid was read
    open(2);
    folder.exec("UPDATE Tbl_Vols SET Vol = 'D' WHERE Num = 2"); // after the form was loaded
    clickModifier();
    deliverDeletes();

    EXPECT_TRUE(recorder.events().isEmpty());
    EXPECT_FALSE(form);
    EXPECT_TRUE(logbook->isEnabled());
    EXPECT_EQ(storedFlight(2), QVariantList({"2026-12-05", "F-GKLM", "PA28", "PIPER CLUB", 46LL,
                                             "S", "Tours de piste"}));
    EXPECT_EQ(cell(gridRowOf(2), 5), QString("46")) << "the logbook was refreshed";
}

TEST_F(ModifTest, APickReplacesTypeAndOwnerWithTheRegistersAndSelectsTheDuration)
{
    open(2);
    pickByKeyboard(combo1()); // the first entry, F-HABC
    EXPECT_EQ(label8()->text(), QString("C152"));
    EXPECT_EQ(label9()->text(), QString("AEROCLUB"));
    EXPECT_EQ(form->focusWidget(), text5());
    EXPECT_EQ(text5()->selectedText(), QString("45"));

    type(text5(), "7"); // replaces the whole duration
    clickModifier();
    EXPECT_EQ(storedFlight(2), QVariantList({"2026-12-05", "F-HABC", "C152", "AEROCLUB", 7LL, "S",
                                             "Tours de piste"}));
}

TEST_F(ModifTest, FocusOnTheDurationSelectsItWhole)
{
    open(1);
    text7()->setFocus(Qt::MouseFocusReason);
    text5()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(text5()->selectedText(), QString("60"));
    type(text5(), "9");
    EXPECT_EQ(text5()->text(), QString("9"));
}

TEST_F(ModifTest, AChangedDateMovesTheFlightInTheGrid)
{
    open(1);
    ASSERT_EQ(gridRowOf(1), 2);
    qelDate()->setFocus();
    qelDate()->setCurrentSection(QDateTimeEdit::YearSection);
    QTest::keyClick(qelDate(), Qt::Key_Up); // later than today: no warning on this form
    clickModifier();

    EXPECT_TRUE(recorder.events().isEmpty());
    EXPECT_EQ(storedFlight(1)[0], QVariant("2027-11-01"));
    EXPECT_EQ(gridRowOf(1), 0);
    EXPECT_EQ(cell(0, 1), QString("01/11/2027"));
}

TEST_F(ModifTest, AnOddKindAndFieldsThatHoldNothingComeBackAsTheUserLeavesThem)
{
    const qint64 num = folder.addFlight(QDate(2026, 10, 3), QVariant(), QVariant(), QVariant(), 20,
                                        "s", QVariant());
    open(num);
    EXPECT_EQ(combo1()->currentText(), QString());
    EXPECT_EQ(label8()->text(), QString());
    EXPECT_EQ(combo2()->currentText(), QString("s"));
    EXPECT_EQ(text7()->text(), QString());

    // Leaving without saving keeps them empty of any value.
    QTest::mouseClick(control<QPushButton>(form, "Annuler"), Qt::LeftButton);
    deliverDeletes();
    EXPECT_FALSE(form);
    EXPECT_TRUE(logbook->isEnabled());
    EXPECT_EQ(storedFlight(num), QVariantList({"2026-10-03", QVariant(), QVariant(), QVariant(),
                                               20LL, "s", QVariant()}));

    open(num);
    clickModifier();
    EXPECT_EQ(storedFlight(num), QVariantList({"2026-10-03", "", "", "", 20LL, "s", ""}));
}

TEST_F(ModifTest, AnEmptyOrZeroDurationIsRefusedWithTheFormsSound)
{
    const qint64 num =
        folder.addFlight(QDate(2026, 10, 3), "F-HABC", "C152", "AEROCLUB", QVariant(), "S");
    open(num);
    EXPECT_EQ(text5()->text(), QString()) << "a duration that holds nothing";
    for (const char *duration : {"", "0", "000"}) {
        SCOPED_TRACE(duration);
        recorder.clear();
        text5()->setText(duration);
        text7()->setFocus();
        clickModifier();
        EXPECT_EQ(recorder.events(),
                  QStringList({"sound:caosetout.wav",
                               "box:Il faut au moins mettre quelques minutes de vol"}));
        EXPECT_EQ(form->focusWidget(), text5());
        expectStillEditing();
    }
    EXPECT_EQ(storedFlight(num)[4], QVariant());
}

// Only a pasted text can be no duration; the form reports it as it reports any failed save.
TEST_F(ModifTest, APastedTextThatIsNoDurationFailsTheSaveAndWritesNothing)
{
    open(3);
    for (const char *pasted : {"1h30", "99999999999"}) {
        SCOPED_TRACE(pasted);
        recorder.clear();
        QGuiApplication::clipboard()->setText(pasted);
        text5()->setFocus();
        text5()->selectAll();
        QTest::keyClick(text5(), Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(text5()->text(), QString(pasted));
        clickModifier();

        EXPECT_EQ(recorder.events(), saveFailure);
        EXPECT_EQ(recorder.boxes().first().icon, MsgIcon::Critical);
        EXPECT_EQ(recorder.boxes().first().title, QString("Erreur"));
        expectStillEditing();
    }
    EXPECT_EQ(storedFlight(3)[4], QVariant(30LL));
}

TEST_F(ModifTest, AFlightDeletedSinceLoadingFailsTheSaveAndKeepsWhatWasTyped)
{
    open(2);
    text5()->setText("50");
    text7()->setText("Changé");
    folder.exec("DELETE FROM Tbl_Vols WHERE Num = 2");
    clickModifier();

    EXPECT_EQ(recorder.events(), saveFailure);
    expectStillEditing();
    EXPECT_EQ(text5()->text(), QString("50"));
    EXPECT_EQ(text7()->text(), QString("Changé"));
    EXPECT_EQ(storedFlights().size(), 2);

    // The window's close command still lets the logbook go.
    form->close();
    deliverDeletes();
    EXPECT_FALSE(form);
    EXPECT_TRUE(logbook->isEnabled());
}

TEST_F(ModifTest, AFlightGoneBeforeOpeningOpensABlankFormWhoseSaveFails)
{
    openLogbook();
    clickCell(gridRowOf(2), 0);
    folder.exec("DELETE FROM Tbl_Vols WHERE Num = 2");
    form = openForm<Modif>(0);
    ASSERT_TRUE(form);

    EXPECT_EQ(combo1()->count(), 0);
    EXPECT_EQ(combo2()->count(), 0);
    for (const QString &text : {combo1()->currentText(), combo2()->currentText(), text5()->text(),
                                text7()->text(), label8()->text(), label9()->text()})
        EXPECT_EQ(text, QString());
    EXPECT_EQ(qelDate()->value(), today);
    EXPECT_FALSE(logbook->isEnabled());

    type(text5(), "30");
    clickModifier();
    EXPECT_EQ(recorder.events(), saveFailure);
    expectStillEditing();
    EXPECT_EQ(storedFlights().size(), 2);
}

TEST_F(ModifTest, AFlightNumberedBeyondSixteenBitsIsEditedLikeAnyOther)
{
    folder.exec("UPDATE Tbl_Vols SET Num = 40000 WHERE Num = 3");
    folder.exec("UPDATE Tbl_Vols SET Num = 40000 - 65536 WHERE Num = 1"); // its 16-bit twin
    open(40000);
    ASSERT_TRUE(form);
    EXPECT_EQ(combo1()->currentText(), QString("D-EFGH"));

    text5()->setText("35");
    clickModifier();
    EXPECT_EQ(storedFlight(40000)[4], QVariant(35LL));
    EXPECT_EQ(storedFlight(40000 - 65536)[4], QVariant(60LL));
}
} // namespace
