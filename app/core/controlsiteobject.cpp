#include "controlsiteobject.h"

#include <QApplication>
#include <QWidget>

ControlSiteObject::ControlSiteObject(QWidget *control)
    : QObject(control)
    , mControl(control)
{}

QFont ControlSiteObject::ambientFont() const
{
    if (mControl && mControl->parentWidget())
        return mControl->parentWidget()->font();
    return QApplication::font();
}

QString ControlSiteObject::extenderToolTip() const
{
    return mControl ? mControl->toolTip() : QString();
}

void ControlSiteObject::propertyChanged(const QString &name)
{
    emit controlPropertyChanged(name);
}
