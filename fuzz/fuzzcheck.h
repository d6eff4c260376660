#pragma once

#include <cstdio>
#include <cstdlib>

// Invariants of the fuzz targets. Unlike assert() these stay on in optimised builds, and a
// broken invariant aborts, which libFuzzer records as a crash with its input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
