#include "controlhost.h"

#include "controlsiteobject.h"
#include "programfolder.h"

#include <controllibrary.h>
#include <controlregistry.h>
#include <hostedcontrol.h>

#include <QFileInfo>
#include <QLibrary>
#include <QWidget>

namespace {

struct Attempt
{
    QWidget *control = nullptr;
    QString reason;
    bool libraryFound = false;
};

// Loads the library (it stays loaded for the rest of the run: its classes may still be in use
// by widgets and meta-objects), asks it for the class object and for one control.
Attempt createFrom(const QString &libraryPath, const QString &classOrProgId, const QString &progId,
                   QWidget *parent)
{
    Attempt attempt;
    const QString fileName = QFileInfo(libraryPath).fileName();
    if (libraryPath.isEmpty() || !QFileInfo(libraryPath).isFile()) {
        attempt.reason = QStringLiteral("La bibliothèque « %1 » est introuvable.")
                             .arg(libraryPath.isEmpty() ? progId : libraryPath);
        return attempt;
    }
    attempt.libraryFound = true;
    QLibrary library(QFileInfo(libraryPath).absoluteFilePath());
    if (!library.load()) {
        attempt.reason = QStringLiteral("La bibliothèque « %1 » ne peut pas être chargée (%2).")
                             .arg(fileName, library.errorString());
        return attempt;
    }
    const auto getClassObject = reinterpret_cast<ControlGetClassObjectFunction>(
        library.resolve(ControlLibrary::getClassObjectName));
    if (!getClassObject) {
        attempt.reason =
            QStringLiteral("« %1 » n'est pas une bibliothèque de contrôles.").arg(fileName);
        return attempt;
    }
    ControlClassFactory *factory = nullptr;
    if (getClassObject(classOrProgId.toUtf8().constData(), &factory) != ControlOk || !factory) {
        attempt.reason = QStringLiteral("La bibliothèque « %1 » ne fournit pas le contrôle « %2 ».")
                             .arg(fileName, progId);
        return attempt;
    }
    QWidget *control = factory->createInstance(parent);
    HostedControl *hosted = qobject_cast<HostedControl *>(control);
    if (!control || !hosted) {
        delete control;
        attempt.reason = QStringLiteral("Le contrôle « %1 » n'a pas pu être créé.").arg(progId);
        return attempt;
    }
    hosted->setClientSite(new ControlSiteObject(control));
    hosted->initNew();
    attempt.control = control;
    return attempt;
}

// "Orvane.QelCbCalc" is found in "Orvane.so".
QString programFolderLibrary(const QString &progId)
{
    return ProgramFolder::filePath(progId.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".so"));
}

} // namespace

QWidget *ControlHost::createControl(const QString &progId, QWidget *parent, QString *reason)
{
    Attempt registered;
    if (const auto entry = ControlRegistry::find(progId)) {
        registered = createFrom(entry->libraryPath, entry->classId, progId, parent);
        if (registered.control)
            return registered.control;
    }
    const Attempt local = createFrom(programFolderLibrary(progId), progId, progId, parent);
    if (local.control)
        return local.control;
    if (reason) {
        // The failure that says the most: a library that was there but failed.
        *reason = registered.libraryFound && !local.libraryFound ? registered.reason : local.reason;
    }
    return nullptr;
}
