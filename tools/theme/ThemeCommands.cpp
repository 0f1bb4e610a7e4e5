#include "ThemeCommands.h"

#include "ThemeContent.h"
#include "ThemeFolder.h"
#include "framework/core/Exception.h"
#include "skin/SUIThemeFile.h"

#include <QImage>
#include <QMetaEnum>
#include <QSaveFile>
#include <functional>
#include <optional>

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kCheckMissing = 1;
constexpr int kCheckUnreadable = 2;

const QString kUsageText = QStringLiteral(
    "usage: duanxin-theme pack FOLDER OUT      pack a theme folder into a theme file\n"
    "       duanxin-theme unpack FILE FOLDER   a theme file as a folder pack takes\n"
    "       duanxin-theme check FILE           which of the 42 roles a theme file answers\n"
    "       duanxin-theme export STYLE FOLDER  a built-in style as a theme folder;\n"
    "                                          STYLE: MacOS, WinXP, DeepBlue, Protein or "
    "BlueGlass\n");

struct CommandMessages {
    const char* Packed;
    const char* Unpacked;
    const char* Exported;
    const char* Left;
    const char* CannotWrite;
    const char* UnknownStyle;
    const char* Origin;
    const char* ExportOrigin;
    const char* Signature;
    const char* Answered;
    const char* Missing;
    const char* Unused;
    const char* None;
};

constexpr CommandMessages kMessages{
    "%1: packed from %4: %2 of 42 roles, %3",
    "%1: unpacked from %4: %2 of 42 roles, %3",
    "%1: the built-in style %2 exported",
    "left out: %1",
    "%1: cannot be written",
    "\"%1\" is no built-in style; STYLE is MacOS, WinXP, DeepBlue, Protein or BlueGlass",
    "Unpacked from %1 by duanxin-theme; pack it again with duanxin-theme pack FOLDER OUT.",
    "The built-in style %1, exported by duanxin-theme as a starting point for a theme.",
    "%1: made by duanxin-theme, format %2",
    "%1 of 42 roles answered:",
    "missing:",
    "entries no role uses:",
    "  none",
};

QString Text(const char* message) {
    return QString::fromLatin1(message);
}

void Report(QTextStream& stream, const QString& line) {
    stream << "duanxin-theme: " << line << '\n';
    stream.flush();
}

// Runs a step whose faults are the framework's exceptions; false after reporting one.
bool Attempt(QTextStream& err, const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const Exception& error) {
        for (const QString& line : error.Message().split(QLatin1Char('\n')))
            Report(err, line);
        return false;
    }
}

// "WHERE: ... FROM: N of 42 roles, M text entries".
QString Summary(const char* message, const QString& where, const ThemeContent& content,
                const QString& from) {
    const std::size_t texts = content.Texts.size();
    const QString textCount =
        texts == 1 ? QStringLiteral("1 text entry") : QStringLiteral("%1 text entries").arg(texts);
    return Text(message).arg(where, QString::number(content.Images.size() + content.Values.size()),
                             textCount, from);
}

void WriteAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EFileError(Text(kMessages.CannotWrite).arg(path));
}

int Pack(const QString& folder, const QString& out, QTextStream& report, QTextStream& err) {
    ThemeContent content;
    if (!Attempt(err, [&] {
            content = ReadThemeFolder(folder);
            WriteAtomically(out, PackTheme(content));
        }))
        return kFailed;
    Report(report, Summary(kMessages.Packed, out, content, folder));
    return kDone;
}

int Unpack(const QString& file, const QString& folder, QTextStream& report, QTextStream& err) {
    ThemeReading reading;
    if (!Attempt(err, [&] {
            reading = ReadTheme(TsuiThemeFileReader(file));
            WriteThemeFolder(reading.Content, folder, Text(kMessages.Origin).arg(file));
        }))
        return kFailed;
    for (const QString& line : reading.Unused)
        Report(err, Text(kMessages.Left).arg(line));
    Report(report, Summary(kMessages.Unpacked, folder, reading.Content, file));
    return kDone;
}

