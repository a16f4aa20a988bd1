// The logbook window through its real widgets, offscreen, on a temporary logbook.
#include "childwindows.h"
#include "clock.h"
#include "datecombo.h"
#include "programend.h"
#include "tempprogramfolder.h"
#include "uirecorder.h"
#include "zivada.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QHelpEvent>
#include <QMenu>
#include <QTest>
#include <QToolTip>

namespace {
// Records which window the logbook asked for, and with which selected flight.
class RecordingWindows : public ChildWindows
{
public:
    void showAircraftRegister(Zivada &) override { opened << "Avions"; }
    void showAddFlight(Zivada &) override { opened << "Ajout"; }
    void showEditFlight(Zivada &logbook) override
    {
        opened << QStringLiteral("Modif %1").arg(logbook.selectedNum());
    }
    void showHoursCalculator(Zivada &) override { opened << "Calcul"; }
    void showHoursStatistics(Zivada &) override { opened << "Heures"; }

    QStringList opened;
};

class ZivadaTest : public testing::Test
{
protected:
    ZivadaTest()
    {
        Clock::setToday(QDate(2026, 12, 11));
        ProgramEnd::setHook([this](int code) { endCodes << code; });
    }
    ~ZivadaTest() override
    {
        ProgramEnd::setHook({});
        Clock::setToday(QDate());
    }

    Zivada &openLogbook()
    {
        logbook = std::make_unique<Zivada>(windows);
        logbook->show();
        return *logbook;
    }

    QAction *editItem(int index)
    {
        return logbook->findChild<QAction *>(QString("MNU_Edit_%1").arg(index));
    }

    QString cell(int row, int column)
    {
        return logbook->grid()->model()->index(row, column).data().toString();
    }

    void clickCell(int row, int column)
    {
        QTableView *grid = logbook->grid();
        const QRect rect = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    }

    QModelIndex index(int row, int column) { return logbook->grid()->model()->index(row, column); }

    TempProgramFolder folder;
    UiRecorder recorder;
    RecordingWindows windows;
    std::unique_ptr<Zivada> logbook;
    QList<int> endCodes;
};

TEST_F(ZivadaTest, ListsAllFlightsNewestFirstWithEditCommandsDisabled)
{
    folder.addFlight(QDate(2019, 7, 14), "F-GKLM", "DR400", "Club", 75, "S", "Étampes");
    folder.addFlight(QDate(2025, 1, 2), "F-HABC", "C152", "Club", 45, "D");
    Zivada &window = openLogbook();

    EXPECT_EQ(window.windowTitle(), QString("Tarvelin"));
    ASSERT_EQ(window.grid()->model()->rowCount(), 2);
    EXPECT_EQ(cell(0, 1), QString("02/01/2025"));
    EXPECT_EQ(cell(1, 0), QString("1"));
    EXPECT_EQ(cell(1, 7), QString("Étampes"));
    EXPECT_EQ(window.grid()->model()->headerData(4, Qt::Horizontal).toString(), QString("Société"));
    EXPECT_GE(window.grid()->columnWidth(7), 4000 / 15);
    EXPECT_FALSE(editItem(0)->isEnabled());
    EXPECT_TRUE(editItem(1)->isEnabled());
    EXPECT_FALSE(editItem(3)->isEnabled());
}

// The tool tip the grid shows when the pointer rests on a cell, or an empty text for none.
QString toolTipOver(QTableView *grid, const QModelIndex &index)
{
    QToolTip::hideText(); // which takes effect after a short delay
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
    const QPoint where = grid->visualRect(index).center();
    QHelpEvent rest(QEvent::ToolTip, where, grid->viewport()->mapToGlobal(where));
    QApplication::sendEvent(grid->viewport(), &rest);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST_F(ZivadaTest, ClippedCellsShowTheirWholeTextAsToolTip)
{
    folder.addFlight(QDate(2025, 1, 2), "F-HABC", "ROBIN DR400-140B", "AÉROCLUB DE L'ESSONNE", 45,
                     "D");
    Zivada &window = openLogbook();
    QTableView *grid = window.grid();
    const QAbstractItemModel *flights = grid->model();

    EXPECT_EQ(toolTipOver(grid, flights->index(0, 3)), QString("ROBIN DR400-140B"));
    EXPECT_EQ(toolTipOver(grid, flights->index(0, 4)), QString("AÉROCLUB DE L'ESSONNE"));
    EXPECT_EQ(toolTipOver(grid, flights->index(0, 6)), QString()); // "D" fits
    grid->setColumnWidth(3, 400);
    EXPECT_EQ(toolTipOver(grid, flights->index(0, 3)), QString());
}

TEST_F(ZivadaTest, ClickOnNumMarksItCyanAndEnablesEditCommandsUntilAnotherColumn)
{
    folder.addFlight(QDate(2025, 1, 2), "F-HABC", "C152", "Club", 45, "D");
    folder.addFlight(QDate(2025, 1, 3), "F-HABC", "C152", "Club", 45, "D");
    openLogbook();

    clickCell(0, 0);
    EXPECT_EQ(index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 255, 255));
    EXPECT_TRUE(editItem(0)->isEnabled());
    EXPECT_TRUE(editItem(3)->isEnabled());

    clickCell(1, 0);
    EXPECT_FALSE(index(0, 0).data(Qt::BackgroundRole).isValid()) << "left cell back to normal";
    EXPECT_EQ(index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 255, 255));

