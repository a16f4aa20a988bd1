#pragma once

#include <controlsite.h>

#include <QObject>
#include <QPointer>

class QWidget;

// The logbook's site for one control it places: always in run mode, with the font of the
// window that holds the control. It lives as a child of the control, so it goes with it.
class ControlSiteObject : public QObject, public ControlSite
{
    Q_OBJECT

public:
    explicit ControlSiteObject(QWidget *control);

    bool ambientUserMode() const override { return true; }
    QFont ambientFont() const override;
    // The tool tip the container keeps for the control is the control widget's own.
    QString extenderToolTip() const override;
    void propertyChanged(const QString &name) override;

signals:
    void controlPropertyChanged(const QString &name);

private:
    QPointer<QWidget> mControl;
};
