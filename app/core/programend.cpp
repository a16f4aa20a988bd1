#include "programend.h"

#include <cstdio>
#include <cstdlib>

namespace {
ProgramEnd::Hook &installedHook()
{
    static ProgramEnd::Hook hook;
    return hook;
}
} // namespace

void ProgramEnd::now(int exitCode)
{
    if (installedHook()) {
        installedHook()(exitCode);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

void ProgramEnd::setHook(Hook hook)
{
    installedHook() = std::move(hook);
}
