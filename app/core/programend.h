#pragma once

#include <functional>

// Ends the whole program at once, as Quitter and a fatal engine error do: no window is closed
// one by one and nothing is asked. Every write is committed or rolled back by then. Tests
// replace it to see the end without losing their process.
class ProgramEnd
{
public:
    using Hook = std::function<void(int exitCode)>;

    static void now(int exitCode);
    static void setHook(Hook hook);
};
