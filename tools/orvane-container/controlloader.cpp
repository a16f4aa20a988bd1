#include "controlloader.h"

#include <controllibrary.h>
#include <controlregistry.h>
#include <hostedcontrol.h>

#include <QCoreApplication>
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

Attempt createFrom(const QString &libraryPath, const QString &classOrProgId, const QString &progId,
                   QWidget *parent)
{
    Attempt attempt;
    const QFileInfo file(libraryPath);
    if (libraryPath.isEmpty() || !file.isFile()) {
        attempt.reason =
            QStringLiteral("La bibliothèque du contrôle « %1 » est introuvable.").arg(progId);
        return attempt;
    }
    attempt.libraryFound = true;
    // Plugins load by absolute path only.
    QLibrary library(file.absoluteFilePath());
    if (!library.load()) {
        attempt.reason = QStringLiteral("La bibliothèque « %1 » ne peut pas être chargée (%2).")
                             .arg(file.fileName(), library.errorString());
        return attempt;
    }
    const auto getClassObject = reinterpret_cast<ControlGetClassObjectFunction>(
        library.resolve(ControlLibrary::getClassObjectName));
    ControlClassFactory *factory = nullptr;
    if (!getClassObject ||
        getClassObject(classOrProgId.toUtf8().constData(), &factory) != ControlOk || !factory) {
        attempt.reason = QStringLiteral("La bibliothèque « %1 » ne fournit pas le contrôle « %2 ».")
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

QString besideExecutable(const QString &progId)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') +
           progId.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".so");
}

} // namespace

QWidget *ControlLoader::create(const QString &progId, QWidget *parent, QString *reason)
{
    Attempt registered;
    if (const auto entry = ControlRegistry::find(progId)) {
        registered = createFrom(entry->libraryPath, entry->classId, progId, parent);
        if (registered.control)
            return registered.control;
    }
    const Attempt local = createFrom(besideExecutable(progId), progId, progId, parent);
    if (local.control)
        return local.control;
    if (reason)
        *reason = registered.libraryFound && !local.libraryFound ? registered.reason : local.reason;
    return nullptr;
}
