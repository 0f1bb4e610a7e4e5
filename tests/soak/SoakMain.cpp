// duanxin-soak program|gallery: the monkey test of the program or of the skin gallery. The seed
// is printed first; SOAK_SEED replays a run, SOAK_INPUTS sets its length, SOAK_WM=openbox runs
// it under a window manager.
#include "Soak.h"

#include <QCoreApplication>
#include <cstring>
#include <iostream>

namespace {

constexpr int kProgramInputs = 20000;
constexpr int kGalleryInputs = 5000;

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool gallery = argc == 2 && std::strcmp(argv[1], "gallery") == 0;
    if (argc != 2 || (!gallery && std::strcmp(argv[1], "program") != 0)) {
        std::cerr << "usage: duanxin-soak program|gallery\n";
        return 2;
    }
    const std::unique_ptr<SoakTarget> target = gallery ? MakeGallerySoak() : MakeProgramSoak();
    SoakSession session(*target,
                        SoakOptions::FromEnvironment(gallery ? kGalleryInputs : kProgramInputs));
    return session.run();
}
