#include "framework/platform/ProgramFolder.h"

#include "framework/core/TApplication.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// The running test program is the file every answer must lie beside.
void ExpectTheTestProgramsFolder(const QString& folder) {
    EXPECT_TRUE(QFileInfo(folder).isAbsolute()) << folder.toStdString();
    EXPECT_TRUE(QFileInfo(QDir(folder).filePath(QStringLiteral("framework_tests"))).isExecutable())
        << folder.toStdString();
}

} // namespace

TEST(ProgramFolder, IsTheFolderOfTheApplicationsProgramFile) {
    TApplication application;
    EXPECT_EQ(ProgramFolder::Path(), QFileInfo(application.ExeName()).absolutePath());
    ExpectTheTestProgramsFolder(ProgramFolder::Path());
}

TEST(ProgramFolder, IsFoundWithoutAnApplicationObjectToo) {
    ASSERT_EQ(Application, nullptr);
    ExpectTheTestProgramsFolder(ProgramFolder::Path());
}
