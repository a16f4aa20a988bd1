#pragma once

#include "datasource.h"

#include <QWidget>

class DateCombo;
class QComboBox;
class QLabel;
class QLineEdit;
class Zivada;

// What the add-flight and edit-flight forms share: the seven flight controls, the aircraft list
// and the lookup of type and owner on a pick, the digits-only duration and its check, the
// writing of the flight fields, and the hold on the logbook window, which stays disabled while
// the form is open and is enabled again by every way of closing it.
class FlightForm : public QWidget
{
    Q_OBJECT

public:
    ~FlightForm() override;

protected:
    // The controls of the form, in the order of the flight fields they show.
    struct Controls
    {
        DateCombo *QelDate;
        QComboBox *Combo1;
        QLabel *Label8;
        QLabel *Label9;
        QLineEdit *Text5;
        QComboBox *Combo2;
        QLineEdit *Text7;
    };

    enum class DurationCheck { Accepted, Refused, NotANumber };
    enum class ListOrder { Sorted, AsRead };

    // The aircraft data source bears the form's own name for it.
    FlightForm(Zivada &logbook, const QString &aircraftSourceName, const QString &refusalSound);

    // Called once the form's controls exist.
    void useControls(const Controls &controls);

    Zivada &logbook() { return mLogbook; }
    const Controls &controls() const { return mControls; }

    void centreOnScreen();
    void holdLogbook();
    void releaseLogbook();
    void fillAircraftList(ListOrder order);
    void fillKindList();
    void showAircraftDetails();

    // An empty or zero duration is refused with the form's sound and the message, and the
    // focus goes back to the duration box. A text that is no duration is only reported: each
    // form decides what to make of it.
    DurationCheck checkDuration();
    void refuseDuration();
    // The minutes of a checked duration.
    qint64 durationMinutes() const;

    void writeFlightFields(Recordset &flights);
    void refreshLogbookAndClose();
    void cancel();

    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void keepPicksOnly(QComboBox *combo);
    void openAircraft(const QString &statement);

    Zivada &mLogbook;
    DataSource mAircraftSource;
    QString mRefusalSound;
    Controls mControls{};
};
