#pragma once

#include <functional>

// The system beep that comes before a refusal. Tests install a hook to see it.
class Beep
{
public:
    using Hook = std::function<void()>;

    static void sound();
    static void setHook(Hook hook);
};
