#include "skin/SUIThemes.h"

#include "framework/core/Exception.h"
#include "framework/core/TForm.h"
#include "framework/core/TWinControl.h"
#include "framework/graphics/TBitmap.h"
#include "skin/SUIMgr.h"

#include <QFile>
#include <QMetaEnum>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr TsuiUIStyle kBuiltIn[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                                    TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass};

TsuiUIStyle StyleValue(int value) {
    return static_cast<TsuiUIStyle>(value);
}

bool SameEntry(const TsuiStyleEntry& a, const TsuiStyleEntry& b) {
    return a.Kind == b.Kind && a.Number == b.Number &&
           QString::fromLatin1(a.ResourceName) == QString::fromLatin1(b.ResourceName);
}

TEST(StyleCatalogue, StylesAreStoredByNameInFormDescriptions) {
    const QMetaEnum e = QMetaEnum::fromType<TsuiUIStyle>();
    EXPECT_EQ(e.keyToValue("FromThemeFile"), 0);
    EXPECT_EQ(e.keyToValue("DeepBlue"), 3);
    EXPECT_EQ(e.keyToValue("BlueGlass"), 5);
    EXPECT_STREQ(e.valueToKey(1), "MacOS");
}

TEST(StyleCatalogue, KeysInRoleOrder) {
    EXPECT_EQ(ThemeKey(SUI_THEME_BUTTON_IMAGE), "ButtonImage");
    EXPECT_EQ(ThemeKey(SUI_THEME_TITLEBAR_BUTTON_LEFTOFFSET_INT), "TitleBarButtonLeftOffsetInt");
    EXPECT_EQ(ThemeKey(static_cast<TsuiThemeRole>(16)), "FormBorderColor");
    EXPECT_EQ(ThemeKey(static_cast<TsuiThemeRole>(23)), "MenuBarColor");
    EXPECT_EQ(ThemeKey(static_cast<TsuiThemeRole>(37)), "ToolBarButtonDownBackgroundColor");
    EXPECT_EQ(ThemeKey(static_cast<TsuiThemeRole>(42)), "SideChannelBarImage");
    EXPECT_EQ(ThemeKind(static_cast<TsuiThemeRole>(2)), TsuiThemeKind::Bool);
    EXPECT_EQ(ThemeKind(static_cast<TsuiThemeRole>(14)), TsuiThemeKind::Int);
    EXPECT_EQ(ThemeKind(static_cast<TsuiThemeRole>(15)), TsuiThemeKind::Color);
    EXPECT_EQ(ThemeKind(static_cast<TsuiThemeRole>(24)), TsuiThemeKind::Image);
}

// Every built-in style and role through every lookup: a lookup answers the entry only when the
// role is of its kind, and its default otherwise.
TEST(StyleCatalogue, BuiltInLookupsRespectTheRoleKind) {
    for (const TsuiUIStyle style : kBuiltIn) {
        for (const TsuiThemeRole role : AllThemeRoles()) {
            SCOPED_TRACE(testing::Message() << "style " << int(style) << " role " << role);
            const TsuiStyleEntry entry = GetStyleEntry(style, role);
            const TsuiThemeKind kind = ThemeKind(role);
            ASSERT_EQ(entry.Kind, kind);
            EXPECT_EQ(entry.ResourceName != nullptr, kind == TsuiThemeKind::Image);
            EXPECT_EQ(GetStyleColor(style, role), kind == TsuiThemeKind::Color ? entry.Number : 0);
            EXPECT_EQ(GetStyleInt(style, role), kind == TsuiThemeKind::Int ? entry.Number : -1);
            EXPECT_EQ(GetStyleBool(style, role), kind == TsuiThemeKind::Bool && entry.Number != 0);
            if (kind == TsuiThemeKind::Bool) {
                EXPECT_TRUE(entry.Number == 0 || entry.Number == 1);
            }
        }
    }
}

