#include "ajout.h"

#include "clock.h"
#include "messagebox.h"
#include "recordset.h"
#include "soundcue.h"
#include "zivada.h"

namespace {
constexpr quint32 red = 255;
constexpr quint32 blue = 0xFF0000;
} // namespace

Ajout::Ajout(Zivada &logbook)
    : FlightForm(logbook, QStringLiteral("DataAjout"), QStringLiteral("connerie.wav"))
{
    ui.setupUi(this);
    useControls({ui.QelDate, ui.Combo1, ui.Label8, ui.Label9, ui.Text5, ui.Combo2, ui.Text7});

    connect(ui.Ajouter, &QPushButton::clicked, this, &Ajout::save);
    connect(ui.Annuler, &QPushButton::clicked, this, &Ajout::cancel);
    connect(ui.QelDate, &DateCombo::changed, this, &Ajout::warnOfFutureDate);

    loadForm();
    centreOnScreen();
    ui.QelDate->setFocus(Qt::OtherFocusReason);
}

void Ajout::loadForm()
{
    holdLogbook();
    fillAircraftList(ListOrder::Sorted);
    fillKindList();
}

// Dates compare as dates, whatever the regional format of their text.
void Ajout::warnOfFutureDate()
{
    const bool future = ui.QelDate->value() > Clock::today();
    if (future) {
        SoundCue::play(QStringLiteral("orbite.wav"));
        MessageBox::show(QStringLiteral("La date entrée est supérieure à la date du jour."));
    }
    ui.QelDate->setForeColor(future ? red : blue);
}

// A text pasted into the duration that is no duration is refused like an empty one, rather
// than failing in the database.
void Ajout::save()
{
    const DurationCheck check = checkDuration();
    if (check == DurationCheck::NotANumber)
        refuseDuration();
    if (check != DurationCheck::Accepted)
        return;
    Recordset &flights = logbook().data1().recordset();
    flights.addNew();
    writeFlightFields(flights);
    flights.update();
    refreshLogbookAndClose();
}
