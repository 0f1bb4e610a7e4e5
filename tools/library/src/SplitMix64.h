// The generator's own random numbers: splitmix64 with a fixed seed gives the same sequence on
// every machine, where the standard distributions are free to differ between libraries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace duanxin::libgen {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next();
    // Uniform in [0, bound); bound > 0.
    std::uint64_t Below(std::uint64_t bound);
    // True with a chance of perMille / 1000.
    bool Chance(unsigned perMille) { return Below(1000) < perMille; }

    template <typename T> void Shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[Below(i)]);
    }

private:
    std::uint64_t state_;
};

} // namespace duanxin::libgen
