#pragma once

#include <QString>
#include <QtPlugin>

class ControlSite;
class PropertyBag;

// What every control of a control library offers its container, beside the properties and
// methods it publishes through Qt's meta-object system. Containers reach it with
// qobject_cast<HostedControl *>(widget), which works across library boundaries.
class HostedControl
{
public:
    virtual ~HostedControl() = default;

    // The container's site, or nullptr when the container goes away first.
    virtual void setClientSite(ControlSite *site) = 0;

    // A control placed for the first time.
    virtual void initNew() = 0;
    // A saved control: each property that cannot be read is skipped.
    virtual void readProperties(const PropertyBag &bag) = 0;
    virtual void writeProperties(PropertyBag &bag) const = 0;

    // The container tells that one of its ambient properties changed (an empty name: several
    // or unknown).
    virtual void ambientChanged(const QString &name) = 0;
};

#define HostedControl_iid "org.tarvelin.hosting.HostedControl/1.0"
Q_DECLARE_INTERFACE(HostedControl, HostedControl_iid)
