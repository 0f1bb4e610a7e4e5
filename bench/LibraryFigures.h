// The figures that depend on the message library (start-up, full listing, search, no-hit search
// and their floors) and the libraries they run on: the shipped one, and for the scale run the
// shipped rows repeated to a multiple of its size.
#pragma once

#include <array>
#include <benchmark/benchmark.h>
#include <cstddef>
#include <span>
#include <string>

inline constexpr int kShippedRows = 26753;
// Copies of the shipped rows in the libraries of the scale run; 1 is the shipped library.
inline constexpr std::array kScaleRunCopies{1, 2, 10};

struct BenchLibrary {
    int rows = 0;
    std::string file;                 // for the floors, which open it with SQLite directly
    std::span<const std::byte> bytes; // the same file's bytes, for the program's resource
};

// The library of `copies` times the shipped rows. One copy is the shipped library; more are
// built once, into a temporary file, and kept until exit. Null when it cannot be built.
const BenchLibrary* LibraryOf(int copies);

// While it lives, the program's embedded library is `library`, which it extracts and opens as
// it does the shipped one; the shipped one comes back after.
class ProgramLibrary {
public:
    explicit ProgramLibrary(const BenchLibrary& library);
    ~ProgramLibrary();
    ProgramLibrary(const ProgramLibrary&) = delete;
    ProgramLibrary& operator=(const ProgramLibrary&) = delete;

private:
    std::span<const std::byte> shipped_;
};

// A figure's benchmark name on the library of `copies`: the plain name for the shipped one.
std::string NameAt(const char* figure, int copies);

using LibraryBenchmark = void (*)(benchmark::State&, const BenchLibrary&);
// Registers `figure` under its name on the library of `copies`, which is the program's own
// while it runs; in milliseconds.
benchmark::internal::Benchmark* RegisterAt(const char* name, int copies, LibraryBenchmark figure);

// Registers the figures on the library of `copies`: the program's side, and its floors (the
// bare window, which does not depend on the library, only for the shipped one).
void RegisterProgramFigures(int copies);
void RegisterFloors(int copies);

// A figure of the program against its floor: the sum of the floors' times, and the bare
// window's when it counts.
struct LibraryFigure {
    const char* label;
    const char* program;
    std::array<const char*, 2> floors; // null when there is no second one
    bool withBareWindow;
};
inline constexpr const char* kBareWindow = "BareWindow";
inline constexpr std::array<LibraryFigure, 4> kLibraryFigures{{
    {"startup", "Startup", {"RawFullFetch", "FileWrite"}, true},
    {"full reopen", "FullReopen", {"RawFullFetch", nullptr}, false},
    {"search", "SpringFestivalSearch", {"RawSpringFestivalSearch", nullptr}, false},
    {"no-hit search", "NoHitSearch", {"RawNoHitSearch", nullptr}, false},
}};

// A benchmark filter selecting these figures and their floors at every size.
std::string LibraryFiguresFilter();
