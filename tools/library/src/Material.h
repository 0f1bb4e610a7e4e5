// One category of source material as read from its file.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace duanxin::libgen {

enum class Section { Whole = 0, Opener = 1, Body = 2, Wish = 3, Closing = 4 };
inline constexpr std::size_t kSectionCount = 5;

// What an entry of each section must look like; sections must appear in this order.
struct SectionRule {
    Section section;
    std::string_view header;
    std::size_t minChars;
    std::size_t maxChars;
    std::size_t minEntries;
    // The characters an entry may end with (a closing quote after them is allowed).
    std::u32string_view endings;
};
inline constexpr std::array<SectionRule, kSectionCount> kSectionRules{{
    {Section::Whole, "[whole]", 20, 150, 25, U"。！？…"},
    {Section::Opener, "[opener]", 5, 30, 15, U"，！。；"},
    {Section::Body, "[body]", 8, 45, 30, U"。！？；…"},
    {Section::Wish, "[wish]", 8, 45, 25, U"！。"},
    {Section::Closing, "[closing]", 5, 35, 10, U"！。？…"},
}};

inline const SectionRule& RuleOf(Section s) {
    return kSectionRules[static_cast<std::size_t>(s)];
}

struct MaterialLine {
    std::string text;
    std::size_t lineNumber;
};

struct Category {
    std::string name;
    std::string fileName;
    std::array<std::vector<MaterialLine>, kSectionCount> sections;

    const std::vector<MaterialLine>& Lines(Section s) const {
        return sections[static_cast<std::size_t>(s)];
    }
};

} // namespace duanxin::libgen
