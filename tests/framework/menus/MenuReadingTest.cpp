#include "framework/core/Exception.h"
#include "framework/core/TForm.h"
#include "framework/forms/FormParser.h"
#include "framework/forms/FormReader.h"
#include "framework/menus/TMenuItem.h"
#include "framework/menus/TPopupMenu.h"

#include <gtest/gtest.h>

namespace {

class TMenuForm : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;
    QStringList clicks;

public slots:
    void ItemClick(TObject* Sender) { clicks << static_cast<TComponent*>(Sender)->Name(); }
};

} // namespace

TEST(MenuReadingTest, ObjectsInsideMenusAndItemsBecomeTheirSubItems) {
    TMenuForm form(nullptr);
    FormReader::ReadInto(&form, FormParser::Parse(QStringLiteral("object Main: TMenuForm\n"
                                                                 "  object Popup: TPopupMenu\n"
                                                                 "    OwnerDraw = True\n"
                                                                 "    object File: TMenuItem\n"
                                                                 "      Caption = '&File'\n"
                                                                 "      object Save: TMenuItem\n"
                                                                 "        Caption = '&Save'\n"
                                                                 "        ShortCut = 16467\n"
                                                                 "        OnClick = ItemClick\n"
                                                                 "      end\n"
                                                                 "    end\n"
                                                                 "    object Line: TMenuItem\n"
                                                                 "      Caption = '-'\n"
                                                                 "      Enabled = False\n"
                                                                 "    end\n"
                                                                 "  end\n"
                                                                 "end\n")));
    auto* popup = qobject_cast<TPopupMenu*>(form.FindComponent(QStringLiteral("Popup")));
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->OwnerDraw());
    TMenuItem* root = popup->Items();
    ASSERT_EQ(root->Count(), 2);
    TMenuItem* file = root->Items(0);
    EXPECT_EQ(file->Name(), QStringLiteral("File"));
    EXPECT_EQ(file->Owner(), &form);
    ASSERT_EQ(file->Count(), 1);
    EXPECT_EQ(file->Items(0)->ShortCut(), 'S' | scCtrl);
    EXPECT_TRUE(root->Items(1)->IsLine());
    EXPECT_FALSE(root->Items(1)->Enabled());
    EXPECT_TRUE(popup->IsShortCut('S', TShiftFlag::ssCtrl));
    EXPECT_EQ(form.clicks, QStringList{QStringLiteral("Save")});
}

TEST(MenuReadingTest, AnItemOutsideAMenuIsAnError) {
    TMenuForm form(nullptr);
    try {
        FormReader::ReadInto(&form, FormParser::Parse(QStringLiteral("object Main: TMenuForm\n"
                                                                     "  object Stray: TMenuItem\n"
                                                                     "  end\n"
                                                                     "end\n")));
        FAIL() << "no error";
    } catch (const EReadError& error) {
        EXPECT_EQ(
            error.Message(),
            QStringLiteral("Form description, line 2: Stray: menu item Stray outside a menu"));
    }
}

#include "MenuReadingTest.moc"
