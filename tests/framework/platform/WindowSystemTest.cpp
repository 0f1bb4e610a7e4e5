#include "framework/platform/WindowSystem.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

TEST(WindowSystemFocus, AnActiveWindowOfTheProgramHasTheFocusUntilItGoes) {
    ASSERT_FALSE(WindowSystem::HasFocusWindow());
    auto window = std::make_unique<QWidget>();
    window->resize(120, 80);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(WindowSystem::HasFocusWindow());
    window.reset();
    EXPECT_FALSE(WindowSystem::HasFocusWindow());
}
