// What the generated library must hold, and the knobs of its composition, in one place.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace duanxin::libgen {

inline constexpr std::size_t kRowCount = 26753;
// The text column holds at most this many characters (code points).
inline constexpr std::size_t kMaxRowChars = 255;
// No clause of the material may occur in more rows than this: 2% of the library.
inline constexpr std::size_t kClauseRowLimit = kRowCount * 2 / 100;
// Shorter clauses (vocatives such as 妈妈，) are too small to count as repeated text.
inline constexpr std::size_t kMinCountedClauseChars = 4;

// A festival with a search shortcut: its category must carry the word in many rows, so its
// share of the library is larger than that of an ordinary category.
struct ShortcutFestival {
    std::string_view word;
    unsigned weightPercent;
};
inline constexpr std::array<ShortcutFestival, 6> kShortcutFestivals{{
    {"春节", 300},
    {"元旦", 200},
    {"圣诞", 200},
    {"愚人", 160},
    {"母亲", 180},
    {"父亲", 180},
}};
inline constexpr unsigned kOrdinaryWeightPercent = 100;
inline constexpr std::size_t kMinShortcutWordRows = 300;

// Decoration of the natural rows, as collected texts carried it.
inline constexpr std::size_t kPlaceholderRows = 1600;
inline constexpr std::size_t kNotedRows = 2000;
inline constexpr std::size_t kBothNotesRows = 150;

// Shape of a composed row: opener + body [+ body] + wish [+ closing].
inline constexpr unsigned kSecondBodyPerMille = 200;
inline constexpr unsigned kClosingPerMille = 400;
// How often a row is drawn again (with more slack in the choice) before the category fails.
inline constexpr unsigned kComposeAttempts = 200;

inline constexpr std::uint64_t kSeed = 0x6475616e78696e31; // "duanxin1"

} // namespace duanxin::libgen
