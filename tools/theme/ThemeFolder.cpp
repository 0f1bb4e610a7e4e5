#include "ThemeFolder.h"

#include "framework/core/Exception.h"
#include "framework/platform/RegularFileReader.h"
#include "skin/SUIThemeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <optional>

namespace {

constexpr char kTextHeading[] = "[text]";
constexpr char kBitmapSuffix[] = "bmp";
constexpr std::uint32_t kLargestColour = 0x00FFFFFF;

struct FolderMessages {
    const char* NoFolder;
    const char* NoValuesFile;
    const char* NotUtf8;
    const char* Stranger;
    const char* UnknownKey;
    const char* PictureForValue;
    const char* ValueForPicture;
    const char* TwoPictures;
    const char* CannotRead;
    const char* NotBmp;
    const char* NoEquals;
    const char* UnknownHeading;
    const char* Twice;
    const char* BadInt;
    const char* BadColour;
    const char* BadBool;
    const char* BadTextName;
    const char* RoleUnderText;
    const char* TooLarge;
    const char* NotEmpty;
    const char* CannotWrite;
};

constexpr FolderMessages kMessages{
    "%1: no such folder",
    "%1: the folder has no %2, so it is no theme folder",
    "%1: not UTF-8 text",
    "%1: not part of a theme folder, which holds %2 and one KEY.bmp per image role",
    "%1: \"%2\" is no theme key",
    "%1: %2 is %3, not a picture; give it in %4",
    "%1: %2 is a picture; put %2.bmp in the folder instead",
    "%1: a second picture for %2",
    "%1: cannot be read",
    "%1: not a BMP picture",
    "%1: expected \"key = value\" or the heading [text]",
    "%1: unknown heading %2; the only one is [text]",
    "%1: %2 is given twice (first on line %3)",
    "%1: %2 takes a whole number, not \"%3\"",
    "%1: %2 takes a colour written #RRGGBB or 0x00BBGGRR, not \"%3\"",
    "%1: %2 takes true or false, not \"%3\"",
    "%1: \"%2\" cannot name a text entry: use 1 to 64 ASCII letters, digits, \"-\", \"_\" or "
    "\".\"",
    "%1: %2 is a theme role; give it above the [text] heading",
    "%1: the theme would be larger than the %2 MB a theme file may be",
    "%1: already holds files; name a new or empty folder",
    "%1: cannot be written",
};

QString Text(const char* message) {
    return QString::fromLatin1(message);
}

const char* KindPhrase(TsuiThemeKind kind) {
    switch (kind) {
    case TsuiThemeKind::Int:
        return "a whole number";
    case TsuiThemeKind::Color:
        return "a colour";
    case TsuiThemeKind::Bool:
        return "true or false";
    case TsuiThemeKind::Image:
        break;
    }
    return "a picture";
}

std::optional<std::int32_t> ParseInt(const QString& text) {
    static const QRegularExpression kNumber(QStringLiteral("^[+-]?[0-9]{1,10}$"));
    if (!kNumber.match(text).hasMatch())
        return std::nullopt;
    const qlonglong value = text.toLongLong();
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// #RRGGBB as people write colours, or the stored 0x00BBGGRR.
std::optional<std::int32_t> ParseColour(const QString& text) {
    static const QRegularExpression kHash(QStringLiteral("^#([0-9A-Fa-f]{6})$"));
    static const QRegularExpression kStored(QStringLiteral("^0[xX]([0-9A-Fa-f]{1,8})$"));
    if (const auto hash = kHash.match(text); hash.hasMatch()) {
        const std::uint32_t rgb = hash.captured(1).toUInt(nullptr, 16);
        return static_cast<std::int32_t>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16));
    }
    if (const auto stored = kStored.match(text); stored.hasMatch()) {
        const std::uint32_t value = stored.captured(1).toUInt(nullptr, 16);
        if (value <= kLargestColour)
            return static_cast<std::int32_t>(value);
    }
    return std::nullopt;
}

std::optional<std::int32_t> ParseBool(const QString& text) {
    const QString word = text.toLower();
    if (word == QLatin1String("true") || word == QLatin1String("1"))
        return 1;
    if (word == QLatin1String("false") || word == QLatin1String("0"))
        return 0;
    return std::nullopt;
}

// Reads a folder, gathering every fault before giving up, so one run shows them all.
class FolderReader {
public:
    explicit FolderReader(const QString& folder) : folder_(folder) {}

