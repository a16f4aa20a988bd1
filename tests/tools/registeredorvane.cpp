#include "registeredorvane.h"

#include <controllibrary.h>
#include <controlregistry.h>

#include <QLibrary>

bool RegisteredOrvane::setUp(QString *reason)
{
    if (!mDataHome.isValid()) {
        *reason = QStringLiteral("no temporary folder");
        return false;
    }
    qputenv("XDG_DATA_HOME", mDataHome.path().toLocal8Bit());
    QLibrary library(QStringLiteral(ORVANE_LIBRARY_PATH));
    const auto registerServer = reinterpret_cast<ControlRegisterServerFunction>(
        library.resolve(ControlLibrary::registerServerName));
    if (!registerServer) {
        *reason = library.errorString();
        return false;
    }
    if (registerServer() != ControlOk ||
        !ControlRegistry::find(QStringLiteral("Orvane.QelCbCalc"))) {
        *reason = QStringLiteral("registration failed");
        return false;
    }
    return true;
}