std::optional<TsuiUIStyle> BuiltInStyle(const QString& name) {
    const QMetaEnum styles = QMetaEnum::fromType<TsuiUIStyle>();
    for (int i = 0; i < styles.keyCount(); ++i) {
        const auto style = static_cast<TsuiUIStyle>(styles.value(i));
        if (style != TsuiUIStyle::FromThemeFile &&
            name.compare(QLatin1String(styles.key(i)), Qt::CaseInsensitive) == 0)
            return style;
    }
    return std::nullopt;
}

int Export(const QString& styleName, const QString& folder, QTextStream& report, QTextStream& err) {
    const std::optional<TsuiUIStyle> style = BuiltInStyle(styleName);
    if (!style) {
        Report(err, Text(kMessages.UnknownStyle).arg(styleName));
        return kUsage;
    }
    const QString name = QString::fromLatin1(
        QMetaEnum::fromType<TsuiUIStyle>().valueToKey(static_cast<int>(*style)));
    if (!Attempt(err, [&] {
            WriteThemeFolder(ExportStyle(*style), folder, Text(kMessages.ExportOrigin).arg(name));
        }))
        return kFailed;
    Report(report, Text(kMessages.Exported).arg(folder, name));
    return kDone;
}

// What a lookup of a role the file lacks answers.
const char* MissingAnswer(TsuiThemeRole role) {
    switch (ThemeKind(role)) {
    case TsuiThemeKind::Image:
        return "(no picture)";
    case TsuiThemeKind::Bool:
        return "(answers false)";
    case TsuiThemeKind::Int:
    case TsuiThemeKind::Color:
        break;
    }
    return "(answers -1)";
}

// One role's line: its number, key and what it answers.
QString RoleLine(TsuiThemeRole role, const ThemeContent& content) {
    QString answer = QLatin1String(MissingAnswer(role));
    if (const auto image = content.Images.find(role); image != content.Images.end()) {
        const QImage picture = QImage::fromData(image->second, "BMP");
        answer = QStringLiteral("picture %1 x %2").arg(picture.width()).arg(picture.height());
    } else if (const auto value = content.Values.find(role); value != content.Values.end()) {
        answer = ValueText(role, value->second);
    }
    return QStringLiteral("  %1 %2 %3")
        .arg(static_cast<int>(role), 2)
        .arg(ThemeKey(role), -32)
        .arg(answer);
}

void ListRoles(QTextStream& out, const ThemeContent& content, bool answered) {
    bool any = false;
    for (const TsuiThemeRole role : AllThemeRoles())
        if (content.Answers(role) == answered) {
            out << RoleLine(role, content) << '\n';
            any = true;
        }
    if (!any)
        out << kMessages.None << '\n';
}

int Check(const QString& file, QTextStream& out, QTextStream& err) {
    std::optional<TsuiThemeFileReader> reader;
    if (!Attempt(err, [&] { reader.emplace(file); }))
        return kCheckUnreadable;
    const ThemeReading reading = ReadTheme(*reader);
    if (const std::optional<std::uint32_t> version = reader->OwnFormatVersion())
        out << Text(kMessages.Signature).arg(file, QString::number(*version)) << '\n';
    int answered = 0;
    for (const TsuiThemeRole role : AllThemeRoles())
        answered += reading.Content.Answers(role) ? 1 : 0;
    out << Text(kMessages.Answered).arg(answered) << '\n';
    ListRoles(out, reading.Content, true);
    out << kMessages.Missing << '\n';
    ListRoles(out, reading.Content, false);
    out << kMessages.Unused << '\n';
    for (const QString& line : reading.Unused)
        out << "  " << line << '\n';
    if (reading.Unused.isEmpty())
        out << kMessages.None << '\n';
    out.flush();
    return answered == SUI_THEME_LAST_ROLE ? kDone : kCheckMissing;
}

} // namespace

int RunThemeTool(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString command = args.value(0);
    if (args.size() == 1 &&
        (command == QLatin1String("--help") || command == QLatin1String("-h"))) {
        out << kUsageText;
        return kDone;
    }
    if (command == QLatin1String("pack") && args.size() == 3)
        return Pack(args[1], args[2], out, err);
    if (command == QLatin1String("unpack") && args.size() == 3)
        return Unpack(args[1], args[2], out, err);
    if (command == QLatin1String("check") && args.size() == 2)
        return Check(args[1], out, err);
    if (command == QLatin1String("export") && args.size() == 3)
        return Export(args[1], args[2], out, err);
    err << kUsageText;
    return kUsage;
}