    clickCell(1, 1);
    EXPECT_FALSE(editItem(0)->isEnabled());
    EXPECT_FALSE(editItem(3)->isEnabled());
    editItem(0)->trigger();
    EXPECT_TRUE(windows.opened.isEmpty());
}

TEST_F(ZivadaTest, DeleteAsksTheExactQuestionAfterItsSoundAndDeletesOnlyOnYes)
{
    for (int day = 1; day <= 3; ++day)
        folder.addFlight(QDate(2025, 1, day), "F-HABC", "C152", "Club", 45, "D");
    folder.exec("UPDATE Tbl_Vols SET Num = 40000 WHERE Num = 2");
    openLogbook();
    clickCell(1, 0);
    ASSERT_EQ(cell(1, 0), QString("40000"));

    recorder.answerNext(MsgAnswer::No);
    editItem(3)->trigger();
    EXPECT_EQ(recorder.events(),
              QStringList({"sound:supprime.wav",
                           "box:Voulez-vous vraiment supprimer l'enregistrement  40000 ?"}));
    EXPECT_EQ(recorder.boxes()[0].title, QString("Supprimer enregistrement"));
    EXPECT_EQ(recorder.boxes()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(recorder.boxes()[0].icon, MsgIcon::Question);
    EXPECT_EQ(folder.rows("SELECT Num FROM Tbl_Vols").size(), 3);

    recorder.answerNext(MsgAnswer::Yes);
    editItem(3)->trigger();
    EXPECT_EQ(folder.rows("SELECT Num FROM Tbl_Vols WHERE Num = 40000").size(), 0);
    ASSERT_EQ(logbook->grid()->model()->rowCount(), 2);
    EXPECT_EQ(cell(0, 0), QString("3"));
    EXPECT_EQ(cell(1, 0), QString("1"));
}

TEST_F(ZivadaTest, DeleteAfterMovingOffTheNumColumnDoesNothing)
{
    folder.addFlight(QDate(2025, 1, 2), "F-HABC", "C152", "Club", 45, "D");
    openLogbook();
    clickCell(0, 0);
    QTest::keyClick(logbook->grid(), Qt::Key_Right);
    EXPECT_FALSE(index(0, 0).data(Qt::BackgroundRole).isValid());
    ASSERT_TRUE(editItem(3)->isEnabled());
    editItem(3)->trigger();
    EXPECT_TRUE(recorder.events().isEmpty());
    EXPECT_EQ(folder.rows("SELECT Num FROM Tbl_Vols").size(), 1);
}

TEST_F(ZivadaTest, ModifyOpensTheEditFormOnTheFullNum)
{
    folder.addFlight(QDate(2025, 1, 2), "F-HABC", "C152", "Club", 45, "D");
    folder.exec("UPDATE Tbl_Vols SET Num = 40000");
    openLogbook();
    clickCell(0, 0);
    editItem(0)->trigger();
    EXPECT_EQ(windows.opened, QStringList({"Modif 40000"}));
}

struct NewFlightCase
{
    const char *name;
    bool flights;
    bool aircraft;
    QStringList events;
    QStringList opened;
};

class NewFlightTest : public ZivadaTest, public testing::WithParamInterface<NewFlightCase>
{
};

TEST_P(NewFlightTest, AsksForAircraftOnlyOnAnEmptyLogbookWithoutAny)
{
    if (GetParam().flights)
        folder.addFlight(QDate(2025, 1, 2), "F-HABC", "C152", "Club", 45, "D");
    if (GetParam().aircraft)
        folder.addAircraft("F-HABC", "C152", "CLUB");
    openLogbook();
    editItem(1)->trigger();
    EXPECT_EQ(recorder.events(), GetParam().events);
    EXPECT_EQ(windows.opened, GetParam().opened);
}

INSTANTIATE_TEST_SUITE_P(
    Logbooks, NewFlightTest,
    testing::Values(NewFlightCase{"EmptyWithoutAircraft",
                                  false,
                                  false,
                                  {"box:Il faut commencer par ajouter des avions"},
                                  {"Avions"}},
                    NewFlightCase{"EmptyWithAircraft", false, true, {}, {"Ajout"}},
                    NewFlightCase{"FlightsWithoutAircraft", true, false, {}, {"Ajout"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ZivadaTest, ToolbarOpensItsWindowsAndTogglesTheDateControlOnToday)
{
    Zivada &window = openLogbook();
    window.toolbarClicked(12);
    window.toolbarClicked(10);
    window.toolbarClicked(4);
    window.toolbarClicked(3);
    EXPECT_EQ(windows.opened, QStringList({"Calcul", "Avions"})) << "no statistics when empty";

    window.toolbarClicked(6);
    EXPECT_TRUE(window.dateControlVisible());
    EXPECT_EQ(window.dateControl()->value(), QDate(2026, 12, 11));
    window.dateControl()->setValue(QDate(2001, 1, 1));
    window.toolbarClicked(6);
    EXPECT_FALSE(window.dateControlVisible());
    window.toolbarClicked(6);
    EXPECT_EQ(window.dateControl()->value(), QDate(2026, 12, 11));

    folder.addFlight(QDate(2025, 1, 2), "F-HABC", "C152", "Club", 45, "D");
    window.refreshFlights();
    window.toolbarClicked(12);
    EXPECT_EQ(windows.opened.last(), QString("Heures"));
}

TEST_F(ZivadaTest, QuitFromMenuToolbarOrCloseButtonEndsTheProgram)
{
    Zivada &window = openLogbook();
    window.findChild<QAction *>("MNU_File_2")->trigger();
    window.toolbarClicked(2);
    window.close();
    EXPECT_EQ(endCodes, (QList<int>{0, 0, 0}));
}

TEST_F(ZivadaTest, RightClickPopsUpTheEditionMenuWithoutMovingTheCurrentCell)
{
    folder.addFlight(QDate(2025, 1, 2), "F-HABC", "C152", "Club", 45, "D");
    Zivada &window = openLogbook();
    clickCell(0, 0);
    const QRect rect = window.grid()->visualRect(index(0, 3));
    QTest::mousePress(window.grid()->viewport(), Qt::RightButton, {}, rect.center());
    auto *menu = window.findChild<QMenu *>("MNU_Edition");
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    EXPECT_EQ(window.grid()->currentIndex().column(), 0);
}
} // namespace
