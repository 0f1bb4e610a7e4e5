// Arbitrary bytes as a theme file: the reader must end with entries or its "Sorry, the theme
// file ..." error, never read outside its buffer, and every image it accepts must decode or fail
// as a bitmap cleanly. Names ignore case: a name written in capitals finds what it names.
#include "Require.h"
#include "framework/core/Exception.h"
#include "framework/graphics/TBitmap.h"
#include "skin/SUIThemeFile.h"

#include <cstddef>
#include <cstdint>

namespace {

// Names are 8-bit; only their ASCII letters have a case that keys can differ in.
QString AsciiUpper(const QString& name) {
    return QString::fromLatin1(name.toLatin1().toUpper());
}

void DecodeImages(const TsuiThemeFileReader& reader) {
    for (const TsuiThemeBlob& image : reader.Images()) {
        TBitmap bitmap;
        try {
            bitmap.LoadFromData(reader.Bytes(image));
        } catch (const EResourceError&) {
        }
        Require(reader.GetImage(AsciiUpper(image.Name)).has_value());
    }
}

void LookUpEveryName(const TsuiThemeFileReader& reader) {
    for (const TsuiThemeNumber& number : reader.Integers())
        Require(reader.GetInt(AsciiUpper(number.Name)) == reader.GetInt(number.Name));
    for (const TsuiThemeNumber& flag : reader.Booleans())
        Require(reader.GetBool(AsciiUpper(flag.Name)) == reader.GetBool(flag.Name));
    for (const TsuiThemeBlob& text : reader.Texts())
        (void)reader.Bytes(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const TsuiThemeFileReader reader(std::move(bytes), QStringLiteral("fuzz input"));
        DecodeImages(reader);
        LookUpEveryName(reader);
    } catch (const EFileError& error) {
        Require(error.Message().contains(QStringLiteral("Sorry, the theme file")));
    }
    return 0;
}
