#pragma once

#include <QString>

class QWidget;

// Makes a control of a control library by its program identifier. The library is found
// through the per-user control registry first, then beside the container's executable
// ("Orvane.QelCbCalc" in "Orvane.so"). Libraries stay loaded for the rest of the run: their
// classes live on in widgets and meta-objects.
class ControlLoader
{
public:
    // A new control owned by `parent`, not yet given a site; nullptr when it cannot be made,
    // with the reason (a French sentence for the user) in `reason`.
    static QWidget *create(const QString &progId, QWidget *parent, QString *reason);
};
