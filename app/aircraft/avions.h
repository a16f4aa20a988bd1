#pragma once

#include "datasource.h"
#include "ui_avions.h"

#include <QDialog>
#include <QPointer>

// The aircraft register: one aircraft at a time from Tbl_Avions, edited, added, cancelled and
// deleted through the Edition menu, each save checked by VérifAvions. The logbook window given
// at construction stays disabled until the register is left, whatever the way out (Quitter, the
// picture button, Escape, the close button). Leaving drops typing not yet saved, as moving with
// the navigation bar does: nothing reaches the file without passing VérifAvions.
class Avions : public QDialog
{
    Q_OBJECT

public:
    explicit Avions(QWidget *logbook, QWidget *parent = nullptr);
    ~Avions() override;

    // Checks and upper-cases the three boxes; sets aircraftInvalid() to 1 on a refusal.
    void VérifAvions();
    int aircraftInvalid() const { return mAircraftInvalid; }

    // The menu commands, by the index of their item.
    void fileMenuClicked(int index);
    void editMenuClicked(int index);

    DataSource &dataPlane() { return mDataPlane; }

    enum FileItem { FileQuit = 0 };
    enum EditItem { EditModify = 0, EditNew = 1, EditAdd = 2, EditCancel = 3, EditDelete = 5 };

public slots:
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void loadWindow();
    void setBrowsingState();
    void setNewAircraftState();
    void showLastOrStartNew();

    void modifyAircraft();
    void newAircraft();
    void addAircraft();
    void cancelNewAircraft();
    void deleteAircraft();
    void releaseLogbook();

    Ui::Avions ui;
    DataSource mDataPlane;
    QPointer<QWidget> mLogbook;
    QList<QAction *> mEditItems;
    int mAircraftInvalid = 0;
};
