#include "app/CommandLine.h"

#include "app/ProgramInfo.h"

namespace {

const QString kHelp = QStringLiteral(
    "Usage: %1 [--help | --version]\n"
    "\n"
    "短信查询 (%1) browses a built-in library of Chinese greeting messages: search them by\n"
    "keyword or by festival, show one with its source notes removed and its name placeholders\n"
    "filled in, and copy it to the clipboard.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "The options of the Qt toolkit are taken too, for example -platform NAME.\n");

} // namespace

namespace CommandLine {

std::optional<QString> Answer(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--help"))
            return kHelp.arg(ProgramInfo::kExecutable);
        if (argument == QLatin1String("--version"))
            return QStringLiteral("%1 %2\n").arg(ProgramInfo::kExecutable, ProgramInfo::kVersion);
    }
    return std::nullopt;
}

QString Ignored(const QStringList& arguments) {
    QString lines;
    for (const QString& argument : arguments)
        lines += QStringLiteral("%1: ignoring the argument \"%2\" (see --help)\n")
                     .arg(ProgramInfo::kExecutable, argument);
    return lines;
}

} // namespace CommandLine
