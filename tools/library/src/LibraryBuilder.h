// Composes the whole library from the material: rows per category, then the marks.
#pragma once

#include "Material.h"

#include <string>
#include <vector>

namespace duanxin::libgen {

class LibraryBuilder {
public:
    // The rows in collection order, grouped by category in the order given.
    static std::vector<std::string> Build(const std::vector<Category>& categories);

private:
    // Throws unless every shortcut word is in enough rows and 春节 in the most.
    static void CheckShortcutWords(const std::vector<std::string>& rows);
};

} // namespace duanxin::libgen
