// Arbitrary bytes as a theme file: the reader must end with entries or an EFileError, never read
// outside its buffer, and every image it accepts must decode or fail as a bitmap cleanly.
#include "framework/core/Exception.h"
#include "framework/graphics/TBitmap.h"
#include "skin/SUIThemeFile.h"

#include <cstddef>
#include <cstdint>

namespace {

void DecodeImages(const TsuiThemeFileReader& reader) {
    for (const TsuiThemeBlob& image : reader.Images()) {
        TBitmap bitmap;
        try {
            bitmap.LoadFromData(reader.Bytes(image));
        } catch (const EResourceError&) {
        }
        (void)reader.GetImage(image.Name.toLower());
    }
}

// Lookups by names written differently from the file's; their answers do not matter here.
void LookUpEveryName(const TsuiThemeFileReader& reader) {
    for (const TsuiThemeNumber& number : reader.Integers())
        (void)reader.GetInt(number.Name.toUpper());
    for (const TsuiThemeNumber& flag : reader.Booleans())
        (void)reader.GetBool(flag.Name.toLower());
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
    } catch (const EFileError&) {
    }
    return 0;
}