    ThemeContent Read() {
        const QFileInfo info(folder_);
        if (!info.isDir())
            throw EConvertError(Text(kMessages.NoFolder).arg(folder_));
        const QDir dir(folder_);
        if (!QFileInfo(dir.filePath(QLatin1String(kThemeValuesFile))).isFile())
            Fault(Text(kMessages.NoValuesFile).arg(folder_, QLatin1String(kThemeValuesFile)));
        for (const QFileInfo& file : dir.entryInfoList(
                 QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
            ReadFile(file);
        CheckSize();
        if (!faults_.isEmpty())
            throw EConvertError(faults_.join(QLatin1Char('\n')));
        return std::move(content_);
    }

private:
    void Fault(const QString& message) { faults_.append(message); }
    QString Shown(const QFileInfo& file) const { return QDir(folder_).filePath(file.fileName()); }

    void ReadFile(const QFileInfo& file) {
        if (file.fileName() == QLatin1String(kThemeValuesFile) && file.isFile())
            ReadValues(file);
        else if (file.isFile() &&
                 file.suffix().compare(QLatin1String(kBitmapSuffix), Qt::CaseInsensitive) == 0)
            ReadPicture(file);
        else
            Fault(Text(kMessages.Stranger).arg(Shown(file), QLatin1String(kThemeValuesFile)));
    }

    std::optional<QByteArray> Bytes(const QFileInfo& file) {
        QByteArray bytes;
        if (RegularFileReader::Read(file.filePath(), TsuiThemeFileReader::kMaxFileSize, bytes) !=
            RegularFileReader::Outcome::Read) {
            Fault(Text(kMessages.CannotRead).arg(Shown(file)));
            return std::nullopt;
        }
        return bytes;
    }

    void ReadPicture(const QFileInfo& file) {
        const QString key = file.completeBaseName();
        const std::optional<TsuiThemeRole> found = RoleOfKey(key);
        if (!found)
            return Fault(
                Text(kMessages.Stranger).arg(Shown(file), QLatin1String(kThemeValuesFile)));
        const TsuiThemeRole role = *found;
        if (ThemeKind(role) != TsuiThemeKind::Image)
            return Fault(Text(kMessages.PictureForValue)
                             .arg(Shown(file), ThemeKey(role), KindPhrase(ThemeKind(role)),
                                  QLatin1String(kThemeValuesFile)));
        if (content_.Images.contains(role))
            return Fault(Text(kMessages.TwoPictures).arg(Shown(file), ThemeKey(role)));
        std::optional<QByteArray> bytes = Bytes(file);
        if (!bytes)
            return;
        if (!IsBmpPicture(*bytes))
            return Fault(Text(kMessages.NotBmp).arg(Shown(file)));
        content_.Images[role] = std::move(*bytes);
    }

    void ReadValues(const QFileInfo& file) {
        const std::optional<QByteArray> bytes = Bytes(file);
        if (!bytes)
            return;
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(*bytes);
        if (utf8.hasError())
            return Fault(Text(kMessages.NotUtf8).arg(Shown(file)));
        valuesFile_ = Shown(file);
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i)
            ReadLine(static_cast<int>(i + 1), lines[i].trimmed());
    }

    void ReadLine(int line, const QString& text) {
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            return;
        if (text.startsWith(QLatin1Char('['))) {
            if (text.compare(QLatin1String(kTextHeading), Qt::CaseInsensitive) == 0)
                inTexts_ = true;
            else
                LineFault(line, kMessages.UnknownHeading, {text});
            return;
        }
        const qsizetype equals = text.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return LineFault(line, kMessages.NoEquals, {});
        const QString key = text.left(equals).trimmed();
        const QString value = text.mid(equals + 1).trimmed();
        if (inTexts_)
            ReadText(line, key, value);
        else
            ReadValue(line, key, value);
    }

    // The message's %1 is the file and line; its further places take `args` in order, in one
    // pass, so a "%" in a path or a value stays as it is.
    void LineFault(int line, const char* message, const QStringList& args) {
        QString text = Text(message);
        QString where = QStringLiteral("%1:%2").arg(valuesFile_).arg(line);
        switch (args.size()) {
        case 0:
            text = text.arg(where);
            break;
        case 1:
            text = text.arg(where, args[0]);
            break;
        default:
            text = text.arg(where, args[0], args[1]);
            break;
        }
        Fault(text);
    }

    bool FirstTime(int line, const QString& name) {
        const auto [at, fresh] = lines_.try_emplace(name.toLower(), line);
        if (!fresh)
            LineFault(line, kMessages.Twice, {name, QString::number(at->second)});
        return fresh;
    }

    static const char* ValueFault(TsuiThemeKind kind) {
        switch (kind) {
        case TsuiThemeKind::Int:
            return kMessages.BadInt;
        case TsuiThemeKind::Color:
            return kMessages.BadColour;
        case TsuiThemeKind::Bool:
        case TsuiThemeKind::Image:
            break;
        }
        return kMessages.BadBool;
    }

    static std::optional<std::int32_t> Parse(TsuiThemeKind kind, const QString& value) {
        switch (kind) {
        case TsuiThemeKind::Int:
            return ParseInt(value);
        case TsuiThemeKind::Color:
            return ParseColour(value);
        case TsuiThemeKind::Bool:
        case TsuiThemeKind::Image:
            break;
        }
        return ParseBool(value);
    }

    void ReadValue(int line, const QString& key, const QString& value) {
        const std::optional<TsuiThemeRole> role = RoleOfKey(key);
        if (!role)
            return LineFault(line, kMessages.UnknownKey, {key});
        const QString name = ThemeKey(*role);
        const TsuiThemeKind kind = ThemeKind(*role);
        if (kind == TsuiThemeKind::Image)
            return LineFault(line, kMessages.ValueForPicture, {name});
        if (!FirstTime(line, name))
            return;
        if (const std::optional<std::int32_t> parsed = Parse(kind, value))
            content_.Values[*role] = *parsed;
        else
            LineFault(line, ValueFault(kind), {name, value});
    }

    void ReadText(int line, const QString& name, const QString& value) {
        if (RoleOfKey(name))
            return LineFault(line, kMessages.RoleUnderText, {name});
        if (!IsTextName(name))
            return LineFault(line, kMessages.BadTextName, {name});
        if (FirstTime(line, name))
            content_.Texts.emplace_back(name.toLatin1(), value);
    }

    void CheckSize() {
        if (faults_.isEmpty() && PackTheme(content_).size() > TsuiThemeFileReader::kMaxFileSize)
            Fault(Text(kMessages.TooLarge)
                      .arg(folder_)
                      .arg(TsuiThemeFileReader::kMaxFileSize / (1024 * 1024)));
    }

    QString folder_;
    QString valuesFile_;
    ThemeContent content_;
    QStringList faults_;
    std::map<QString, int> lines_; // lower-case name -> the line that gave it first
    bool inTexts_ = false;
};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw EFileError(Text(kMessages.CannotWrite).arg(path));
}

