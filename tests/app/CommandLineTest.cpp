// The program's answers to its arguments.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, HelpAndVersionAnswerWhereverTheyStandTheFirstWinning) {
    const auto version = CommandLine::Answer({QStringLiteral("--version")});
    ASSERT_TRUE(version);
    EXPECT_EQ(*version, QStringLiteral("duanxin 1.0\n"));
    const auto help = CommandLine::Answer(
        {QStringLiteral("x"), QStringLiteral("--help"), QStringLiteral("--version")});
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->startsWith(QStringLiteral("Usage: duanxin [--help | --version]\n")));
    EXPECT_TRUE(help->contains(QStringLiteral("  --version  show the version and exit\n")));
}

TEST(CommandLine, AnythingElseRunsTheProgramWithALineForEachIgnoredArgument) {
    EXPECT_FALSE(CommandLine::Answer({}));
    // Near misses are no answers: Debian's programs spell them out.
    EXPECT_FALSE(CommandLine::Answer(
        {QStringLiteral("-h"), QStringLiteral("--HELP"), QStringLiteral("--version=1")}));
    EXPECT_EQ(CommandLine::Ignored({}), QString());
    EXPECT_EQ(CommandLine::Ignored({QStringLiteral("春节"), QStringLiteral("-v")}),
              QStringLiteral("duanxin: ignoring the argument \"春节\" (see --help)\n"
                             "duanxin: ignoring the argument \"-v\" (see --help)\n"));
}
