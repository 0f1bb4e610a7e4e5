// duanxin-theme: makes, takes apart and checks the skin's theme files.
#include "ThemeCommands.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunThemeTool(app.arguments().mid(1), out, err);
}
