// All material files of a folder, read in file-name order so the output never depends on the
// order the file system lists them in.
#pragma once

#include "Material.h"

#include <filesystem>
#include <vector>

namespace duanxin::libgen {

class MaterialLibrary {
public:
    // Reads every *.txt of folder; throws MaterialError on a faulty file, on a line that
    // occurs twice anywhere (all such lines are reported) and on a category named twice.
    static std::vector<Category> Load(const std::filesystem::path& folder);

    // Throws MaterialError listing every entry that occurs more than once.
    static void CheckUnique(const std::vector<Category>& categories);

    // Number of distinct entries of all categories.
    static std::size_t EntryCount(const std::vector<Category>& categories);
};

} // namespace duanxin::libgen
