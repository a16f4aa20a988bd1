#include "tarvelinwindows.h"

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
}

void TarvelinWindows::showHoursStatistics(Zivada &logbook)
{
    Q_UNUSED(logbook);
}
