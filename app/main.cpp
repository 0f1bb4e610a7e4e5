// The program's entry: the application object, the main window, the message loop.
#include "app/StatusTexts.h"
#include "app/Unit1.h"
#include "framework/core/TApplication.h"
#include "framework/platform/FontSubstitutes.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication toolkit(argc, argv);
    FontSubstitutes::Install();
    TApplication application;
    Application->Initialize();
    Application->SetTitle(StatusTexts::kApplicationTitle);
    Application->InstallTerminationSignals();
    TForm1* Form1 = nullptr;
    Application->CreateForm(Form1);
    Application->Run();
    return 0;
}
