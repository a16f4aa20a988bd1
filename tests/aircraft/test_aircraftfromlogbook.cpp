// The aircraft register as the logbook window opens it, through the program's own windows.
#include "avions.h"
#include "tarvelinwindows.h"
#include "tempprogramfolder.h"
#include "uirecorder.h"
#include "zivada.h"

#include <functional>
#include <gtest/gtest.h>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
class AircraftFromLogbookTest : public testing::Test
{
protected:
    AircraftFromLogbookTest()
    {
        logbook.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&logbook));
    }

    // Runs the command; meanwhile waits for the register to show as the modal window and lets
    // the user act in it. False when the register never showed (an open box is closed then,
    // so the test cannot hang).
    bool whileRegisterOpen(const std::function<void()> &command,
                           const std::function<void(Avions &)> &user)
    {
        bool seen = false;
        int polls = 0;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *avions = qobject_cast<Avions *>(modal)) {
                poll.stop();
                seen = true;
                user(*avions);
            } else if (++polls > 1000 && modal) {
                modal->close();
            }
        });
        poll.start();
        command();
        return seen;
    }

    static void leaveByPictureButton(Avions &avions)
    {
        QTest::mouseClick(avions.findChild<QPushButton *>(QStringLiteral("Command")),
                          Qt::LeftButton);
    }

    // Visible windows of the program other than the logbook.
    QWidgetList otherWindows() const
    {
        QWidgetList result;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window != &logbook && window->isVisible())
                result << window;
        }
        return result;
    }

    TempProgramFolder folder;
    UiRecorder recorder;
    TarvelinWindows windows;
    Zivada logbook{windows};
};

TEST_F(AircraftFromLogbookTest, AvionsMenuAndToolbarButtonOpenTheRegisterModally)
{
    folder.addAircraft("F-GBCD", "DR400", "CLUB");
    const std::pair<const char *, std::function<void()>> commands[] = {
        {"Fichier &Avions",
         [this] {
             logbook.fileMenuClicked(0);
         }},
        {"toolbar Avions",
         [this] {
             logbook.toolbarClicked(4);
         }},
    };
    for (const auto &[name, command] : commands) {
        SCOPED_TRACE(name);
        bool modal = false;
        bool logbookHeld = false;
        QString shown;
        EXPECT_TRUE(whileRegisterOpen(command, [&](Avions &avions) {
            modal = avions.isModal();
            logbookHeld = !logbook.isEnabled();
            shown = avions.findChild<QLineEdit *>(QStringLiteral("Avion"))->text();
            leaveByPictureButton(avions);
        }));
        EXPECT_TRUE(modal);
        EXPECT_TRUE(logbookHeld);
        EXPECT_EQ(shown, "F-GBCD");
        EXPECT_TRUE(logbook.isEnabled());
        EXPECT_TRUE(otherWindows().isEmpty());
    }
}

TEST_F(AircraftFromLogbookTest, NewOnAnEmptyLogbookAsksForAircraftFirstAndOpensNoFlightForm)
{
    bool startedNew = false;
    EXPECT_TRUE(whileRegisterOpen(
        [this] { logbook.editMenuClicked(1); },
        [&](Avions &avions) {
            startedNew = avions.findChild<QAction *>(QStringLiteral("MNU_Edit_2"))->isEnabled();
            // Even an aircraft added here does not lead on to the add-flight form.
            for (const auto &[name, text] :
                 {std::pair{"Avion", "f-gabc"}, {"TypeAvion", "dr400"}, {"Société", "club"}})
                avions.findChild<QLineEdit *>(QString::fromUtf8(name))->setText(text);
            avions.findChild<QAction *>(QStringLiteral("MNU_Edit_2"))->trigger();
            leaveByPictureButton(avions);
        }));

    EXPECT_EQ(recorder.events(), QStringList({"box:Il faut commencer par ajouter des avions"}));
    ASSERT_EQ(recorder.boxes().size(), 1);
    EXPECT_EQ(recorder.boxes().at(0).buttons, MsgButtons::Ok);
    EXPECT_EQ(recorder.boxes().at(0).icon, MsgIcon::None);
    EXPECT_EQ(recorder.boxes().at(0).title, "Tarvelin");
    EXPECT_TRUE(startedNew);
    EXPECT_EQ(folder.rows(QStringLiteral("SELECT Avion FROM Tbl_Avions")).size(), 1);
    EXPECT_TRUE(logbook.isEnabled());
    EXPECT_TRUE(otherWindows().isEmpty());
}
} // namespace
