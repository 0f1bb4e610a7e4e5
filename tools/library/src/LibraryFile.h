// The library file on disk: an SQLite database with the one table the program reads.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace duanxin::libgen {

class LibraryFile {
public:
    // Writes rows in their order to a temporary file beside path and renames it into place,
    // so a failed run never leaves half a library behind.
    static void Write(const std::vector<std::string>& rows, const std::filesystem::path& path);
    // The rows in stored order.
    static std::vector<std::string> Read(const std::filesystem::path& path);
};

} // namespace duanxin::libgen
