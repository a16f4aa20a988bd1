#pragma once

#include <cstdio>
#include <cstdlib>
#include <QtGlobal>

// An invariant broken: say which, then crash so the fuzzer keeps the input.
inline void check(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "broken invariant: %s\n", what);
    std::abort();
}
#define CHECK(condition) check((condition), #condition)

// Known findings are let through while their code is not mended, so the fuzzer goes on
// looking for new ones; scripts/fuzz findings sets TARVELIN_FUZZ_STRICT to hold them again.
inline bool skipKnownFindings()
{
    static const bool skip = !qEnvironmentVariableIsSet("TARVELIN_FUZZ_STRICT");
    return skip;
}
