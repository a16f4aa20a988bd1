// The splash window: its texts, and the logbook opened exactly once by a click or the timer.
#include "accueil.h"
#include "sharedroutines.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QTest>

namespace {
TEST(AccueilTest, ShowsNameVersionAndUser)
{
    Accueil splash([] {});
    EXPECT_EQ(splash.findChild<QLabel *>("lblProductName")->text(), QString("Tarvelin"));
    EXPECT_EQ(splash.findChild<QLabel *>("lblVersion")->text(), QString("Version 4.0.1"));
    EXPECT_EQ(splash.findChild<QLabel *>("lblLicenseTo")->text(),
              QString("Licence accordée à :  ") + UserName());
    EXPECT_FALSE(UserName().isEmpty());
    EXPECT_EQ(splash.timer1().interval(), 3000);
}

TEST(AccueilTest, ClickOpensTheLogbookAtOnceAndTheTimerNeverAgain)
{
    int opened = 0;
    Accueil splash([&] { ++opened; });
    splash.show();
    QTest::mouseClick(splash.findChild<QWidget *>("Frame1"), Qt::LeftButton, {}, QPoint(150, 20));
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.timer1().isActive());
    splash.timer1().setInterval(10);
    QTest::qWait(50);
    EXPECT_EQ(opened, 1);
}

TEST(AccueilTest, TimerOpensTheLogbookOnceAndHidesTheSplash)
{
    int opened = 0;
    Accueil splash([&] { ++opened; });
    splash.show();
    splash.timer1().setInterval(10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return opened == 1; }, 5000));
    EXPECT_FALSE(splash.isVisible());
    QTest::qWait(50);
    EXPECT_EQ(opened, 1);
}
} // namespace
