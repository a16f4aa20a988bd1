// The four exports of the library Orvane; everything else stays hidden.

#include "orvaneids.h"
#include "qelcbcalc.h"
#include "qelcbcalcfactory.h"

#include <controllibrary.h>
#include <controlregistry.h>

#include <QFileInfo>

#include <dlfcn.h>

namespace {

// The absolute path of this library, as the dynamic loader knows it.
QString libraryPath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&libraryPath), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

} // namespace

CONTROL_LIBRARY_EXPORT int controlRegisterServer()
{
    const QString path = libraryPath();
    if (path.isEmpty())
        return ControlFailed;
    const QelCbCalcFactory &factory = QelCbCalcFactory::instance();
    return ControlRegistry::add({factory.progId(), factory.classId(), path}) ? ControlOk
                                                                             : ControlFailed;
}

CONTROL_LIBRARY_EXPORT int controlUnregisterServer()
{
    return ControlRegistry::remove(QelCbCalcFactory::instance().progId()) ? ControlOk
                                                                          : ControlFailed;
}

CONTROL_LIBRARY_EXPORT int controlGetClassObject(const char *classOrProgId,
                                                 ControlClassFactory **factory)
{
    if (!factory)
        return ControlFailed;
    *factory = nullptr;
    if (!classOrProgId)
        return ControlClassNotAvailable;
    QelCbCalcFactory &ours = QelCbCalcFactory::instance();
    const QString wanted = QString::fromUtf8(classOrProgId);
    if (wanted.compare(ours.classId(), Qt::CaseInsensitive) != 0 &&
        wanted.compare(ours.progId(), Qt::CaseInsensitive) != 0)
        return ControlClassNotAvailable;
    *factory = &ours;
    return ControlOk;
}

CONTROL_LIBRARY_EXPORT int controlCanUnloadNow()
{
    return QelCbCalc::aliveCount() == 0 ? ControlOk : ControlFalse;
}
