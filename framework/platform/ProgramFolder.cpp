#include "framework/platform/ProgramFolder.h"

#include "framework/core/TApplication.h"

#include <QCoreApplication>
#include <QFileInfo>

QString ProgramFolder::Path() {
    const QString program = Application ? Application->ExeName()
                            : qApp      ? QCoreApplication::applicationFilePath()
                                        : QString();
    return program.isEmpty() ? QString() : QFileInfo(program).absolutePath();
}
