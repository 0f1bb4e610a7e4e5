#include "framework/controls/TCustomPanel.h"
#include "framework/controls/TEdit.h"
#include "framework/controls/TLabel.h"
#include "framework/core/TForm.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A form laid out as "Name: [box] [box]" over a panel, with a link label beside it.
class WindowAccessibleTest : public testing::Test {
protected:
    WindowAccessibleTest() {
        form.SetBounds(100, 50, 300, 200);
        form.SetCaption(QStringLiteral("短信查询 V1.0"));
        panel->SetParent(&form);
        panel->SetBounds(0, 0, 300, 200);
        caption->SetParent(panel);
        caption->SetAutoSize(false);
        caption->SetBounds(16, 45, 57, 13);
        caption->SetCaption(QStringLiteral("&Name："));
        edit->SetParent(panel);
        edit->SetBounds(78, 41, 100, 21);
        further->SetParent(panel);
        further->SetBounds(190, 41, 100, 21);
        link->SetParent(panel);
        link->SetBounds(16, 80, 26, 13);
        link->SetCaption(QStringLiteral("春节"));
        link->OnClick = [this](TObject*) { ++clicks; };
        form.Show();
        QCoreApplication::processEvents();
    }

    QAccessibleInterface* Access(TWinControl* control) {
        return QAccessible::queryAccessibleInterface(control->Handle());
    }
    // The child of the panel's interface that stands for `control`.
    QAccessibleInterface* ChildFor(const TControl* control) {
        QAccessibleInterface* access = Access(panel);
        for (int i = 0; i < access->childCount(); ++i)
            if (access->child(i)->text(QAccessible::Name) == control->Caption() &&
                access->child(i)->object() == nullptr)
                return access->child(i);
        return nullptr;
    }

    TForm form{nullptr};
    TCustomPanel* panel = new TCustomPanel(&form);
    TLabel* caption = new TLabel(&form);
    TEdit* edit = new TEdit(&form);
    TEdit* further = new TEdit(&form);
    TLabel* link = new TLabel(&form);
    int clicks = 0;
};

} // namespace

TEST_F(WindowAccessibleTest, AFormIsAFrameNamedByItsCaption) {
    QAccessibleInterface* access = Access(&form);
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->role(), QAccessible::Window);
    EXPECT_EQ(access->text(QAccessible::Name), QStringLiteral("短信查询 V1.0"));
    EXPECT_EQ(Access(panel)->role(), QAccessible::Pane);
    EXPECT_EQ(Access(panel)->parent(), access);
}

TEST_F(WindowAccessibleTest, LabelsAreChildrenOfTheWindowTheyAreDrawnOn) {
    QAccessibleInterface* access = Access(panel);
    ASSERT_EQ(access->childCount(), 4);
    // In the order the controls were placed.
    EXPECT_EQ(access->child(0)->text(QAccessible::Name), QStringLiteral("&Name："));
    EXPECT_EQ(access->child(0)->role(), QAccessible::StaticText);
    EXPECT_EQ(access->child(1), Access(edit));
    EXPECT_EQ(access->child(2), Access(further));
    QAccessibleInterface* festival = access->child(3);
    EXPECT_EQ(festival->text(QAccessible::Name), QStringLiteral("春节"));
    EXPECT_EQ(festival->role(), QAccessible::Link);
    EXPECT_EQ(festival->parent(), access);
    EXPECT_EQ(access->indexOfChild(festival), 3);
    EXPECT_EQ(access->indexOfChild(Access(further)), 2);
    const TPoint origin = link->ClientToScreen({0, 0});
    EXPECT_EQ(festival->rect(), QRect(origin.X, origin.Y, link->Width(), link->Height()));
    EXPECT_EQ(access->childAt(origin.X + 3, origin.Y + 3), festival);
    EXPECT_EQ(access->child(1)->parent(), access);
}

TEST_F(WindowAccessibleTest, ALinkLabelIsPressedByItsActionAPlainOneHasNone) {
    QAccessibleInterface* festival = ChildFor(link);
    ASSERT_NE(festival, nullptr);
    ASSERT_NE(festival->actionInterface(), nullptr);
    festival->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(ChildFor(caption)->actionInterface()->actionNames().isEmpty());
    link->SetVisible(false);
    EXPECT_TRUE(festival->state().invisible);
}

TEST_F(WindowAccessibleTest, ALabelGoneIsNoLongerAChild) {
    delete link;
    link = nullptr;
    EXPECT_EQ(Access(panel)->childCount(), 3);
}

TEST_F(WindowAccessibleTest, TheLabelBeforeAnEditNamesItWithoutMarkOrColon) {
    EXPECT_EQ(Access(edit)->text(QAccessible::Name), QStringLiteral("Name"));
    EXPECT_EQ(Access(further)->text(QAccessible::Name), QString());
    caption->SetCaption(QStringLiteral("Keyword:"));
    EXPECT_EQ(Access(edit)->text(QAccessible::Name), QStringLiteral("Keyword"));
    // Moved off the edit's line, it names nothing.
    caption->SetTop(100);
    EXPECT_EQ(Access(edit)->text(QAccessible::Name), QString());
}

TEST_F(WindowAccessibleTest, FocusControlTiesALabelToAnyControl) {
    caption->SetFocusControl(further);
    EXPECT_EQ(Access(further)->text(QAccessible::Name), QStringLiteral("Name"));
    EXPECT_EQ(Access(edit)->text(QAccessible::Name), QString());
    EXPECT_EQ(caption->property("FocusControl").value<QObject*>(), further);
}

TEST_F(WindowAccessibleTest, AClickableLabelCaptionsNothing) {
    link->SetBounds(60, 45, 10, 13);
    caption->SetLeft(200);
    EXPECT_EQ(Access(edit)->text(QAccessible::Name), QString());
}

TEST_F(WindowAccessibleTest, AnAccessibleNameSetOnAControlWins) {
    edit->SetAccessibleName(QStringLiteral("关键词"));
    EXPECT_EQ(Access(edit)->text(QAccessible::Name), QStringLiteral("关键词"));
    link->SetAccessibleName(QStringLiteral("春节短信"));
    EXPECT_EQ(Access(panel)->child(3)->text(QAccessible::Name), QStringLiteral("春节短信"));
}
