#include "tarvelinwindows.h"

#include "ajout.h"
#include "avions.h"
#include "calcul.h"
#include "heures.h"
#include "modif.h"
#include "zivada.h"

void TarvelinWindows::showAircraftRegister(Zivada &logbook)
{
    Avions dialog(&logbook);
    dialog.exec();
}

void TarvelinWindows::showAddFlight(Zivada &logbook)
{
    auto *form = new Ajout(logbook);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
}

void TarvelinWindows::showEditFlight(Zivada &logbook)
{
    auto *form = new Modif(logbook);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
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
    Heures dialog;
    dialog.exec();
}
