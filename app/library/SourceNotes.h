// The attribution texts that collected messages carry. The library generator stamps them into
// the stored rows and the message view strips them again, so both read them from here.
#pragma once

#include <string>
#include <string_view>

namespace duanxin {

// The collector site the texts are credited to: six Chinese characters.
inline constexpr std::string_view kSourceName = "掌上祝福书屋";
// The same site's domain: eleven ASCII characters, under a reserved top-level domain.
inline constexpr std::string_view kSourceDomain = "zfw.example";

// "(本信息有" + name + "收集整理 " + domain + ")"
inline std::string LongSourceNote() {
    std::string note = "(本信息有";
    note += kSourceName;
    note += "收集整理 ";
    note += kSourceDomain;
    note += ")";
    return note;
}

// "(本信息有" + domain + "收集整理)"
inline std::string ShortSourceNote() {
    std::string note = "(本信息有";
    note += kSourceDomain;
    note += "收集整理)";
    return note;
}

} // namespace duanxin
