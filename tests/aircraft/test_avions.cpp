// The aircraft register driven through its real widgets, against a logbook file of its own.
#include "aircraftcheck.h"
#include "avions.h"
#include "avionsdriver.h"
#include "navigationbar.h"
#include "tempprogramfolder.h"
#include "uirecorder.h"

#include <gtest/gtest.h>
#include <memory>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QToolButton>

void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// Readable failures: the three texts, quoted so their spaces show.
void PrintTo(const AircraftEntry &entry, std::ostream *os)
{
    *os << '"' << entry.avion.toStdString() << "\" \"" << entry.typeAvion.toStdString() << "\" \""
        << entry.societe.toStdString() << '"';
}

namespace {
const QString browsing = QStringLiteral("MN--S");
const QString newAircraft = QStringLiteral("--AU-");

class AvionsTest : public testing::Test
{
protected:
    std::unique_ptr<Avions> open() { return openAvions(&logbook); }

    void addThreeAircraft()
    {
        folder.addAircraft("F-GBCD", "DR400", "CLUB");
        folder.addAircraft("F-HZZZ", "C152", "ÉCOLE");
        folder.addAircraft("D-EABC", "PA28", "PRIVÉ");
    }

    static QLineEdit *box(Avions &window, const char *name) { return avionsBox(window, name); }

    static AircraftEntry shown(Avions &window)
    {
        return {box(window, "Avion")->text(), box(window, "TypeAvion")->text(),
                box(window, "Société")->text()};
    }

