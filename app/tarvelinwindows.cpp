#include "tarvelinwindows.h"

#include "avions.h"
#include "calcul.h"
#include "zivada.h"

void TarvelinWindows::showAircraftRegister(Zivada &logbook)
{
    Avions dialog(&logbook);
    dialog.exec();
}

void TarvelinWindows::showAddFlight(Zivada &logbook)
{
    Q_UNUSED(logbook);
}

void TarvelinWindows::showEditFlight(Zivada &logbook)
{
    Q_UNUSED(logbook);
}

void TarvelinWindows::showHoursCalculator(Zivada &logbook)
{
    Q_UNUSED(logbook);
    Calcul dialog;
    dialog.exec();
}

void TarvelinWindows::showHoursStatistics(Zivada &logbook)
{
    Q_UNUSED(logbook);
}
