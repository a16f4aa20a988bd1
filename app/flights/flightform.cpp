#include "flightform.h"

#include "datecombo.h"
#include "duration.h"
#include "keyasciifilter.h"
#include "messagebox.h"
#include "programfolder.h"
#include "sharedroutines.h"
#include "soundcue.h"
#include "zivada.h"

#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

namespace {
const QString aircraftList = QStringLiteral("SELECT Avion FROM Tbl_Avions");
const QString aircraftDetails = QStringLiteral("SELECT * FROM Tbl_Avions");
const QString durationMessage = QStringLiteral("Il faut au moins mettre quelques minutes de vol");

// The alphabetical order of a sorted list box: letters compare without regard to case.
bool listOrder(const QString &left, const QString &right)
{
    const int folded = left.compare(right, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : left < right;
}
} // namespace

FlightForm::FlightForm(Zivada &logbook, const QString &aircraftSourceName,
                       const QString &refusalSound)
    : mLogbook(logbook)
    , mAircraftSource(this)
    , mRefusalSound(refusalSound)
{
    mAircraftSource.setObjectName(aircraftSourceName);
    mAircraftSource.setConnect(QStringLiteral("Access 2000;"));
    setMouseTracking(true);
}

FlightForm::~FlightForm() = default;

void FlightForm::useControls(const Controls &controls)
{
    mControls = controls;
    keepPicksOnly(controls.Combo1);
    keepPicksOnly(controls.Combo2);
    connect(controls.Combo1, &QComboBox::activated, this, &FlightForm::showAircraftDetails);
    QLineEdit *duration = controls.Text5;
    new KeyAsciiFilter(
        duration, [duration](char16_t &keyAscii) { DigitKeyFilter(duration->text(), keyAscii); });
}

// A combo box's text is the user's own: nothing completes it, Enter adds nothing to the list,
// and only a choice in the list (mouse, or moving the selection with the keyboard) is a pick.
// Qt would also take a typed text that matches an entry as a pick when the editing ends.
void FlightForm::keepPicksOnly(QComboBox *combo)
{
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
}

void FlightForm::centreOnScreen()
{
    if (const QScreen *shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

void FlightForm::holdLogbook()
{
    mLogbook.setEnabled(false);
}

void FlightForm::releaseLogbook()
{
    mLogbook.setEnabled(true);
}

void FlightForm::openAircraft(const QString &statement)
{
    mAircraftSource.setDatabaseName(ProgramFolder::databasePath());
    mAircraftSource.setRecordSource(statement);
    mAircraftSource.refresh();
}

void FlightForm::fillAircraftList(ListOrder order)
{
    openAircraft(aircraftList);
    QStringList registrations;
    for (Recordset &set = mAircraftSource.recordset(); !set.eof(); set.moveNext())
        registrations << set.field(QStringLiteral("Avion")).toString(); // Null: an empty entry
    if (order == ListOrder::Sorted)
        std::stable_sort(registrations.begin(), registrations.end(), listOrder);
    mControls.Combo1->addItems(registrations);
    // Filling the list chooses nothing.
    mControls.Combo1->setCurrentIndex(-1);
}

void FlightForm::fillKindList()
{
    mControls.Combo2->addItems({QStringLiteral("S"), QStringLiteral("D")});
    mControls.Combo2->setCurrentIndex(-1);
}

void FlightForm::showAircraftDetails()
{
    openAircraft(aircraftDetails);
    const QString picked = mControls.Combo1->currentText();
    for (Recordset &set = mAircraftSource.recordset(); !set.eof(); set.moveNext()) {
        const QVariant registration = set.field(QStringLiteral("Avion"));
        if (registration.isNull() || registration.toString() != picked)
            continue;
        mControls.Label8->setText(set.field(QStringLiteral("Type_Avion")).toString());
        mControls.Label9->setText(set.field(QStringLiteral("Société")).toString());
        mControls.Text5->setFocus(Qt::OtherFocusReason);
        return;
    }
}

FlightForm::DurationCheck FlightForm::checkDuration()
{
    const QString text = mControls.Text5->text();
    if (text.isEmpty()) {
        refuseDuration();
        return DurationCheck::Refused;
    }
    const std::optional<qint64> minutes = Duration::minutes(text);
    if (!minutes)
        return DurationCheck::NotANumber;
    if (*minutes == 0) {
        refuseDuration();
        return DurationCheck::Refused;
    }
    return DurationCheck::Accepted;
}

void FlightForm::refuseDuration()
{
    SoundCue::play(mRefusalSound);
    MessageBox::show(durationMessage);
    mControls.Text5->setFocus(Qt::OtherFocusReason);
}

qint64 FlightForm::durationMinutes() const
{
    return Duration::minutes(mControls.Text5->text()).value_or(0);
}

void FlightForm::writeFlightFields(Recordset &flights)
{
    flights.setField(QStringLiteral("Date"), mControls.QelDate->value());
    flights.setField(QStringLiteral("Avion"), mControls.Combo1->currentText());
    flights.setField(QStringLiteral("Type"), mControls.Label8->text());
    flights.setField(QStringLiteral("Société"), mControls.Label9->text());
    flights.setField(QStringLiteral("Durée"), durationMinutes());
    flights.setField(QStringLiteral("Vol"), mControls.Combo2->currentText());
    flights.setField(QStringLiteral("Commentaires"), mControls.Text7->text());
}

void FlightForm::refreshLogbookAndClose()
{
    mLogbook.refreshFlights();
    releaseLogbook();
    close();
}

void FlightForm::cancel()
{
    releaseLogbook();
    close();
}

void FlightForm::closeEvent(QCloseEvent *event)
{
    releaseLogbook();
    event->accept();
}

void FlightForm::mouseMoveEvent(QMouseEvent *event)
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    QWidget::mouseMoveEvent(event);
}
