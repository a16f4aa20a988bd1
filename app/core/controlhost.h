#pragma once

#include <QString>

class QWidget;

// Places a control of a control library by its program identifier. The library is found
// through the per-user control registry first, then in the program folder.
class ControlHost
{
public:
    // The new control, owned by `parent`; nullptr when it cannot be created, with the reason
    // (a French sentence for the user) in `reason`.
    static QWidget *createControl(const QString &progId, QWidget *parent, QString *reason);
};
