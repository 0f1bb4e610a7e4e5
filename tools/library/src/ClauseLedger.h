// Counts, for every clause and every material line, how many rows of the library hold it, so
// the composer can keep each of them under the repetition limit and spread their use.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace duanxin::libgen {

class ClauseLedger {
public:
    explicit ClauseLedger(std::size_t rowLimit) : rowLimit_(rowLimit) {}

    // What a material line adds to a row: its counted clauses and the line itself.
    static std::vector<std::string> KeysOf(std::string_view line);

    // The row count of the most used of keys.
    std::size_t Peak(const std::vector<std::string>& keys) const;
    // True when one more row holding keys stays within the limit.
    bool Admits(const std::vector<std::string>& keys) const { return Peak(keys) < rowLimit_; }
    // Counts one row holding keys; a key named twice counts once.
    void Record(std::vector<std::string> keys);

private:
    std::unordered_map<std::string, std::size_t> rows_;
    std::size_t rowLimit_;
};

} // namespace duanxin::libgen
