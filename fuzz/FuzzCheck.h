#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken property ends the run the way libFuzzer records a crash, saying which one.
#define FUZZ_CHECK(holds)                                                                         \
    ((holds) ? void()                                                                             \
             : (std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #holds), \
                std::abort()))
