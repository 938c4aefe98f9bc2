#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The entry points every fuzz target defines; libFuzzer or the replay main calls them.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);

// A broken promise of the code under test: reported like a crash, so that
// libFuzzer keeps the input and the replay test fails.
#define FUZZ_CHECK(condition, what)                                                         \
    do {                                                                                    \
        if (!(condition)) {                                                                 \
            std::fprintf(stderr, "FUZZ_CHECK failed: %s (%s:%d)\n", (what), __FILE__, __LINE__); \
            std::abort();                                                                   \
        }                                                                                   \
    } while (false)
