// Feeds every file of the folders (or the files) named on the command line to the target's
// LLVMFuzzerTestOneInput, one at a time as libFuzzer replays a corpus, with no fuzzer needed:
// the corpus runs in every build, and under the sanitizers of `make asan`.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Only the targets that prepare something once define it, as libFuzzer allows.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Inputs(int argc, char** argv) {
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (!fs::is_directory(argv[i])) {
            inputs.emplace_back(argv[i]);
            continue;
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(argv[i]))
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

// Exactly as long as the file, so that a read past its end is one past the allocation.
std::vector<std::uint8_t> ReadAll(const fs::path& path) {
    std::vector<std::uint8_t> bytes(fs::file_size(path));
    std::ifstream in(path, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        throw fs::filesystem_error("cannot read", path, std::make_error_code(std::errc::io_error));
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    const std::vector<fs::path> inputs = Inputs(argc, argv);
    if (inputs.empty()) {
        std::fputs("usage: replay CORPUS-FOLDER|FILE... (with at least one input)\n", stderr);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    for (const fs::path& input : inputs) {
        std::printf("Running: %s\n", input.c_str());
        std::fflush(stdout); // named even when the input brings the program down
        const std::vector<std::uint8_t> bytes = ReadAll(input);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    std::printf("Replayed %zu inputs in %lld ms\n", inputs.size(),
                static_cast<long long>(elapsed.count()));
    return 0;
}
