#include "framework/controls/TOpenDialog.h"

#include "framework/forms/ClassRegistry.h"

#include <gtest/gtest.h>

TEST(TOpenDialogTest, AChosenFileIsKeptAndACancelLeavesTheLastOne) {
    TOpenDialog dialog(nullptr);
    dialog.SetTitle(QStringLiteral("Theme file"));
    dialog.SetFileName(QStringLiteral("/tmp/old.theme"));
    std::optional<QString> answer = QStringLiteral("/tmp/new.theme");
    QString askedWith;
    dialog.Chooser = [&](const TOpenDialog& asking) {
        askedWith = asking.Title() + QLatin1Char(' ') + asking.FileName();
        return answer;
    };
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(askedWith, QStringLiteral("Theme file /tmp/old.theme"));
    EXPECT_EQ(dialog.FileName(), QStringLiteral("/tmp/new.theme"));
    answer.reset();
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), QStringLiteral("/tmp/new.theme"));
    EXPECT_TRUE(ClassRegistry::IsRegistered(QStringLiteral("TOpenDialog")));
}
