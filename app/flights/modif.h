#pragma once

#include "datasource.h"
#include "flightform.h"
#include "ui_modif.h"

// The edit-flight form: the flight the logbook chose, found by its Num in the form's own
// flight data source, whose current row is the flight being edited. The duration and comment
// boxes are bound to that row. Any failure of a save is reported in one message and leaves
// the form open.
class Modif : public FlightForm
{
    Q_OBJECT

public:
    explicit Modif(Zivada &logbook);

    void save();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadForm();
    bool findFlight(qint64 num);
    void showFlight();
    void commit();
    void reportSaveFailure();

    Ui::Modif ui;
    DataSource mData2;
};
