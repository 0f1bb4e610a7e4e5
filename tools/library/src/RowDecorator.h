// Gives the natural rows the marks that collected texts carry: person placeholders in place
// of 我/你/他 and source notes. Every mark can be undone, so distinct natural rows stay distinct.
#pragma once

#include "SplitMix64.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace duanxin::libgen {

class RowDecorator {
public:
    RowDecorator(SplitMix64& rng, std::size_t maxChars) : rng_(rng), maxChars_(maxChars) {}

    // Puts placeholders into count rows holding a pronoun, all of its pronouns or some.
    void AddPlaceholders(std::vector<std::string>& rows, std::size_t count);
    // Ends count rows with a source note; the first bothCount of them also get the other
    // note after one of their sentences.
    void AddNotes(std::vector<std::string>& rows, std::size_t count, std::size_t bothCount);

    // The natural text of a stored row: notes removed, placeholders replaced back.
    static std::string Restore(std::string_view stored);

private:
    struct Pronoun {
        std::size_t offset;
        std::size_t kind;
    };
    static std::vector<Pronoun> PronounsOf(std::string_view text);
    std::string WithPlaceholders(std::string_view text, const std::vector<Pronoun>& pronouns);
    std::vector<std::size_t> ShuffledIndices(std::size_t n);
    bool Fits(std::string_view text) const;

    SplitMix64& rng_;
    std::size_t maxChars_;
};

} // namespace duanxin::libgen
