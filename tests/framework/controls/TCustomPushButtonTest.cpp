#include "framework/controls/TCustomPushButton.h"

#include "../core/TestSupport.h"
#include "framework/controls/TEdit.h"
#include "framework/core/TForm.h"

#include <QAccessible>
#include <QApplication>
#include <gtest/gtest.h>

using namespace TestSupport;

class TCustomPushButtonTest : public testing::Test {
protected:
    TCustomPushButtonTest() {
        form.SetBounds(0, 0, 200, 100);
        edit->SetParent(&form);
        button->SetParent(&form);
        button->SetBounds(10, 40, 75, 25);
        button->SetTabStop(true);
        button->SetCaption(QStringLiteral("Save && &close"));
        button->OnClick = [this](TObject*) { ++clicks; };
    }
    RecordingApplication app;
    TForm form{nullptr};
    TEdit* edit = new TEdit(&form);
    TCustomPushButton* button = new TCustomPushButton(&form);
    int clicks = 0;
};

TEST_F(TCustomPushButtonTest, AccessibilityToolsSeeAPushButtonByItsCaptionThatTheyCanPress) {
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(button->Handle());
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->role(), QAccessible::PushButton);
    EXPECT_EQ(access->text(QAccessible::Name), QStringLiteral("Save & close"));
    ASSERT_NE(access->actionInterface(), nullptr);
    access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
    button->SetEnabled(false);
    EXPECT_TRUE(access->state().disabled);
    EXPECT_FALSE(access->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
}

TEST_F(TCustomPushButtonTest, TabReachesIt) {
    form.Show();
    QApplication::setActiveWindow(form.Handle());
    edit->SetFocus();
    TypeKey(edit->Handle(), Qt::Key_Tab, QStringLiteral("\t"));
    EXPECT_TRUE(button->Focused());
}
