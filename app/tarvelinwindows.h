#pragma once

#include "childwindows.h"

// The windows of the program, as the logbook opens them.
class TarvelinWindows : public ChildWindows
{
public:
    void showAircraftRegister(Zivada &logbook) override;
    void showAddFlight(Zivada &logbook) override;
    void showEditFlight(Zivada &logbook) override;
    void showHoursCalculator(Zivada &logbook) override;
    void showHoursStatistics(Zivada &logbook) override;
};
