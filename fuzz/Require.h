// A promise of the code under test that an input broke: the fuzzer stops there and keeps the
// input, and the corpus replay fails on it.
#pragma once

#include <cstdlib>

inline void Require(bool held) {
    if (!held)
        std::abort();
}
