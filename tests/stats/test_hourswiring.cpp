// The logbook's "Graphiques et heures de vol" opens the statistics modally, loaded afresh.
#include "statsfixture.h"
#include "tarvelinwindows.h"
#include "zivada.h"

#include <QApplication>
#include <QTimer>

namespace {
constexpr int hoursButton = 12;

using HoursFromTheLogbook = StatsFixture;

// Presses the logbook's button and closes whatever modal window opens, noting it.
QStringList pressAndCloseModal(Zivada &logbook)
{
    QStringList seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&seen] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            auto *heures = qobject_cast<Heures *>(modal);
            seen << modal->objectName() + QStringLiteral(" from ") +
                        (heures ? heures->findChild<DateCombo *>(QStringLiteral("QelCbDate1"))
                                      ->value()
                                      .toString(Qt::ISODate)
                                : QString());
            modal->close();
        }
    });
    poll.start(10);
    logbook.toolbarClicked(hoursButton);
    return seen;
}

TEST_F(HoursFromTheLogbook, OpensTheStatisticsModallyWhenTheLogbookHoldsAFlight)
{
    folder.addFlight(QDate(2004, 6, 15), "F-GAAA", "C172", "CLUB", 60, "S");
    TarvelinWindows windows;
    Zivada logbook(windows);
    logbook.show();

    EXPECT_EQ(pressAndCloseModal(logbook), QStringList{"Heures from 2004-06-15"});
    // Closed and opened again: loaded afresh from the logbook.
    folder.exec(QStringLiteral("UPDATE Tbl_Vols SET Date = '2003-01-02'"));
    EXPECT_EQ(pressAndCloseModal(logbook), QStringList{"Heures from 2003-01-02"});
}

TEST_F(HoursFromTheLogbook, AnEmptyLogbookOpensNothing)
{
    TarvelinWindows windows;
    Zivada logbook(windows);
    logbook.show();

    EXPECT_TRUE(pressAndCloseModal(logbook).isEmpty());
}
} // namespace
