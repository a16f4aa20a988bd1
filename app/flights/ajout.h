#pragma once

#include "flightform.h"
#include "ui_ajout.h"

// The add-flight form. It keeps no flight record set of its own: the new flight is appended
// through the logbook's own, and shows in the grid at the place of its date. A date after
// today draws a warning, which blocks nothing.
class Ajout : public FlightForm
{
    Q_OBJECT

public:
    explicit Ajout(Zivada &logbook);

    void save();

private:
    void loadForm();
    void warnOfFutureDate();

    Ui::Ajout ui;
};
