#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

// A broken property is a crash for libFuzzer: it keeps the input and stops. Independent of
// NDEBUG, so the targets check the same in every build type.
#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "fuzz property broken: %s (%s:%d)\n", what, __FILE__, __LINE__);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
