#pragma once

#include "controllibrary.h"
#include "controlregistry.h"
#include "hostedcontrol.h"

#include <QFileInfo>
#include <QLibrary>
#include <QString>
#include <QWidget>

// Makes a control of a control library by its program identifier, for any container. The
// library is found through the per-user control registry first, then in the container's own
// folder ("Orvane.QelCbCalc" in "Orvane.so"). Libraries stay loaded for the rest of the run:
// their classes live on in widgets and meta-objects.
class ControlLoader
{
public:
    // A new control owned by `parent`, not yet given a site; nullptr when it cannot be made,
    // with the reason (a French sentence for the user) in `reason`.
    static QWidget *create(const QString &progId, const QString &containerFolder, QWidget *parent,
                           QString *reason)
    {
        Attempt registered;
        if (const auto entry = ControlRegistry::find(progId)) {
            registered = createFrom(entry->libraryPath, entry->classId, progId, parent);
            if (registered.control)
                return registered.control;
        }
        const QString local = containerFolder + QLatin1Char('/') +
                              progId.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".so");
        const Attempt fromFolder = createFrom(local, progId, progId, parent);
        if (fromFolder.control)
            return fromFolder.control;
        if (reason) {
            // The failure that says the most: a library that was there but failed.
            *reason = registered.libraryFound && !fromFolder.libraryFound ? registered.reason
                                                                          : fromFolder.reason;
        }
        return nullptr;
    }

private:
    struct Attempt
    {
        QWidget *control = nullptr;
        QString reason;
        bool libraryFound = false;
    };

    static Attempt createFrom(const QString &libraryPath, const QString &classOrProgId,
                              const QString &progId, QWidget *parent)
    {
        Attempt attempt;
        const QFileInfo file(libraryPath);
        if (libraryPath.isEmpty() || !file.isFile()) {
            attempt.reason =
                QStringLiteral("La bibliothèque « %1 » du contrôle « %2 » est introuvable.")
                    .arg(file.fileName(), progId);
            return attempt;
        }
        attempt.libraryFound = true;
        QLibrary library(file.absoluteFilePath()); // libraries load by absolute path only
        if (!library.load()) {
            attempt.reason = QStringLiteral("La bibliothèque « %1 » ne peut pas être chargée (%2).")
                                 .arg(file.fileName(), library.errorString());
            return attempt;
        }
        const auto getClassObject = reinterpret_cast<ControlGetClassObjectFunction>(
            library.resolve(ControlLibrary::getClassObjectName));
        if (!getClassObject) {
            attempt.reason = QStringLiteral("« %1 » n'est pas une bibliothèque de contrôles.")
                                 .arg(file.fileName());
            return attempt;
        }
        ControlClassFactory *factory = nullptr;
        if (getClassObject(classOrProgId.toUtf8().constData(), &factory) != ControlOk || !factory) {
            attempt.reason =
                QStringLiteral("La bibliothèque « %1 » ne fournit pas le contrôle « %2 ».")
                    .arg(file.fileName(), progId);
            return attempt;
        }
        QWidget *control = factory->createInstance(parent);
        if (!control || !qobject_cast<HostedControl *>(control)) {
            delete control;
            attempt.reason = QStringLiteral("Le contrôle « %1 » n'a pas pu être créé.").arg(progId);
            return attempt;
        }
        attempt.control = control;
        return attempt;
    }
};
