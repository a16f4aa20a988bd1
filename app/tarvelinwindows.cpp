#include "tarvelinwindows.h"

#include "calcul.h"
#include "zivada.h"

void TarvelinWindows::showAircraftRegister(Zivada &logbook)
{
    Q_UNUSED(logbook);
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
