#include "controlhost.h"

#include "controlsiteobject.h"
#include "programfolder.h"

#include <controlloader.h>
#include <hostedcontrol.h>

QWidget *ControlHost::createControl(const QString &progId, QWidget *parent, QString *reason)
{
    QWidget *control = ControlLoader::create(progId, ProgramFolder::path(), parent, reason);
    if (auto *hosted = qobject_cast<HostedControl *>(control)) {
        hosted->setClientSite(new ControlSiteObject(control));
        hosted->initNew();
    }
    return control;
}
