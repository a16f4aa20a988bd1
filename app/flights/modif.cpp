#include "modif.h"

#include "datevalue.h"
#include "engineerror.h"
#include "messagebox.h"
#include "programfolder.h"
#include "zivada.h"

#include <QEvent>
#include <QStyle>

namespace {
const QString allFlights = QStringLiteral("SELECT * FROM Tbl_Vols");

QDate dateOf(const QVariant &stored)
{
    return stored.typeId() == QMetaType::QDate ? stored.toDate()
                                               : parseDateValue(stored.toString());
}
} // namespace

Modif::Modif(Zivada &logbook)
    : FlightForm(logbook, QStringLiteral("Data1"), QStringLiteral("caosetout.wav"))
    , mData2(this)
{
    ui.setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    ui.Modifier->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    ui.Annuler->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    ui.Modifier->setIconSize(QSize(24, 24));
    ui.Annuler->setIconSize(QSize(24, 24));

    mData2.setObjectName(QStringLiteral("Data2"));
    mData2.setConnect(QStringLiteral("Access 2000;"));
    mData2.bind(ui.Text5, QStringLiteral("Durée"));
    mData2.bind(ui.Text7, QStringLiteral("Commentaires"));
    useControls({ui.QelDate, ui.Combo1, ui.Label8, ui.Label9, ui.Text5, ui.Combo2, ui.Text7});
    ui.Text5->installEventFilter(this);

    connect(ui.Modifier, &QPushButton::clicked, this, &Modif::save);
    connect(ui.Annuler, &QPushButton::clicked, this, &Modif::cancel);

    loadForm();
    centreOnScreen();
    ui.QelDate->setFocus(Qt::OtherFocusReason);
}

void Modif::loadForm()
{
    holdLogbook();
    mData2.setDatabaseName(ProgramFolder::databasePath());
    mData2.setRecordSource(allFlights);
    mData2.refresh();
    // A flight that is gone leaves the form blank.
    if (!findFlight(logbook().selectedNum()))
        return;
    fillKindList();
    fillAircraftList(ListOrder::AsRead);
    showFlight();
}

// Every Num the file can hold is found, not only those of a 16-bit number.
bool Modif::findFlight(qint64 num)
{
    for (Recordset &flights = mData2.recordset(); !flights.eof(); flights.moveNext()) {
        if (flights.field(QStringLiteral("Num")).toLongLong() == num)
            return true;
    }
    return false;
}

// Type and owner are shown as the flight holds them; the register is not consulted. A field
// that holds nothing shows empty.
void Modif::showFlight()
{
    const Recordset &flight = mData2.recordset();
    const QDate date = dateOf(flight.field(QStringLiteral("Date")));
    if (date.isValid())
        ui.QelDate->setValue(date);
    ui.Combo1->setEditText(flight.field(QStringLiteral("Avion")).toString());
    ui.Label8->setText(flight.field(QStringLiteral("Type")).toString());
    ui.Label9->setText(flight.field(QStringLiteral("Société")).toString());
    ui.Text5->setText(flight.field(QStringLiteral("Durée")).toString());
    ui.Combo2->setEditText(flight.field(QStringLiteral("Vol")).toString());
    ui.Text7->setText(flight.field(QStringLiteral("Commentaires")).toString());
}

bool Modif::eventFilter(QObject *watched, QEvent *event)
{
    // Typing replaces the whole duration.
    if (watched == ui.Text5 && event->type() == QEvent::FocusIn)
        ui.Text5->selectAll();
    return FlightForm::eventFilter(watched, event);
}

void Modif::save()
{
    try {
        switch (checkDuration()) {
        case DurationCheck::Refused:
            return;
        case DurationCheck::NotANumber:
            reportSaveFailure();
            return;
        case DurationCheck::Accepted:
            break;
        }
        commit();
    } catch (const EngineError &) {
        reportSaveFailure();
    }
}

void Modif::commit()
{
    Recordset &flight = mData2.recordset();
    flight.edit();
    writeFlightFields(flight);
    mData2.updateRecord();
    mData2.refresh();
    refreshLogbookAndClose();
}

// The form stays open with what the user typed, and the logbook stays held.
void Modif::reportSaveFailure()
{
    MessageBox::show(QStringLiteral("Pas d'enregistrement courant"), MsgButtons::Ok,
                     MsgIcon::Critical, QStringLiteral("Erreur"));
}
