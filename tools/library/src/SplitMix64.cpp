#include "SplitMix64.h"

namespace duanxin::libgen {

std::uint64_t SplitMix64::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t SplitMix64::Below(std::uint64_t bound) {
    // Rejection keeps every value equally likely.
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
    std::uint64_t r = Next();
    while (r >= limit)
        r = Next();
    return r % bound;
}

} // namespace duanxin::libgen
