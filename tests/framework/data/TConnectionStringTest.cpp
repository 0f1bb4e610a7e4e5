#include "framework/data/TConnectionString.h"
#include "framework/core/Exception.h"

#include <gtest/gtest.h>

TEST(TConnectionString, ReadsPairsInAnyOrderWithBlanksAndAnyKeyCase) {
    const TConnectionString parts = TConnectionString::Parse(
        QStringLiteral("  persist security info = False ;DATA SOURCE= /tmp/a b.dll ;"
                       " provider=microsoft.jet.oledb.4.0"));
    EXPECT_EQ(parts.Value(QStringLiteral("Provider")), QStringLiteral("microsoft.jet.oledb.4.0"));
    EXPECT_EQ(parts.Value(QStringLiteral("Data Source")), QStringLiteral("/tmp/a b.dll"));
    EXPECT_EQ(parts.Value(QStringLiteral("persist SECURITY info")), QStringLiteral("False"));
    EXPECT_FALSE(parts.Contains(QStringLiteral("User ID")));
    EXPECT_TRUE(parts.Value(QStringLiteral("User ID")).isEmpty());
}

TEST(TConnectionString, QuotedValuesKeepSemicolonsBlanksAndDoubledQuotes) {
    const TConnectionString parts = TConnectionString::Parse(
        QStringLiteral("Data Source=\" /tmp/x;y.dll \" ;Password='it''s';Mode=\"\""));
    EXPECT_EQ(parts.Value(QStringLiteral("data source")), QStringLiteral(" /tmp/x;y.dll "));
    EXPECT_EQ(parts.Value(QStringLiteral("Password")), QStringLiteral("it's"));
    EXPECT_TRUE(parts.Contains(QStringLiteral("Mode")));
    EXPECT_TRUE(parts.Value(QStringLiteral("Mode")).isEmpty());
}

TEST(TConnectionString, EmptyPiecesAreSkippedAndTheLastRepeatWins) {
    const TConnectionString parts =
        TConnectionString::Parse(QStringLiteral(";;Data Source=a;; ;data source=b;"));
    EXPECT_EQ(parts.Value(QStringLiteral("Data Source")), QStringLiteral("b"));
    EXPECT_FALSE(TConnectionString::Parse(QString()).Contains(QStringLiteral("Provider")));
}

TEST(TConnectionString, MalformedTextIsRefused) {
    for (const QString& text :
         {QStringLiteral("Provider"), QStringLiteral("=x"),
          QStringLiteral("Data Source=\"unclosed;Provider=x"), QStringLiteral("Data Source='a' b;"),
          QStringLiteral("Provider;Data Source=x")})
        EXPECT_THROW(TConnectionString::Parse(text), EDatabaseError) << text.toStdString();
}
