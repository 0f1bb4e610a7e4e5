#include "app/library/CleanMessageText.h"
#include "app/library/SourceNotes.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
const QString kLong = QString::fromStdString(duanxin::LongSourceNote());
const QString kShort = QString::fromStdString(duanxin::ShortSourceNote());
const QString kName = QString::fromUtf8(duanxin::kSourceName.data(), duanxin::kSourceName.size());
const QString kDomain =
    QString::fromUtf8(duanxin::kSourceDomain.data(), duanxin::kSourceDomain.size());

QString Clean(const QString& s) {
    return CleanMessageText(s);
}
} // namespace

TEST(CleanMessageText, NotesHaveTheirExactShape) {
    EXPECT_EQ(kName.size(), 6);
    EXPECT_EQ(kDomain.size(), 11);
    EXPECT_TRUE(kDomain.endsWith(QStringLiteral(".example")));
    EXPECT_EQ(kLong, QStringLiteral("(本信息有") + kName + QStringLiteral("收集整理 ") + kDomain +
                         QStringLiteral(")"));
    EXPECT_EQ(kShort, QStringLiteral("(本信息有") + kDomain + QStringLiteral("收集整理)"));
}

TEST(CleanMessageText, RemovesNotesWhereverTheyStand) {
    const QString body = QStringLiteral("新春快乐！");
    EXPECT_EQ(Clean(body + kShort), body);
    EXPECT_EQ(Clean(body + kLong), body);
    EXPECT_EQ(Clean(kLong + body), body);
    EXPECT_EQ(Clean(QStringLiteral("新春") + kShort + QStringLiteral("快乐！")), body);
    EXPECT_EQ(Clean(body + kLong + body + kShort), body + body);
    EXPECT_EQ(Clean(kShort + kShort), QString());
    EXPECT_EQ(Clean(kLong), QString());
}

TEST(CleanMessageText, FillsEveryPlaceholderWithItsPronoun) {
    EXPECT_EQ(Clean(QStringLiteral("祝|〓|新年快乐")), QStringLiteral("祝你新年快乐"));
    EXPECT_EQ(Clean(QStringLiteral("|☆|想|☆|的|〓|，|※|也想")),
              QStringLiteral("我想我的你，他也想"));
    // Adjacent placeholders, and a bar pair left over between them, stay apart.
    EXPECT_EQ(Clean(QStringLiteral("|☆||〓||※|")), QStringLiteral("我你他"));
    EXPECT_EQ(Clean(QStringLiteral("||☆||")), QStringLiteral("|我|"));
}

TEST(CleanMessageText, LeavesLookAlikesAlone) {
    const QStringList untouched{
        QStringLiteral("没有注释也没有占位的短信。"),
        QStringLiteral("（本信息有") + kDomain + QStringLiteral("收集整理）"), // full-width
        QStringLiteral("(本信息有") + kDomain.toUpper() + QStringLiteral("收集整理)"),
        QStringLiteral("(本信息有") + kName + QStringLiteral("收集整理") + kDomain +
            QStringLiteral(")"), // the long note without its blank
        QStringLiteral("(本信息有") + kDomain + QStringLiteral("收集整理"),
        QStringLiteral("|☆ |"),
        QStringLiteral("☆〓※"),
        QString(),
    };
    for (const QString& text : untouched)
        EXPECT_EQ(Clean(text), text) << text.toStdString();
}

TEST(CleanMessageText, StepsRunInOrderWithoutRescanningWhatTheyInserted) {
    // A placeholder inside a note splits it: the note is no longer whole, so it stays, and only
    // the placeholder is filled.
    QString split = kShort;
    split.insert(3, QStringLiteral("|〓|"));
    QString expected = kShort;
    expected.insert(3, QStringLiteral("你"));
    EXPECT_EQ(Clean(split), expected);
    // Removing one note may bring two halves of another together; that note is then found by
    // its own later step only if it is the short one.
    const QString halves = kShort.left(5) + kLong + kShort.mid(5);
    EXPECT_EQ(Clean(halves), QString());
}
