#include "MaterialLibrary.h"

#include "MaterialError.h"
#include "MaterialParser.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace duanxin::libgen {

namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw MaterialError(path.filename().string(), 0, "cannot be read");
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string Where(const Category& c, std::size_t line) {
    return c.fileName + ":" + std::to_string(line);
}

} // namespace

std::vector<Category> MaterialLibrary::Load(const std::filesystem::path& folder) {
    if (!std::filesystem::is_directory(folder))
        throw MaterialError(folder.string(), 0, "is not a folder");
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    if (files.empty())
        throw MaterialError(folder.string(), 0, "holds no material (*.txt)");
    std::vector<Category> categories;
    for (const auto& file : files)
        categories.push_back(MaterialParser::Parse(ReadFile(file), file.filename().string()));
    CheckUnique(categories);
    return categories;
}

void MaterialLibrary::CheckUnique(const std::vector<Category>& categories) {
    std::map<std::string, std::string> firstSeen;
    std::map<std::string, std::string> categoryFiles;
    std::string report;
    for (const Category& c : categories) {
        if (auto [it, fresh] = categoryFiles.emplace(c.name, c.fileName); !fresh)
            report += c.fileName + ": category " + c.name + " is also that of " + it->second + "\n";
        for (const auto& lines : c.sections)
            for (const MaterialLine& line : lines)
                if (auto [it, fresh] = firstSeen.emplace(line.text, Where(c, line.lineNumber));
                    !fresh)
                    report += Where(c, line.lineNumber) + ": repeats " + it->second + ": " +
                              line.text + "\n";
    }
    if (!report.empty())
        throw MaterialError(report);
}

std::size_t MaterialLibrary::EntryCount(const std::vector<Category>& categories) {
    std::size_t n = 0;
    for (const Category& c : categories)
        for (const auto& lines : c.sections)
            n += lines.size();
    return n;
}

} // namespace duanxin::libgen
