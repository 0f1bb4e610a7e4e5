#include "skin/TsuiFileThemeMgr.h"

#include "framework/core/Exception.h"
#include "framework/graphics/TBitmap.h"
#include "skin/SUIThemeFile.h"
#include "skin/SUIThemes.h"

#include <QFileInfo>

namespace {

struct ManagerMessages {
    const char* NoImage;      // %1 file, %2 key
    const char* InvalidImage; // %1 file, %2 key
};

constexpr ManagerMessages kMessages{
    "Sorry, the theme file \"%1\" has no image \"%2\".",
    "Sorry, the image \"%2\" of the theme file \"%1\" is not a valid bitmap.",
};

constexpr int kNoReaderNumber = 0;

} // namespace

TsuiFileThemeMgr::TsuiFileThemeMgr() = default;

TsuiFileThemeMgr::~TsuiFileThemeMgr() = default;

bool TsuiFileThemeMgr::Load(const QString& fileName) {
    if (!QFileInfo(fileName).isFile())
        return false;
    reader_.reset(); // released first: a file that fails to read leaves no reader behind
    reader_ = std::make_unique<TsuiThemeFileReader>(fileName);
    return true;
}

void TsuiFileThemeMgr::GetBitmap(TsuiThemeRole role, TBitmap& graphic) const {
    if (!reader_)
        return;
    const QString key = ThemeKey(role);
    const std::optional<QByteArray> bytes = reader_->GetImage(key);
    if (!bytes)
        throw EResourceError(
            QString::fromLatin1(kMessages.NoImage).arg(reader_->SourceName(), key));
    try {
        graphic.LoadFromData(*bytes);
    } catch (const EResourceError&) {
        throw EResourceError(
            QString::fromLatin1(kMessages.InvalidImage).arg(reader_->SourceName(), key));
    }
}

bool TsuiFileThemeMgr::GetBool(TsuiThemeRole role) const {
    return reader_ && reader_->GetBool(ThemeKey(role));
}

int TsuiFileThemeMgr::GetInt(TsuiThemeRole role) const {
    return reader_ ? reader_->GetInt(ThemeKey(role)) : kNoReaderNumber;
}

TColor TsuiFileThemeMgr::GetColor(TsuiThemeRole role) const {
    return static_cast<TColor>(GetInt(role));
}
