// The skin's bitmaps missing, of the wrong size or no bitmaps at all, as a damaged build or a
// resource registered with bad data would leave them: the whole gallery, every style and every
// control, gives named errors or draws its fallback, and never reads outside a picture.
#include "gallery/TGalleryForm.h"

#include "../framework/core/TestSupport.h"
#include "../framework/graphics/ResourceFile.h"
#include "../skin/support/ThemeFileWriter.h"
#include "framework/core/Exception.h"
#include "framework/menus/TMenuItem.h"
#include "skin/SUIThemes.h"

#include <QDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// The initialisers of the skin library's bitmaps (":/skin/NAME.bmp"), made by the toolkit's
// resource compiler.
int qInitResources_skin_bitmaps();
int qCleanupResources_skin_bitmaps();

namespace {

using testing::HasSubstr;

constexpr TsuiUIStyle kEveryStyle[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP,
                                       TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein,
                                       TsuiUIStyle::BlueGlass};

// For the life of the object the skin's bitmaps are gone, or each name holds `content`.
class ReplacedSkinBitmaps {
public:
    explicit ReplacedSkinBitmaps(const QByteArray* content) {
        const QStringList names = QDir(QStringLiteral(":/skin")).entryList(QDir::Files);
        qCleanupResources_skin_bitmaps();
        if (!content)
            return;
        for (const QString& name : names)
            files_.push_back(
                std::make_unique<ResourceFile>(QStringLiteral("skin"), name, *content));
    }
    ~ReplacedSkinBitmaps() {
        files_.clear();
        qInitResources_skin_bitmaps();
    }
    ReplacedSkinBitmaps(const ReplacedSkinBitmaps&) = delete;
    ReplacedSkinBitmaps& operator=(const ReplacedSkinBitmaps&) = delete;
    bool Registered() const {
        for (const auto& file : files_)
            if (!file->Registered())
                return false;
        return true;
    }

private:
    std::vector<std::unique_ptr<ResourceFile>> files_;
};

class SkinBitmapFaultsTest : public testing::Test {
protected:
    TMenuItem* StyleItem(TGalleryForm& gallery, TsuiUIStyle style) const {
        for (int i = 0; i < gallery.StyleMenu->Count(); ++i)
            if (gallery.StyleMenu->Items(i)->Tag() == static_cast<int>(style))
                return gallery.StyleMenu->Items(i);
        return nullptr;
    }
    // Each style chosen as the user chooses it, and the window drawn whole in it, children
    // and the menu bar included.
    // Returns how many pixels of the last style's picture are pure red.
    int ShowEveryStyle(TGalleryForm& gallery) {
        int red = 0;
        for (const TsuiUIStyle style : kEveryStyle) {
            SCOPED_TRACE(static_cast<int>(style));
            TMenuItem* item = StyleItem(gallery, style);
            if (!item) {
                ADD_FAILURE() << "no item for the style";
                return 0;
            }
            app.application->RunGuarded([item] { item->Click(); });
            const QImage face = gallery.Handle()->grab().toImage();
            EXPECT_EQ(face.size(), gallery.Handle()->size());
            red = 0;
            for (int y = 0; y < face.height(); ++y)
                for (int x = 0; x < face.width(); ++x)
                    red += face.pixel(x, y) == qRgb(255, 0, 0);
        }
        return red;
    }
    // Every box so far was an error box naming a skin bitmap in these words.
    void ExpectOnlyErrorsSaying(const char* words) const {
        for (const auto& box : app.boxes) {
            EXPECT_EQ(box.kind, TMessageBoxKind::Error);
            EXPECT_THAT(box.text.toStdString(), HasSubstr(words));
        }
    }

    TestSupport::RecordingApplication app;
};

} // namespace

TEST_F(SkinBitmapFaultsTest, MissingBitmapsAreNamedErrorsFromTheFirstStyleOn) {
    const ReplacedSkinBitmaps none(nullptr);
    TBitmap picture;
    try {
        GetStyleBitmap(TsuiUIStyle::BlueGlass, SUI_THEME_BUTTON_IMAGE, &picture);
        FAIL() << "a missing bitmap loaded";
    } catch (const EResourceError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Resource BLUEGLASS_BUTTON not found"));
    }
    // The gallery's description sets its first style while it is read: the error names the
    // bitmap, and no half-read window is left.
    TGalleryForm* gallery = nullptr;
    try {
        app.application->CreateForm(gallery);
        ADD_FAILURE() << "the gallery was made without its bitmaps";
    } catch (const Exception& error) {
        EXPECT_THAT(error.Message().toStdString(), HasSubstr("not found"));
    }
}

TEST_F(SkinBitmapFaultsTest, BitmapsOfTheWrongSizeDrawWithoutReadingOutsideThem) {
    TGalleryForm* gallery = nullptr;
    app.application->CreateForm(gallery);
    gallery->Show();
    // One pixel, and a strip narrower than the frames cut from it.
    for (const auto& [width, height] : {std::pair{1, 1}, std::pair{2, 3}}) {
        SCOPED_TRACE(width);
        const QByteArray tiny = ThemeFileWriter::Bmp({QColor(Qt::red)}, width, height);
        const ReplacedSkinBitmaps replaced(&tiny);
        ASSERT_TRUE(replaced.Registered());
        EXPECT_GT(ShowEveryStyle(*gallery), 0) << "the replaced bitmaps were not drawn";
    }
    EXPECT_TRUE(app.boxes.empty()) << app.boxes.front().text.toStdString();
    EXPECT_EQ(ShowEveryStyle(*gallery), 0); // the real bitmaps back
}

TEST_F(SkinBitmapFaultsTest, BitmapsWithBadDataAreNamedErrorsAndTheWindowStaysUsable) {
    TGalleryForm* gallery = nullptr;
    app.application->CreateForm(gallery);
    gallery->Show();
    {
        const QByteArray bad("BM this is no bitmap");
        const ReplacedSkinBitmaps replaced(&bad);
        ASSERT_TRUE(replaced.Registered());
        ShowEveryStyle(*gallery);
        EXPECT_FALSE(app.boxes.empty());
        ExpectOnlyErrorsSaying("is not a valid bitmap");
    }
    app.boxes.clear();
    ShowEveryStyle(*gallery);
    EXPECT_TRUE(app.boxes.empty()) << app.boxes.front().text.toStdString();
}
