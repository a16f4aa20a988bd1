#include "desktopopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
DesktopOpener::Hook &installedHook()
{
    static DesktopOpener::Hook hook;
    return hook;
}
} // namespace

bool DesktopOpener::open(const QString &path)
{
    if (installedHook())
        return installedHook()(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void DesktopOpener::setHook(Hook hook)
{
    installedHook() = std::move(hook);
}
