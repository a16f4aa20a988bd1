#include "designsite.h"

#include "designform.h"

#include <QWidget>

DesignSite::DesignSite(DesignForm *form, QWidget *control)
    : QObject(control)
    , mForm(form)
    , mControl(control)
{}

bool DesignSite::ambientUserMode() const
{
    return mForm && mForm->userMode();
}

QFont DesignSite::ambientFont() const
{
    return mForm ? mForm->font() : QFont();
}

void DesignSite::propertyChanged(const QString &name)
{
    if (mForm)
        mForm->controlPropertyChanged(mControl, name);
}