TEST(StyleCatalogue, StylesOutsideTheCatalogueAnswerDefaults) {
    for (const int value : {0, 6, 7, 127, 128, 134, 255}) {
        for (const TsuiThemeRole role : AllThemeRoles()) {
            SCOPED_TRACE(testing::Message() << "style " << value << " role " << role);
            const TsuiUIStyle style = StyleValue(value);
            const TsuiStyleEntry entry = GetStyleEntry(style, role);
            EXPECT_EQ(entry.Kind, TsuiThemeKind::Int);
            EXPECT_EQ(entry.Number, -1);
            EXPECT_EQ(GetStyleColor(style, role), 0);
            EXPECT_EQ(GetStyleInt(style, role), -1);
            EXPECT_FALSE(GetStyleBool(style, role));

            TBitmap whole;
            whole.SetSize(3, 2);
            ASSERT_NO_THROW(GetStyleBitmap(style, role, &whole));
            EXPECT_EQ(whole.Width(), 3) << "a whole-image lookup leaves the bitmap as it was";
            TBitmap frame;
            frame.SetSize(3, 2);
            ASSERT_NO_THROW(GetStyleBitmap(style, role, &frame, 1, 3));
            EXPECT_TRUE(frame.Empty()) << "a frame lookup cuts an empty strip";
        }
    }
}

TEST(StyleCatalogue, OnlyTheLowSevenBitsOfAStyleCount) {
    for (const TsuiUIStyle style : kBuiltIn)
        for (const TsuiThemeRole role : AllThemeRoles())
            EXPECT_TRUE(SameEntry(GetStyleEntry(StyleValue(128 + int(style)), role),
                                  GetStyleEntry(style, role)))
                << int(style) << " role " << role;
    EXPECT_EQ(GetStyleInt(StyleValue(0x85), SUI_THEME_FORM_ROUNDCORNER_INT), 11);
}

TEST(StyleCatalogue, ValuesTheWindowAndItsControlsRead) {
    EXPECT_EQ(GetStyleInt(TsuiUIStyle::FromThemeFile, SUI_THEME_FORM_ROUNDCORNER_INT), -1);
    EXPECT_EQ(GetStyleColor(TsuiUIStyle::FromThemeFile, SUI_THEME_FORM_BORDER_COLOR), 0);
    EXPECT_FALSE(GetStyleBool(TsuiUIStyle::FromThemeFile, SUI_THEME_BUTTON_TRANSPARENT_BOOL));
    EXPECT_EQ(GetStyleColor(TsuiUIStyle::BlueGlass, SUI_THEME_FORM_ROUNDCORNER_INT), 0);
    EXPECT_EQ(GetStyleInt(TsuiUIStyle::BlueGlass, SUI_THEME_FORM_BACKGROUND_COLOR), -1);
    EXPECT_EQ(GetStyleInt(TsuiUIStyle::BlueGlass, SUI_THEME_FORM_ROUNDCORNER_INT), 11);
    EXPECT_EQ(GetStyleColor(TsuiUIStyle::WinXP, SUI_THEME_FORM_BORDER_COLOR), 0xC82C00);
    EXPECT_EQ(GetStyleInt(TsuiUIStyle::BlueGlass, SUI_THEME_FORM_MINWIDTH_INT), 270);
    EXPECT_EQ(GetStyleInt(TsuiUIStyle::BlueGlass, SUI_THEME_TITLEBAR_BUTTON_RIGHTOFFSET_INT), -3);
    EXPECT_EQ(GetStyleColor(TsuiUIStyle::BlueGlass, SUI_THEME_FORM_BACKGROUND_COLOR), 0xE7E7E7);
    EXPECT_EQ(GetStyleColor(TsuiUIStyle::MacOS, SUI_THEME_CONTROL_BORDER_COLOR), 0x7F7F7F);
    EXPECT_EQ(GetStyleColor(TsuiUIStyle::BlueGlass, SUI_THEME_MENU_SELECTED_BORDER_COLOR),
              0xEC5E5E);
    EXPECT_TRUE(GetStyleBool(TsuiUIStyle::BlueGlass, SUI_THEME_BUTTON_TRANSPARENT_BOOL));
    EXPECT_TRUE(GetStyleBool(TsuiUIStyle::MacOS, SUI_THEME_BUTTON_TRANSPARENT_BOOL));
    EXPECT_FALSE(GetStyleBool(TsuiUIStyle::DeepBlue, SUI_THEME_BUTTON_TRANSPARENT_BOOL));
    EXPECT_TRUE(GetStyleBool(TsuiUIStyle::Protein, SUI_THEME_TITLEBAR_BUTTON_TRANSPARENT_BOOL));
    EXPECT_STREQ(GetStyleEntry(TsuiUIStyle::DeepBlue, SUI_THEME_SCROLLBUTTON_IMAGE).ResourceName,
                 "MORE_SCROLLBUTTON");
    EXPECT_STREQ(GetStyleEntry(TsuiUIStyle::WinXP, SUI_THEME_SIDECHANNEL_HANDLE_IMAGE).ResourceName,
                 "WINXP_SIDECHENNEL_HANDLE");
}

