#pragma once

#include <functional>

// The system beep of the control library, in one place so that tests can hear it.
class SystemBeep
{
public:
    static void play();
    // Replaces the beep (an empty function restores it).
    static void setHook(std::function<void()> hook);
};
