#include "ThemeContent.h"

#include "framework/core/Exception.h"
#include "framework/graphics/TBitmap.h"
#include "framework/platform/QtResources.h"
#include "skin/SUIThemeFile.h"

#include <QMetaEnum>
#include <QRegularExpression>
#include <QStringDecoder>
#include <set>

namespace {

constexpr qsizetype kMaxNameSize = 64; // a directory record's name field

struct ReadingMessages {
    const char* UnknownName;
    const char* WrongKind;
    const char* Repeated;
    const char* NoPicture;
    const char* TextNameUnfit;
    const char* TextLines;
    const char* NoColour;
};

constexpr ReadingMessages kMessages{
    "%1 \"%2\": no role has that name",
    "%1 \"%2\": the role %2 takes %3",
    "%1 \"%2\": a second entry of that name (the first one counts)",
    "picture \"%1\": not a readable BMP picture",
    "text \"%1\": a text entry's name is 1 to 64 ASCII letters, digits, \"-\", \"_\" or \".\", "
    "and no role's",
    "text \"%1\": its line breaks were made spaces",
    "number \"%1\": %2 is no colour 0x00BBGGRR",
};

const char* KindWord(TsuiThemeKind kind) {
    switch (kind) {
    case TsuiThemeKind::Image:
        return "a picture";
    case TsuiThemeKind::Bool:
        return "a Boolean";
    case TsuiThemeKind::Int:
    case TsuiThemeKind::Color:
        break;
    }
    return "a number";
}

QString Text(const char* message) {
    return QString::fromLatin1(message);
}

QString DecodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// Collects the entries of one type: the first of each role's name whose kind `accepts` allows
// goes into the content, the rest is described in `unused`.
class EntrySorter {
public:
    EntrySorter(const char* typeWord, QStringList& unused) : typeWord_(typeWord), unused_(unused) {}

    // The role the entry answers, or none after noting why it answers none.
    std::optional<TsuiThemeRole> Place(const QString& name, bool (*accepts)(TsuiThemeKind)) {
        const std::optional<TsuiThemeRole> role = RoleOfKey(name);
        if (!role) {
            Note(Text(kMessages.UnknownName).arg(typeWord_, name));
            return std::nullopt;
        }
        if (!accepts(ThemeKind(*role))) {
            Note(Text(kMessages.WrongKind).arg(typeWord_, name, KindWord(ThemeKind(*role))));
            return std::nullopt;
        }
        if (!seen_.insert(*role).second) {
            Note(Text(kMessages.Repeated).arg(typeWord_, name));
            return std::nullopt;
        }
        return role;
    }
    void Note(const QString& line) { unused_.append(line); }

private:
    const char* typeWord_;
    QStringList& unused_;
    std::set<TsuiThemeRole> seen_;
};

bool IsImageKind(TsuiThemeKind kind) {
    return kind == TsuiThemeKind::Image;
}
bool IsNumberKind(TsuiThemeKind kind) {
    return kind == TsuiThemeKind::Int || kind == TsuiThemeKind::Color;
}
bool IsBoolKind(TsuiThemeKind kind) {
    return kind == TsuiThemeKind::Bool;
}

void ReadImages(const TsuiThemeFileReader& reader, ThemeReading& reading) {
    EntrySorter sorter("picture", reading.Unused);
    for (const TsuiThemeBlob& image : reader.Images()) {
        const std::optional<TsuiThemeRole> role = sorter.Place(image.Name, IsImageKind);
        if (!role)
            continue;
        QByteArray bytes = reader.Bytes(image);
        if (IsBmpPicture(bytes))
            reading.Content.Images[*role] = std::move(bytes);
        else
            sorter.Note(Text(kMessages.NoPicture).arg(image.Name));
    }
}

void ReadIntegers(const TsuiThemeFileReader& reader, ThemeReading& reading) {
    EntrySorter sorter("number", reading.Unused);
    for (const TsuiThemeNumber& number : reader.Integers()) {
        const std::optional<TsuiThemeRole> role = sorter.Place(number.Name, IsNumberKind);
        if (!role)
            continue;
        const auto value = static_cast<std::uint32_t>(number.Value);
        if (ThemeKind(*role) == TsuiThemeKind::Color && value > 0x00FFFFFFu)
            sorter.Note(
                Text(kMessages.NoColour)
                    .arg(number.Name, QStringLiteral("0x%1").arg(value, 8, 16, QLatin1Char('0'))));
        else
            reading.Content.Values[*role] = number.Value;
    }
}

void ReadBooleans(const TsuiThemeFileReader& reader, ThemeReading& reading) {
    EntrySorter sorter("Boolean", reading.Unused);
    for (const TsuiThemeNumber& flag : reader.Booleans())
        if (const std::optional<TsuiThemeRole> role = sorter.Place(flag.Name, IsBoolKind))
            reading.Content.Values[*role] = flag.Value != 0 ? 1 : 0;
}

// Texts are free: every one is kept, but a theme folder line holds no line break.
void ReadTexts(const TsuiThemeFileReader& reader, ThemeReading& reading) {
    for (const TsuiThemeBlob& blob : reader.Texts()) {
        if (!IsTextName(blob.Name)) {
            reading.Unused.append(Text(kMessages.TextNameUnfit).arg(blob.Name));
            continue;
        }
        QString text = DecodeText(reader.Bytes(blob));
        static const QRegularExpression kLineBreaks(QStringLiteral("[\\r\\n]+"));
        if (text.contains(kLineBreaks)) {
            text.replace(kLineBreaks, QStringLiteral(" "));
            reading.Unused.append(Text(kMessages.TextLines).arg(blob.Name));
        }
        reading.Content.Texts.emplace_back(blob.Name.toLatin1(), text);
    }
}

QString StyleName(TsuiUIStyle style) {
    return QString::fromLatin1(
        QMetaEnum::fromType<TsuiUIStyle>().valueToKey(static_cast<int>(style)));
}

} // namespace