// Each skin bitmap under its catalogue name, at the size the components lay themselves out by.
TEST(StyleBitmaps, EveryImageEntryLoadsItsResourceAtItsSize) {
    using Sizes = std::vector<std::pair<int, int>>; // MacOS, WinXP, DeepBlue, Protein, BlueGlass
    const std::map<int, Sizes> sizes = {
        {1, {{252, 23}, {54, 21}, {222, 21}, {222, 21}, {231, 27}}},
        {3, {{60, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}},
        {4, {{64, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}},
        {5, {{306, 17}, {378, 21}, {342, 19}, {342, 19}, {342, 19}}},
        {10, {{48, 23}, {35, 29}, {97, 32}, {441, 23}, {162, 33}}},
        {11, {{49, 23}, {37, 29}, {98, 32}, {1, 23}, {179, 33}}},
        {12, {{48, 23}, {35, 29}, {97, 32}, {1, 23}, {101, 33}}},
        {24, {{13, 10}, {6, 10}, {1, 10}, {1, 10}, {1, 10}}},
        {28, {{45, 5}, {45, 8}, {45, 4}, {45, 4}, {45, 4}}},
        {29, {{11, 20}, {11, 21}, {11, 20}, {11, 20}, {11, 20}}},
        {30, {{19, 11}, {22, 11}, {18, 11}, {18, 11}, {18, 11}}},
        {32, {{96, 22}, {96, 17}, {96, 16}, {96, 16}, {102, 16}}},
        {33, {{33, 16}, {21, 16}, {21, 16}, {21, 16}, {21, 16}}},
        {34, {{40, 11}, {44, 11}, {44, 11}, {44, 11}, {44, 11}}},
        {38, {{72, 18}, {72, 18}, {72, 17}, {72, 17}, {72, 17}}},
        {39, {{36, 27}, {18, 18}, {12, 17}, {18, 17}, {18, 17}}},
        {40, {{17, 7}, {8, 1}, {5, 5}, {10, 5}, {10, 5}}},
        {41, {{7, 84}, {8, 86}, {8, 83}, {8, 83}, {8, 86}}},
        {42, {{1, 21}, {1, 21}, {1, 20}, {1, 21}, {1, 21}}},
    };
    int imageRoles = 0;
    for (const TsuiThemeRole role : AllThemeRoles()) {
        if (ThemeKind(role) != TsuiThemeKind::Image)
            continue;
        ++imageRoles;
        ASSERT_TRUE(sizes.count(role)) << "role " << role;
        for (std::size_t s = 0; s < std::size(kBuiltIn); ++s) {
            const TsuiUIStyle style = kBuiltIn[s];
            const char* name = GetStyleEntry(style, role).ResourceName;
            TBitmap bitmap;
            try {
                GetStyleBitmap(style, role, &bitmap);
            } catch (const EResourceError& e) {
                ADD_FAILURE() << name << ": " << e.Message().toStdString();
                continue;
            }
            EXPECT_EQ(std::pair(bitmap.Width(), bitmap.Height()), sizes.at(role)[s]) << name;
        }
    }
    EXPECT_EQ(imageRoles, int(sizes.size()));
}

TEST(StyleBitmaps, FrameLookupCutsTheStrip) {
    TBitmap strip;
    ASSERT_NO_THROW(GetStyleBitmap(TsuiUIStyle::BlueGlass, SUI_THEME_BUTTON_IMAGE, &strip));
    TBitmap frame;
    GetStyleBitmap(TsuiUIStyle::BlueGlass, SUI_THEME_BUTTON_IMAGE, &frame, 2, 3);
    ASSERT_EQ(frame.Width(), 77);
    ASSERT_EQ(frame.Height(), 27);
    for (int y = 0; y < 27; ++y)
        for (int x = 0; x < 77; ++x)
            ASSERT_EQ(frame.Pixels(x, y), strip.Pixels(77 + x, y)) << x << "," << y;

    GetStyleBitmap(TsuiUIStyle::WinXP, SUI_THEME_BUTTON_IMAGE, &frame, 3, 3);
    EXPECT_EQ(std::pair(frame.Width(), frame.Height()), std::pair(18, 21));
    GetStyleBitmap(TsuiUIStyle::DeepBlue, SUI_THEME_TITLEBAR_BUTTON_IMAGE, &frame, 18, 18);
    EXPECT_EQ(std::pair(frame.Width(), frame.Height()), std::pair(19, 19));
}

// A theme file with no entries: a header and the record that ends the chain. Loading it is
// what makes a file theme valid.
class ThemeFileFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QByteArray bytes(24 + 77, '\0');
        bytes[12] = 24; // header length
        bytes[20] = 24; // first record
        QFile file(dir_.filePath(QStringLiteral("empty.sui")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        path_ = file.fileName();
    }
    void Load(TsuiFileTheme& theme) const {
        theme.setProperty("ThemeFile", path_);
        ASSERT_TRUE(theme.IsValid());
    }
    QTemporaryDir dir_;
    QString path_;
};

using ResolveStyleTest = ThemeFileFixture;

TEST_F(ResolveStyleTest, FileThemeAnswersOnlyForFromThemeFileWhenValid) {
    TsuiFileTheme invalid(nullptr);
    TsuiFileTheme valid(nullptr);
    Load(valid);
    struct Case {
        const TsuiFileTheme* Theme;
        TsuiUIStyle Style;
        bool Answer;
        TsuiUIStyle Effective;
    };
    const Case cases[] = {
        {nullptr, TsuiUIStyle::FromThemeFile, false, TsuiUIStyle::DeepBlue},
        {&invalid, TsuiUIStyle::FromThemeFile, false, TsuiUIStyle::DeepBlue},
        {&valid, TsuiUIStyle::FromThemeFile, true, TsuiUIStyle::FromThemeFile},
        {&valid, TsuiUIStyle::WinXP, false, TsuiUIStyle::WinXP},
        {nullptr, TsuiUIStyle::BlueGlass, false, TsuiUIStyle::BlueGlass},
        {&invalid, TsuiUIStyle::MacOS, false, TsuiUIStyle::MacOS},
    };
    for (const Case& c : cases) {
        TsuiUIStyle effective = TsuiUIStyle::Protein;
        EXPECT_EQ(ResolveStyle(c.Theme, c.Style, effective), c.Answer) << int(c.Style);
        EXPECT_EQ(effective, c.Effective) << int(c.Style);
    }
}

// Stands in for the skinned form: found by class name, read by property name.
class TsuiForm : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(SUIThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
public:
    TsuiForm(TWinControl* parent, TsuiUIStyle style) : TWinControl(nullptr), style_(style) {
        SetParent(parent);
    }
    TsuiUIStyle UIStyle() const { return style_; }
    void SetUIStyle(TsuiUIStyle style) { style_ = style; }

private:
    TsuiUIStyle style_;
};

TEST(GetOwnerFormStyle, FirstSkinnedFormAmongTheFormsChildren) {
    TForm form(nullptr);
    (new TWinControl(nullptr))->SetParent(&form);
    new TsuiForm(&form, TsuiUIStyle::BlueGlass);
    new TsuiForm(&form, TsuiUIStyle::MacOS);
    EXPECT_EQ(GetOwnerFormStyle(&form), TsuiUIStyle::BlueGlass);
}

TEST(GetOwnerFormStyle, DeepBlueWithoutSkinnedFormOrWithoutForm) {
    TForm plain(nullptr);
    (new TWinControl(nullptr))->SetParent(&plain);
    EXPECT_EQ(GetOwnerFormStyle(&plain), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(GetOwnerFormStyle(nullptr), TsuiUIStyle::DeepBlue);
    TComponent dataModule(nullptr);
    EXPECT_EQ(GetOwnerFormStyle(&dataModule), TsuiUIStyle::DeepBlue);
    // A panel is no form, even when a skinned form sits on it (the frame owning its title bar).
    TWinControl panel(nullptr);
    new TsuiForm(&panel, TsuiUIStyle::BlueGlass);
    EXPECT_EQ(GetOwnerFormStyle(&panel), TsuiUIStyle::DeepBlue);
}

// A child control that publishes what it is asked for and writes down every assignment.
class Recording : public TControl {
public:
    Recording(TWinControl* parent, std::vector<std::string>* log, std::string name)
        : TControl(nullptr), log_(log), name_(std::move(name)) {
        SetParent(parent);
    }

protected:
    void Record(const std::string& what) { log_->push_back(name_ + "." + what); }

private:
    std::vector<std::string>* log_;
    std::string name_;
};

class FullySkinned : public Recording {
    Q_OBJECT
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(SUIThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
public:
    using Recording::Recording;
    TsuiFileTheme* FileTheme() const { return theme_; }
    void SetFileTheme(TsuiFileTheme* theme) {
        theme_ = theme;
        Record(theme ? "FileTheme=theme" : "FileTheme=none");
    }
    TsuiUIStyle UIStyle() const { return style_; }
    void SetUIStyle(TsuiUIStyle style) {
        style_ = style;
        Record("UIStyle=" + std::to_string(int(style)));
    }

private:
    TsuiFileTheme* theme_ = nullptr;
    TsuiUIStyle style_ = TsuiUIStyle::DeepBlue;
};

class StyleOnly : public Recording {
    Q_OBJECT
    Q_PROPERTY(SUIThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
public:
    using Recording::Recording;
    TsuiUIStyle UIStyle() const { return TsuiUIStyle::DeepBlue; }
    void SetUIStyle(TsuiUIStyle) { Record("UIStyle"); }
};

class ThemeOnly : public Recording {
    Q_OBJECT
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    using Recording::Recording;
    TsuiFileTheme* FileTheme() const { return nullptr; }
    void SetFileTheme(TsuiFileTheme*) { Record("FileTheme"); }
};

TEST(ApplyStyleToChildren, ThemeThenStyleForDirectChildrenPublishingBoth) {
    std::vector<std::string> log;
    TWinControl frame(nullptr);
    new StyleOnly(&frame, &log, "styleOnly");
    new FullySkinned(&frame, &log, "first");
    new ThemeOnly(&frame, &log, "themeOnly");
    auto* holder = new TWinControl(nullptr);
    holder->SetParent(&frame);
    new FullySkinned(holder, &log, "grandchild");
    new FullySkinned(&frame, &log, "second");
    TsuiFileTheme theme(nullptr);

    ApplyStyleToChildren(frame, TsuiUIStyle::WinXP, &theme);
    EXPECT_EQ(log, (std::vector<std::string>{"first.FileTheme=theme", "first.UIStyle=2",
                                             "second.FileTheme=theme", "second.UIStyle=2"}));
    log.clear();
    ApplyStyleToChildren(frame, TsuiUIStyle::DeepBlue, nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"first.FileTheme=none", "first.UIStyle=3",
                                             "second.FileTheme=none", "second.UIStyle=3"}));
}

TEST(HasPublishedProperty, AskedOfTheClassByName) {
    std::vector<std::string> log;
    StyleOnly control(nullptr, &log, "c");
    EXPECT_TRUE(HasPublishedProperty(&control, "UIStyle"));
    EXPECT_TRUE(HasPublishedProperty(&control, "Left"));
    EXPECT_FALSE(HasPublishedProperty(&control, "FileTheme"));
    EXPECT_FALSE(HasPublishedProperty(nullptr, "UIStyle"));
}

} // namespace

#include "SUIThemesTest.moc"
