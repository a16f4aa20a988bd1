#pragma once

class Zivada;

// The windows the logbook opens. The logbook knows them only through this interface, so the
// core does not depend on the subsystems that build on it; the program supplies them.
class ChildWindows
{
public:
    virtual ~ChildWindows() = default;

    virtual void showAircraftRegister(Zivada &logbook) = 0; // modal
    virtual void showAddFlight(Zivada &logbook) = 0;        // modeless
    virtual void showEditFlight(Zivada &logbook) = 0;       // modeless
    virtual void showHoursCalculator(Zivada &logbook) = 0;  // modal
    virtual void showHoursStatistics(Zivada &logbook) = 0;  // modal
};