QByteArray ValuesText(const ThemeContent& content, const QString& origin) {
    QString text = QStringLiteral("# %1\n").arg(origin);
    for (const auto& [role, value] : content.Values)
        text += QStringLiteral("%1 = %2\n").arg(ThemeKey(role), ValueText(role, value));
    text += QStringLiteral("\n%1\n").arg(QLatin1String(kTextHeading));
    for (const auto& [name, value] : content.Texts)
        text += QStringLiteral("%1 = %2\n").arg(QString::fromLatin1(name), value);
    return text.toUtf8();
}

} // namespace

ThemeContent ReadThemeFolder(const QString& folder) {
    return FolderReader(folder).Read();
}

void WriteThemeFolder(const ThemeContent& content, const QString& folder, const QString& origin) {
    const QDir dir(folder);
    if (dir.exists() &&
        !dir.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        throw EFileError(Text(kMessages.NotEmpty).arg(folder));
    if (!QDir().mkpath(folder))
        throw EFileError(Text(kMessages.CannotWrite).arg(folder));
    for (const auto& [role, bytes] : content.Images)
        WriteFile(dir.filePath(ThemeKey(role) + QStringLiteral(".bmp")), bytes);
    WriteFile(dir.filePath(QLatin1String(kThemeValuesFile)), ValuesText(content, origin));
}

QString ValueText(TsuiThemeRole role, std::int32_t value) {
    switch (ThemeKind(role)) {
    case TsuiThemeKind::Color: {
        const auto bgr = static_cast<std::uint32_t>(value);
        const std::uint32_t rgb = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
        return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
    }
    case TsuiThemeKind::Bool:
        return value != 0 ? QStringLiteral("true") : QStringLiteral("false");
    case TsuiThemeKind::Int:
    case TsuiThemeKind::Image:
        break;
    }
    return QString::number(value);
}
