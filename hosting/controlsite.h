#pragma once

#include <QFont>
#include <QString>

// What a container offers a control it places: ambient properties, the extender it keeps for
// the control, and the notification that a property changed (so the container knows to save).
// The container owns the site and keeps it alive as long as the control.
class ControlSite
{
public:
    virtual ~ControlSite() = default;

    // Ambient properties.
    // False while the container is in design mode.
    virtual bool ambientUserMode() const = 0;
    virtual QFont ambientFont() const = 0;

    // Extender properties: what the container holds about the control beside the control's
    // own properties. Visibility and focus go through the control's widget itself.
    virtual QString extenderToolTip() const = 0;

    // Called by the control at the end of each property put, with the property's name.
    virtual void propertyChanged(const QString &name) = 0;
};
