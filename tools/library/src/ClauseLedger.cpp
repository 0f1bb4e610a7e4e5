#include "ClauseLedger.h"

#include "LibraryTargets.h"
#include "Utf8Text.h"

#include <algorithm>

namespace duanxin::libgen {

std::vector<std::string> ClauseLedger::KeysOf(std::string_view line) {
    std::vector<std::string> keys;
    for (std::string& clause : SplitClauses(line))
        if (CodePointCount(clause) >= kMinCountedClauseChars)
            keys.push_back(std::move(clause));
    // The prefix keeps a one-clause line apart from the clause it holds.
    keys.push_back("=" + std::string(line));
    return keys;
}

std::size_t ClauseLedger::Peak(const std::vector<std::string>& keys) const {
    std::size_t peak = 0;
    for (const std::string& key : keys)
        if (auto it = rows_.find(key); it != rows_.end())
            peak = std::max(peak, it->second);
    return peak;
}

void ClauseLedger::Record(std::vector<std::string> keys) {
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (std::string& key : keys)
        ++rows_[std::move(key)];
}

} // namespace duanxin::libgen
