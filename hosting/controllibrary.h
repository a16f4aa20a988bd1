#pragma once

#include <QString>

class QWidget;

// The contract between a container and a control library loaded at run time: the library
// exports four C functions under the names below and hands out one class factory per control
// class. Results follow one convention: ControlOk for success or "yes", ControlFalse for "no".

enum ControlResult : int {
    ControlOk = 0,
    ControlFalse = 1,
    ControlFailed = -1,
    ControlClassNotAvailable = -2,
};

// Creates the controls of one class. A factory lives as long as its library is loaded.
class ControlClassFactory
{
public:
    virtual ~ControlClassFactory() = default;
    virtual QString classId() const = 0;
    virtual QString progId() const = 0;
    // A new control owned by `parent`, or nullptr when it cannot be made.
    virtual QWidget *createInstance(QWidget *parent) = 0;
};

extern "C" {
// Writes the library's classes into the per-user control registry.
using ControlRegisterServerFunction = int (*)();
// Removes them again.
using ControlUnregisterServerFunction = int (*)();
// The factory of a class, asked by its class identifier or its program identifier.
using ControlGetClassObjectFunction = int (*)(const char *classOrProgId,
                                              ControlClassFactory **factory);
// ControlOk when no control of the library is alive any more.
using ControlCanUnloadNowFunction = int (*)();
}

namespace ControlLibrary {
inline constexpr char registerServerName[] = "controlRegisterServer";
inline constexpr char unregisterServerName[] = "controlUnregisterServer";
inline constexpr char getClassObjectName[] = "controlGetClassObject";
inline constexpr char canUnloadNowName[] = "controlCanUnloadNow";
} // namespace ControlLibrary

// Marks the four exports in a library built with hidden symbols.
#define CONTROL_LIBRARY_EXPORT extern "C" __attribute__((visibility("default")))