bool IsBmpPicture(const QByteArray& bytes) {
    if (!bytes.startsWith("BM"))
        return false;
    try {
        TBitmap().LoadFromData(bytes);
        return true;
    } catch (const EResourceError&) {
        return false;
    }
}

bool ThemeContent::Answers(TsuiThemeRole role) const {
    return Images.contains(role) || Values.contains(role);
}

std::optional<TsuiThemeRole> RoleOfKey(const QString& key) {
    for (const TsuiThemeRole role : AllThemeRoles())
        if (ThemeKey(role).compare(key, Qt::CaseInsensitive) == 0)
            return role;
    return std::nullopt;
}

bool IsTextName(const QString& name) {
    static const QRegularExpression kName(QStringLiteral("^[A-Za-z0-9._-]+$"));
    return name.size() <= kMaxNameSize && kName.match(name).hasMatch() && !RoleOfKey(name);
}

QByteArray PackTheme(const ThemeContent& content) {
    TsuiThemeFileWriter writer;
    for (const TsuiThemeRole role : AllThemeRoles()) {
        const QByteArray key = ThemeKey(role).toLatin1();
        if (const auto image = content.Images.find(role); image != content.Images.end())
            writer.AddImage(key, image->second);
        else if (const auto value = content.Values.find(role); value != content.Values.end()) {
            if (ThemeKind(role) == TsuiThemeKind::Bool)
                writer.AddBool(key, value->second != 0 ? 1 : 0);
            else
                writer.AddInt(key, value->second);
        }
    }
    for (const auto& [name, text] : content.Texts)
        writer.AddText(name, text.toUtf8());
    return writer.Bytes();
}

ThemeReading ReadTheme(const TsuiThemeFileReader& reader) {
    ThemeReading reading;
    ReadImages(reader, reading);
    ReadIntegers(reader, reading);
    ReadBooleans(reader, reading);
    ReadTexts(reader, reading);
    return reading;
}

ThemeContent ExportStyle(TsuiUIStyle style) {
    ThemeContent content;
    for (const TsuiThemeRole role : AllThemeRoles()) {
        const TsuiStyleEntry entry = GetStyleEntry(style, role);
        if (entry.Kind != TsuiThemeKind::Image) {
            content.Values[role] = entry.Number;
            continue;
        }
        const QString resource = QString::fromLatin1(entry.ResourceName);
        const std::optional<QByteArray> bytes =
            QtResources::Read(QStringLiteral("skin"), resource, QStringLiteral("bmp"));
        if (!bytes)
            throw EResourceError(QStringLiteral("Resource %1 not found").arg(resource));
        content.Images[role] = *bytes;
    }
    content.Texts.emplace_back("Name", StyleName(style));
    return content;
}
