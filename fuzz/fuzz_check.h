#pragma once
// A broken invariant ends the run the way a crash does, so libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>

#define VRD_FUZZ_CHECK(condition)                                                                  \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
