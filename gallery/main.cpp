// The skin gallery: the skin layer's components on one window, in every style.
#include "framework/core/TApplication.h"
#include "framework/platform/FontSubstitutes.h"
#include "gallery/TGalleryForm.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication toolkit(argc, argv);
    FontSubstitutes::Install();
    TApplication application;
    Application->Initialize();
    Application->SetTitle(QStringLiteral("duanxin skin gallery"));
    Application->InstallTerminationSignals();
    TGalleryForm* GalleryForm = nullptr;
    Application->CreateForm(GalleryForm);
    Application->Run();
    return 0;
}
