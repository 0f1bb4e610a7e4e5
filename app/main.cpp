// The program's entry: its arguments, the application object, the main window, the loop.
#include "app/CommandLine.h"
#include "app/ProgramInfo.h"
#include "app/StatusTexts.h"
#include "app/Unit1.h"
#include "framework/core/TApplication.h"
#include "framework/platform/FontSubstitutes.h"

#include <QApplication>
#include <cstdio>

namespace {

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    // Answered before the toolkit starts, so that they need no display.
    if (const auto answer = CommandLine::Answer(Arguments(argc, argv))) {
        std::fputs(answer->toLocal8Bit().constData(), stdout);
        return 0;
    }
    QApplication toolkit(argc, argv);
    std::fputs(CommandLine::Ignored(QCoreApplication::arguments().mid(1)).toLocal8Bit().constData(),
               stderr);
    FontSubstitutes::Install();
    TApplication application;
    Application->Initialize();
    Application->SetApplicationId(ProgramInfo::kApplicationId);
    Application->SetTitle(StatusTexts::kApplicationTitle);
    Application->InstallTerminationSignals();
    TForm1* Form1 = nullptr;
    Application->CreateForm(Form1);
    Application->Run();
    return 0;
}