    // Replaces the box's text key by key, as a user would.
    static void type(Avions &window, const char *name, const QString &text)
    {
        QLineEdit *target = box(window, name);
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Backspace);
        for (const QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(target, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
        ASSERT_EQ(target->text(), text);
    }

    static void type(Avions &window, const AircraftEntry &entry)
    {
        type(window, "Avion", entry.avion);
        type(window, "TypeAvion", entry.typeAvion);
        type(window, "Société", entry.societe);
    }

    static void choose(Avions &window, const char *item)
    {
        window.findChild<QAction *>(QString::fromLatin1(item))->trigger();
    }

    // The Edition items that are enabled, one letter each: "MN--S" while browsing.
    static QString menuState(Avions &window)
    {
        QString state;
        for (const char *item :
             {"MNU_Edit_0", "MNU_Edit_1", "MNU_Edit_2", "MNU_Edit_3", "MNU_Edit_5"}) {
            QAction *action = window.findChild<QAction *>(QString::fromLatin1(item));
            const QString text = action->text();
            const QChar mnemonic = text.at(text.indexOf(QLatin1Char('&')) + 1).toUpper();
            state += action->isEnabled() ? mnemonic : QLatin1Char('-');
        }
        return state;
    }

    static NavigationBar *bar(Avions &window)
    {
        return window.findChild<NavigationBar *>(QStringLiteral("DataPlane"));
    }

    static void click(QToolButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    static bool focusInAvion(Avions &window)
    {
        return QApplication::focusWidget() == box(window, "Avion");
    }

    QList<AircraftEntry> stored() const
    {
        QList<AircraftEntry> result;
        for (const QVariantList &row : folder.rows(QStringLiteral(
                 "SELECT Avion, Type_Avion, \"Société\" FROM Tbl_Avions ORDER BY rowid")))
            result << AircraftEntry{row[0].toString(), row[1].toString(), row[2].toString()};
        return result;
    }

    TempProgramFolder folder;
    UiRecorder recorder;
    QWidget logbook;
};

const AircraftEntry gbcd{"F-GBCD", "DR400", "CLUB"};
const AircraftEntry hzzz{"F-HZZZ", "C152", "ÉCOLE"};
const AircraftEntry eabc{"D-EABC", "PA28", "PRIVÉ"};

TEST_F(AvionsTest, OpensOnTheHighestRegistrationWithTheLogbookHeld)
{
    addThreeAircraft();
    auto window = open();

    EXPECT_EQ(window->windowTitle(), "Les Avions");
    EXPECT_EQ(shown(*window), hzzz);
    EXPECT_EQ(menuState(*window), browsing);
    EXPECT_FALSE(logbook.isEnabled());
    EXPECT_TRUE(bar(*window)->isEnabled());
    EXPECT_FALSE(bar(*window)->firstButton()->isEnabled());
    EXPECT_FALSE(bar(*window)->previousButton()->isEnabled());
    EXPECT_TRUE(bar(*window)->nextButton()->isEnabled());
    EXPECT_TRUE(bar(*window)->lastButton()->isEnabled());
}

TEST_F(AvionsTest, EmptyRegisterOpensOnANewAircraft)
{
    auto window = open();

    EXPECT_EQ(shown(*window), (AircraftEntry{"", "", ""}));
    EXPECT_EQ(menuState(*window), newAircraft);
    EXPECT_FALSE(bar(*window)->isEnabled());
    EXPECT_FALSE(logbook.isEnabled());
    EXPECT_TRUE(recorder.events().isEmpty());
}

TEST_F(AvionsTest, NewAircraftIsCheckedUpperCasedAndStoredLiterally)
{
    addThreeAircraft();
    auto window = open();
    choose(*window, "MNU_Edit_1");
    EXPECT_EQ(menuState(*window), newAircraft);
    EXPECT_EQ(shown(*window), (AircraftEntry{"", "", ""}));
    EXPECT_FALSE(bar(*window)->isEnabled());

    type(*window, {" f-gabc ", " robin dr400 ", "aéro'club \"x\"; DROP TABLE Tbl_Avions;--"});
    box(*window, "Société")->setFocus();
    choose(*window, "MNU_Edit_2");

    const AircraftEntry saved{" F-GABC ", "ROBIN DR400",
                              "AÉRO'CLUB \"X\"; DROP TABLE TBL_AVIONS;--"};
    EXPECT_EQ(stored(), (QList<AircraftEntry>{gbcd, hzzz, eabc, saved}));
    EXPECT_EQ(shown(*window), saved);
    EXPECT_EQ(menuState(*window), browsing);
    EXPECT_TRUE(bar(*window)->isEnabled());
    EXPECT_TRUE(focusInAvion(*window));
    EXPECT_TRUE(recorder.events().isEmpty());
}

TEST_F(AvionsTest, RefusedAddKeepsTheNewRowAndWhatTheCheckAlreadyUpperCased)
{
    auto window = open();
    type(*window, {"f-gabc", " dr400 ", ""});
    box(*window, "TypeAvion")->setFocus();
    choose(*window, "MNU_Edit_2");

    EXPECT_EQ(recorder.events(),
              QStringList({"sound:orbite.wav", "box:A qui appartient l'avion ?"}));
    EXPECT_EQ(recorder.boxes().at(0).buttons, MsgButtons::Ok);
    EXPECT_EQ(recorder.boxes().at(0).icon, MsgIcon::None);
    EXPECT_EQ(recorder.boxes().at(0).title, "Tarvelin");
    EXPECT_EQ(shown(*window), (AircraftEntry{"F-GABC", "DR400", ""}));
    EXPECT_EQ(menuState(*window), newAircraft);
    EXPECT_TRUE(focusInAvion(*window));
    EXPECT_EQ(window->aircraftInvalid(), 1);
    EXPECT_TRUE(stored().isEmpty());

    recorder.clear();
    type(*window, "Avion", "f-gabcd");
    type(*window, "Société", "club");
    choose(*window, "MNU_Edit_2");
    EXPECT_EQ(recorder.events(),
              QStringList({"sound:caosetout.wav", "box:L'immatriculation n'est pas correct."}));
    EXPECT_EQ(shown(*window), (AircraftEntry{"f-gabcd", "DR400", "club"}));
    EXPECT_TRUE(stored().isEmpty());

    recorder.clear();
    type(*window, "Avion", "  ");
    choose(*window, "MNU_Edit_2");
    EXPECT_TRUE(recorder.events().isEmpty());
    EXPECT_EQ(stored(), (QList<AircraftEntry>{{"  ", "DR400", "CLUB"}}));
    EXPECT_EQ(menuState(*window), browsing);
}

TEST_F(AvionsTest, ModifySavesTheShownAircraftAndStaysOnIt)
{
    addThreeAircraft();
    auto window = open();
    click(bar(*window)->nextButton());
    ASSERT_EQ(shown(*window), gbcd);

    type(*window, "TypeAvion", " robin dr400 ");
    choose(*window, "MNU_Edit_0");
    const AircraftEntry changed{"F-GBCD", "ROBIN DR400", "CLUB"};
    EXPECT_EQ(stored(), (QList<AircraftEntry>{changed, hzzz, eabc}));
    EXPECT_EQ(shown(*window), changed);
    EXPECT_EQ(menuState(*window), browsing);

    // A refused change saves nothing, and the flag is cleared at once for the next try.
    type(*window, "Société", " ");
    box(*window, "Société")->setFocus();
    choose(*window, "MNU_Edit_0");
    EXPECT_EQ(recorder.events(),
              QStringList({"sound:orbite.wav", "box:A qui appartient l'avion ?"}));
    EXPECT_EQ(window->aircraftInvalid(), 0);
    EXPECT_TRUE(focusInAvion(*window));
    EXPECT_EQ(stored(), (QList<AircraftEntry>{changed, hzzz, eabc}));
    EXPECT_EQ(menuState(*window), browsing);
}

TEST_F(AvionsTest, CancelDropsTheNewAircraftAndShowsTheLowestRegistration)
{
    addThreeAircraft();
    auto window = open();
    choose(*window, "MNU_Edit_1");
    type(*window, {"f-new", "dr400", "club"});
    box(*window, "Société")->setFocus();
    choose(*window, "MNU_Edit_3");

    EXPECT_EQ(shown(*window), eabc);
    EXPECT_EQ(menuState(*window), browsing);
    EXPECT_TRUE(focusInAvion(*window));
    EXPECT_TRUE(bar(*window)->isEnabled());
    EXPECT_FALSE(bar(*window)->lastButton()->isEnabled());
    EXPECT_EQ(stored(), (QList<AircraftEntry>{gbcd, hzzz, eabc}));
}

TEST_F(AvionsTest, CancelOnAnEmptyRegisterStartsAnotherNewAircraft)
{
    auto window = open();
    type(*window, {"f-new", "dr400", "club"});
    choose(*window, "MNU_Edit_3");

    EXPECT_EQ(shown(*window), (AircraftEntry{"", "", ""}));
    EXPECT_EQ(menuState(*window), newAircraft);
    EXPECT_FALSE(bar(*window)->isEnabled());
    EXPECT_TRUE(stored().isEmpty());
}

TEST_F(AvionsTest, DeleteWarnsAndDeletesOnlyOnYes)
{
    addThreeAircraft();
    auto window = open();
    const QStringList asked{"sound:supprime.wav",
                            "box:Attention, ne pas supprimer l'avion si vous l'avez utilisé\r\n"
                            "Voulez-vous vraiment supprimer l'enregistrement ?"};

    recorder.answerNext(MsgAnswer::No);
    choose(*window, "MNU_Edit_5");
    EXPECT_EQ(recorder.events(), asked);
    const MessageRequest &question = recorder.boxes().at(0);
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    EXPECT_EQ(question.icon, MsgIcon::Critical);
    EXPECT_EQ(question.title, "Supprimer l'avion");
    EXPECT_EQ(stored(), (QList<AircraftEntry>{gbcd, hzzz, eabc}));
    EXPECT_EQ(shown(*window), hzzz);
    EXPECT_TRUE(focusInAvion(*window));

    recorder.clear();
    recorder.answerNext(MsgAnswer::Yes);
    choose(*window, "MNU_Edit_5");
    EXPECT_EQ(recorder.events(), asked);
    EXPECT_EQ(stored(), (QList<AircraftEntry>{gbcd, eabc}));
    EXPECT_EQ(shown(*window), eabc);
    EXPECT_EQ(menuState(*window), browsing);
}

TEST_F(AvionsTest, DeletingTheOnlyAircraftStartsANewOne)
{
    folder.addAircraft("F-GBCD", "DR400", "CLUB");
    auto window = open();
    recorder.answerNext(MsgAnswer::Yes);
    choose(*window, "MNU_Edit_5");

    EXPECT_TRUE(stored().isEmpty());
    EXPECT_EQ(shown(*window), (AircraftEntry{"", "", ""}));
    EXPECT_EQ(menuState(*window), newAircraft);
    EXPECT_FALSE(bar(*window)->isEnabled());

    type(*window, {"f-gabc", "c152", "club"});
    choose(*window, "MNU_Edit_2");
    EXPECT_EQ(stored(), (QList<AircraftEntry>{{"F-GABC", "C152", "CLUB"}}));
}

TEST_F(AvionsTest, NavigationStaysOnTheRowsAndDropsUnsavedTyping)
{
    addThreeAircraft();
    auto window = open();
    NavigationBar *nav = bar(*window);

    type(*window, "TypeAvion", "changé");
    click(nav->nextButton());
    EXPECT_EQ(shown(*window), gbcd);
    click(nav->previousButton());
    EXPECT_EQ(shown(*window), hzzz);
    EXPECT_EQ(stored(), (QList<AircraftEntry>{gbcd, hzzz, eabc}));

    click(nav->lastButton());
    EXPECT_EQ(shown(*window), eabc);
    EXPECT_FALSE(nav->nextButton()->isEnabled());
    EXPECT_FALSE(nav->lastButton()->isEnabled());
    EXPECT_TRUE(nav->previousButton()->isEnabled());
    click(nav->firstButton());
    EXPECT_EQ(shown(*window), hzzz);

    choose(*window, "MNU_Edit_1");
    EXPECT_FALSE(nav->isEnabled());
    choose(*window, "MNU_Edit_3");
    EXPECT_TRUE(nav->isEnabled());
}

TEST_F(AvionsTest, EveryWayOutReleasesTheLogbookAndDropsUnsavedTyping)
{
    addThreeAircraft();
    const std::pair<const char *, std::function<void(Avions &)>> waysOut[] = {
        {"Quitter",
         [](Avions &w) {
             choose(w, "MNU_File_0");
         }},
        {"picture button",
         [](Avions &w) {
             QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("Command")),
                               Qt::LeftButton);
         }},
        {"close button",
         [](Avions &w) {
             w.close();
         }},
        {"Escape",
         [](Avions &w) {
             QTest::keyClick(box(w, "Avion"), Qt::Key_Escape);
         }},
    };
    for (const auto &[name, leave] : waysOut) {
        for (const bool adding : {false, true}) {
            SCOPED_TRACE(std::string(name) + (adding ? ", adding" : ", browsing"));
            auto window = open();
            if (adding)
                choose(*window, "MNU_Edit_1");
            type(*window, {"F-XXXX", "TYPE", "SOCIÉTÉ"});
            ASSERT_FALSE(logbook.isEnabled());
            leave(*window);
            EXPECT_FALSE(window->isVisible());
            EXPECT_TRUE(logbook.isEnabled());
            EXPECT_EQ(stored(), (QList<AircraftEntry>{gbcd, hzzz, eabc}));
        }
    }
    EXPECT_TRUE(recorder.events().isEmpty());

    logbook.setEnabled(true);
    {
        Avions neverShown(&logbook);
    }
    EXPECT_TRUE(logbook.isEnabled());
}

TEST_F(AvionsTest, RightClickOnTheBackgroundPopsUpTheEditionMenu)
{
    addThreeAircraft();
    auto window = open();
    QWidget *frame = window->findChild<QWidget *>(QStringLiteral("Frame"));

    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(4, 4));

    QTest::mousePress(frame, Qt::RightButton, {}, QPoint(4, 4));
    QWidget *popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->objectName(), "MNU_Edition");
    popup->close();
}
} // namespace
