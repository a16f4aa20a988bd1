#include "controlhost.h"

#include <QWidget>

QWidget *ControlHost::createControl(const QString &progId, QWidget *parent, QString *reason)
{
    Q_UNUSED(parent);
    if (reason)
        *reason = QStringLiteral("Le contrôle « %1 » n'est pas installé.").arg(progId);
    return nullptr;
}
