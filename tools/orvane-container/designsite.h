#pragma once

#include <controlsite.h>

#include <QObject>
#include <QPointer>

class DesignForm;
class QWidget;

// The site of one control placed on a design form: the form's mode and font as ambient
// properties. It lives as a child of the control, so it goes with it.
class DesignSite : public QObject, public ControlSite
{
    Q_OBJECT

public:
    DesignSite(DesignForm *form, QWidget *control);

    bool ambientUserMode() const override;
    QFont ambientFont() const override;
    QString extenderToolTip() const override { return mToolTip; }
    void setExtenderToolTip(const QString &toolTip) { mToolTip = toolTip; }
    void propertyChanged(const QString &name) override;

private:
    QPointer<DesignForm> mForm;
    QWidget *mControl;
    QString mToolTip;
};
