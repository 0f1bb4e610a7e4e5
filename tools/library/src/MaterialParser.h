// Reads one material file (see README.md) and checks every entry against the section rules.
#pragma once

#include "Material.h"

#include <string>
#include <string_view>

namespace duanxin::libgen {

class MaterialParser {
public:
    // Throws MaterialError naming fileName and the line of the first fault.
    static Category Parse(std::string_view text, const std::string& fileName);

private:
    static void CheckEntry(std::string_view entry, const SectionRule& rule,
                           const std::string& fileName, std::size_t line);
};

} // namespace duanxin::libgen
