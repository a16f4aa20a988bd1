#pragma once

#include <functional>
#include <QString>

// Opens a file in the program the desktop gives its kind. Tests install a hook, so that no
// program is ever launched from the test run.
class DesktopOpener
{
public:
    using Hook = std::function<bool(const QString &path)>;

    // False when the desktop found nothing to open the file with.
    static bool open(const QString &path);
    static void setHook(Hook hook);
};
