// Makes the rows of one category: its whole messages as they are, then composed messages
// (opener + one or two bodies + wish + optional closing) from the least-used lines.
#pragma once

#include "ClauseLedger.h"
#include "Material.h"
#include "SplitMix64.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace duanxin::libgen {

class CategoryComposer {
public:
    // keyword, when not empty, must occur in every composed row. The ledger, random source
    // and the set of rows already made are shared by all categories.
    CategoryComposer(const Category& category, std::string_view keyword, ClauseLedger& ledger,
                     SplitMix64& rng, std::unordered_set<std::string>& taken, std::size_t maxChars);

    // Exactly quota rows, none in taken before; throws when the material cannot give them.
    std::vector<std::string> Compose(std::size_t quota);

private:
    struct Candidate {
        const MaterialLine* line;
        std::vector<std::string> keys;
        bool hasKeyword;
    };
    using Pool = std::vector<Candidate>;
    struct Picks {
        std::array<const Candidate*, 5> parts{}; // opener, body, body, wish, closing
    };

    const Pool& PoolOf(Section s) const { return pools_[static_cast<std::size_t>(s)]; }
    const Candidate* Pick(const Pool& pool, unsigned slack, const Candidate* exclude,
                          bool keywordOnly);
    const Candidate* PickKeywordLine(unsigned slack, Section& section);
    std::optional<Picks> Choose(unsigned slack);
    bool Accept(const std::string& text, const std::vector<std::string>& keys);
    std::optional<std::string> TryCompose(unsigned slack);

    const Category& category_;
    std::string keyword_;
    ClauseLedger& ledger_;
    SplitMix64& rng_;
    std::unordered_set<std::string>& taken_;
    std::size_t maxChars_;
    std::array<Pool, kSectionCount> pools_;
};

} // namespace duanxin::libgen
