#include "framework/menus/TMenuItem.h"
#include "framework/controls/TImageList.h"
#include "framework/core/Exception.h"
#include "framework/core/Messages.h"
#include "framework/menus/TPopupMenu.h"

#include <QPointer>
#include <gtest/gtest.h>

namespace {

TMenuItem* AddItem(TMenuItem* parent, const QString& caption, TShortCut shortCut = scNone) {
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    parent->Add(item);
    return item;
}

QString MenuErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EMenuError& error) {
        return error.Message();
    }
    return QStringLiteral("(no error)");
}

} // namespace

TEST(TMenuItemTest, CaptionsResolveAccelerators) {
    TMenuItem item(nullptr);
    item.SetCaption(QStringLiteral("Save && E&xit"));
    EXPECT_EQ(item.DisplayCaption(), QStringLiteral("Save & Exit"));
    EXPECT_EQ(item.Hotkey(), QChar(u'X'));
    item.SetCaption(QStringLiteral("Fish && Chips"));
    EXPECT_TRUE(item.Hotkey().isNull());
    EXPECT_FALSE(item.IsLine());
    item.SetCaption(QStringLiteral("-"));
    EXPECT_TRUE(item.IsLine());
    item.SetCaption(QStringLiteral("--"));
    EXPECT_FALSE(item.IsLine());
}

TEST(TMenuItemTest, SubItemsKeepOrderAndParents) {
    TPopupMenu menu(nullptr);
    TMenuItem* root = menu.Items();
    TMenuItem* a = AddItem(root, QStringLiteral("a"));
    TMenuItem* c = AddItem(root, QStringLiteral("c"));
    auto* b = new TMenuItem(nullptr);
    root->Insert(1, b);
    ASSERT_EQ(root->Count(), 3);
    EXPECT_EQ(root->Items(0), a);
    EXPECT_EQ(root->Items(1), b);
    EXPECT_EQ(root->Items(2), c);
    EXPECT_EQ(b->Parent(), root);
    EXPECT_EQ(b->GetParentMenu(), &menu);
    TMenuItem* nested = AddItem(b, QStringLiteral("nested"));
    EXPECT_EQ(nested->GetParentMenu(), &menu);

    root->Delete(1); // taken out, not destroyed
    EXPECT_EQ(b->Parent(), nullptr);
    EXPECT_EQ(nested->GetParentMenu(), nullptr);
    EXPECT_EQ(root->IndexOf(c), 1);
    delete b; // takes its sub-items with it

    QPointer<TMenuItem> gone = c;
    delete a;
    EXPECT_EQ(root->Count(), 1);
    EXPECT_EQ(root->Items(0), c);
    EXPECT_TRUE(gone);
}

TEST(TMenuItemTest, BadPlacementsAreRefused) {
    TPopupMenu menu(nullptr);
    TMenuItem* root = menu.Items();
    TMenuItem* a = AddItem(root, QStringLiteral("a"));
    TMenuItem* inner = AddItem(a, QStringLiteral("inner"));
    EXPECT_EQ(MenuErrorOf([&] { root->Add(inner); }),
              QStringLiteral("Menu item inner is already in a menu"));
    a->Delete(0);
    EXPECT_EQ(MenuErrorOf([&] { root->Insert(5, inner); }),
              QStringLiteral("Menu index 5 out of range (1 items)"));
    inner->Add(new TMenuItem(&menu));
    root->Delete(0);
    inner->Items(0)->Add(a);
    EXPECT_EQ(MenuErrorOf([&] { a->Add(inner); }),
              QStringLiteral("Menu item inner cannot hold itself or its parents"));
    EXPECT_EQ(MenuErrorOf([&] { root->Items(0); }),
              QStringLiteral("Menu index 0 out of range (0 items)"));
    EXPECT_EQ(MenuErrorOf([&] { a->SetShortCut(0x10000); }),
              QStringLiteral("65536 is no shortcut"));
    delete inner;
}

TEST(TMenuItemTest, ClickRunsOnlyWhenEnabled) {
    TMenuItem item(nullptr);
    int clicks = 0;
    item.OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, &item);
        ++clicks;
    };
    item.Click();
    item.SetEnabled(false);
    item.Click();
    EXPECT_EQ(clicks, 1);
}

class ShortCutTest : public testing::Test {
protected:
    ShortCutTest() {
        TMenuItem* file = AddItem(menu.Items(), QStringLiteral("&File"));
        save = AddItem(file, QStringLiteral("&Save"), kCtrlS);
        TMenuItem* more = AddItem(file, QStringLiteral("More"));
        deep = AddItem(more, QStringLiteral("Deep"), kCtrlD);
        later = AddItem(menu.Items(), QStringLiteral("Later"), kCtrlS);
        for (TMenuItem* item : {save, deep, later})
            item->OnClick = [this](TObject* sender) { clicked.push_back(sender); };
    }
    static constexpr TShortCut kCtrlS = 'S' | scCtrl;
    static constexpr TShortCut kCtrlD = 'D' | scCtrl;

    TPopupMenu menu{nullptr};
    TMenuItem* save;
    TMenuItem* deep;
    TMenuItem* later;
    std::vector<TObject*> clicked;
};

TEST_F(ShortCutTest, TheFirstItemDepthFirstIsCarriedOut) {
    EXPECT_TRUE(menu.IsShortCut('D', TShiftFlag::ssCtrl));
    EXPECT_TRUE(menu.IsShortCut('S', TShiftFlag::ssCtrl));
    EXPECT_EQ(clicked, (std::vector<TObject*>{deep, save}));
    EXPECT_FALSE(menu.IsShortCut('S', {}));
    EXPECT_FALSE(menu.IsShortCut('S', TShiftFlag::ssCtrl | TShiftFlag::ssShift));
    EXPECT_FALSE(menu.IsShortCut(0, {}));
}

TEST_F(ShortCutTest, DisabledAndHiddenItemsAndTheirSubItemsAreSkipped) {
    save->SetEnabled(false);
    EXPECT_TRUE(menu.IsShortCut('S', TShiftFlag::ssCtrl));
    EXPECT_EQ(clicked, (std::vector<TObject*>{later}));
    later->SetVisible(false);
    EXPECT_FALSE(menu.IsShortCut('S', TShiftFlag::ssCtrl));
    deep->Parent()->SetEnabled(false);
    EXPECT_FALSE(menu.IsShortCut('D', TShiftFlag::ssCtrl));
    EXPECT_EQ(clicked.size(), 1u);
}

TEST(TMenuTest, ChangesAndRemovedImagesReachTheMenu) {
    TPopupMenu menu(nullptr);
    std::vector<TMenuItem*> sources;
    menu.OnChange = [&](TObject*, TMenuItem* source) { sources.push_back(source); };
    TMenuItem* item = AddItem(menu.Items(), QStringLiteral("x"));
    item->SetChecked(true);
    item->SetChecked(true); // no change, no news
    EXPECT_EQ(sources, (std::vector<TMenuItem*>{menu.Items(), item}));

    auto* images = new TImageList(nullptr);
    menu.SetImages(images);
    delete images;
    EXPECT_EQ(menu.Images(), nullptr);
    EXPECT_EQ(sources.back(), nullptr);
}
