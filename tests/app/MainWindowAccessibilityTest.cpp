// The main window as accessibility tools read it: every control named and in its place.
#include "AppFixture.h"

#include "app/Unit1.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class MainWindowAccessibilityTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        RegisterLibrary({QStringLiteral("春节快乐")});
        application->CreateForm(form);
        form->Show();
        QCoreApplication::processEvents();
    }
    static QAccessibleInterface* Access(TWinControl* control) {
        return QAccessible::queryAccessibleInterface(control->Handle());
    }
    // The names and roles of the frame's children that have no window of their own.
    std::vector<std::pair<QString, QAccessible::Role>> DrawnChildren() {
        std::vector<std::pair<QString, QAccessible::Role>> drawn;
        QAccessibleInterface* frame = Access(form->suiForm1);
        for (int i = 0; i < frame->childCount(); ++i)
            if (!frame->child(i)->object())
                drawn.emplace_back(frame->child(i)->text(QAccessible::Name),
                                   frame->child(i)->role());
        return drawn;
    }

    TForm1* form = nullptr;
};

} // namespace

TEST_F(MainWindowAccessibilityTest, TheControlsWithoutACaptionOfTheirOwnAreNamed) {
    EXPECT_EQ(Access(form)->role(), QAccessible::Window);
    EXPECT_EQ(Access(form)->text(QAccessible::Name), QStringLiteral("短信查询 V1.0"));
    EXPECT_EQ(Access(form->searchkeyword)->text(QAccessible::Name), QStringLiteral("短信搜索"));
    EXPECT_EQ(Access(form->DBMemo_Duanxin)->text(QAccessible::Name), QStringLiteral("短信内容"));
    EXPECT_EQ(Access(form->DBGrid_duanxinlist)->text(QAccessible::Name),
              QStringLiteral("短信列表"));
    EXPECT_EQ(Access(form->DBGrid_duanxinlist)->role(), QAccessible::Table);
    EXPECT_EQ(Access(form->TJ)->text(QAccessible::Name), QStringLiteral("状态"));
    EXPECT_EQ(Access(form->Button4)->text(QAccessible::Name), QStringLiteral("搜索"));
}

TEST_F(MainWindowAccessibilityTest, TheLabelsAreLabelsAndTheFestivalOnesLinks) {
    const std::vector<std::pair<QString, QAccessible::Role>> expected{
        {QStringLiteral("短信搜索："), QAccessible::StaticText},
        {QStringLiteral("春节"), QAccessible::Link},
        {QStringLiteral("元旦"), QAccessible::Link},
        {QStringLiteral("圣诞"), QAccessible::Link},
        {QStringLiteral("愚人"), QAccessible::Link},
        {QStringLiteral("母亲"), QAccessible::Link},
        {QStringLiteral("父亲"), QAccessible::Link},
        {QStringLiteral("更多..."), QAccessible::Link},
        {QStringLiteral("常用分类："), QAccessible::StaticText},
    };
    EXPECT_EQ(DrawnChildren(), expected);
}
