#pragma once

#include "clock.h"
#include "datecombo.h"
#include "heures.h"
#include "tempprogramfolder.h"
#include "uirecorder.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

// Readable failures: GoogleTest prints texts, not the bytes of a QString.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// A logbook of its own for each test, today fixed, every box recorded, and the statistics
// window reached through its controls by their names.
class StatsFixture : public testing::Test
{
protected:
    void SetUp() override { Clock::setToday(today()); }
    void TearDown() override { Clock::setToday(QDate()); }

    virtual QDate today() const { return QDate(2006, 6, 15); }

    std::unique_ptr<Heures> openWindow() const { return std::make_unique<Heures>(); }

    template <typename Widget> static Widget *control(const Heures &window, const QString &name)
    {
        auto *widget = window.findChild<Widget *>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    static DateCombo *startDate(const Heures &window)
    {
        return control<DateCombo>(window, QStringLiteral("QelCbDate1"));
    }
    static DateCombo *endDate(const Heures &window)
    {
        return control<DateCombo>(window, QStringLiteral("QelCbDate2"));
    }
    static QComboBox *typeList(const Heures &window)
    {
        return control<QComboBox>(window, QStringLiteral("Combo"));
    }
    static void chooseOption(const Heures &window, int option)
    {
        control<QRadioButton>(window, QStringLiteral("Option_%1").arg(option))->click();
    }
    static void click(const Heures &window, const QString &button)
    {
        control<QToolButton>(window, button)->click();
    }
    static QString shownTotal(const Heures &window)
    {
        return control<QLabel>(window, QStringLiteral("HeuresR"))->text() + QStringLiteral(" H ") +
               control<QLabel>(window, QStringLiteral("MinutesR"))->text();
    }

    // Picks an entry of the type list with the mouse, as the user does.
    static void pickType(const Heures &window, const QString &type);

    TempProgramFolder folder;
    UiRecorder recorder;
};
