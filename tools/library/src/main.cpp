// duanxin-libgen MATERIAL_DIR OUTPUT      writes the message library
// duanxin-libgen --stats MATERIAL_DIR LIBRARY   prints how varied a written library is
#include "LibraryBuilder.h"
#include "LibraryFile.h"
#include "LibraryStats.h"
#include "MaterialLibrary.h"

#include <exception>
#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view kUsage = "usage: duanxin-libgen MATERIAL_DIR OUTPUT\n"
                                    "       duanxin-libgen --stats MATERIAL_DIR LIBRARY\n";

int Generate(const char* materialDir, const char* output) {
    const auto categories = duanxin::libgen::MaterialLibrary::Load(materialDir);
    duanxin::libgen::LibraryFile::Write(duanxin::libgen::LibraryBuilder::Build(categories), output);
    return 0;
}

int PrintStats(const char* materialDir, const char* library) {
    const auto categories = duanxin::libgen::MaterialLibrary::Load(materialDir);
    duanxin::libgen::LibraryStats::Measure(duanxin::libgen::LibraryFile::Read(library),
                                           duanxin::libgen::MaterialLibrary::EntryCount(categories))
        .Print(std::cout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 3)
            return Generate(argv[1], argv[2]);
        if (argc == 4 && std::string_view(argv[1]) == "--stats")
            return PrintStats(argv[2], argv[3]);
        std::cerr << kUsage;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "duanxin-libgen: " << e.what() << "\n";
        return 1;
    }
}
