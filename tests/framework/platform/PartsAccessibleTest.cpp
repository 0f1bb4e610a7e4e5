#include "framework/controls/TCustomPanel.h"
#include "framework/core/TAccessibleParts.h"
#include "framework/core/TForm.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A strip with a few 10-pixel parts side by side, which records its presses.
class PartsStrip : public TCustomPanel, public TAccessibleParts {
public:
    using TCustomPanel::TCustomPanel;
    int AccessiblePartCount() const override { return count; }
    QString AccessiblePartName(int index) const override {
        return QStringLiteral("Part %1").arg(index);
    }
    TRect AccessiblePartRect(int index) const override { return Bounds(10 * index, 2, 10, 8); }
    void PressAccessiblePart(int index) override { pressed.push_back(index); }

    int count = 3;
    std::vector<int> pressed;
};

} // namespace

TEST(PartsAccessible, PartsArePushButtonsWithNamesPlacesAndPresses) {
    TForm form(nullptr);
    form.SetBounds(100, 50, 200, 100);
    auto* strip = new PartsStrip(&form);
    strip->SetParent(&form);
    strip->SetBounds(5, 6, 100, 20);
    form.Show();
    QCoreApplication::processEvents();

    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(strip->Handle());
    ASSERT_NE(access, nullptr);
    ASSERT_EQ(access->childCount(), 3);
    QAccessibleInterface* second = access->child(1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->text(QAccessible::Name), QStringLiteral("Part 1"));
    EXPECT_EQ(second->role(), QAccessible::PushButton);
    EXPECT_EQ(second->parent(), access);
    const TPoint origin = strip->ClientToScreen({10, 2});
    EXPECT_EQ(second->rect(), QRect(origin.X, origin.Y, 10, 8));
    EXPECT_EQ(access->childAt(origin.X + 3, origin.Y + 3), second);
    second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(strip->pressed, std::vector<int>{1});

    // A part that went away is no longer valid and cannot be pressed.
    QAccessibleInterface* third = access->child(2);
    strip->count = 2;
    EXPECT_FALSE(third->isValid());
    EXPECT_TRUE(third->actionInterface()->actionNames().isEmpty());
    third->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(strip->pressed, std::vector<int>{1});
}
