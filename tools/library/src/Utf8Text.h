// Small UTF-8 helpers for the material checks and the composition.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace duanxin::libgen {

// The code points of text, or nothing when text is not well-formed UTF-8.
std::optional<std::vector<char32_t>> DecodeUtf8(std::string_view text);

// Number of code points of well-formed UTF-8 text.
std::size_t CodePointCount(std::string_view text);

// True when every character of text has a code in code page 936 (GBK).
bool IsGbkText(std::string_view text);

// The clauses of a natural text, each cut after ，。！？；：or …… and stripped of its
// punctuation and quotes, so 新年快乐！ and 新年快乐。 count as one clause.
std::vector<std::string> SplitClauses(std::string_view text);

} // namespace duanxin::libgen
