#include "framework/forms/FormParser.h"

#include "ParseErrorFor.h"
#include "framework/core/Exception.h"

#include <gtest/gtest.h>

namespace {

const FormProperty& Property(const FormNode& node, const QString& path) {
    for (const FormProperty& p : node.properties)
        if (p.path == path)
            return p;
    throw std::runtime_error("no property " + path.toStdString());
}

} // namespace

TEST(FormParserTest, StringsJoinQuotesCharacterCodesAndPlusAcrossLines) {
    const FormNode node = FormParser::Parse(QStringLiteral("object Form1: TForm1\n"
                                                           "  Caption = 'It''s'#13#10'next' +\n"
                                                           "    ' line'#20320'好'\n"
                                                           "  Hint = ''\n"
                                                           "  Plain = #65\n"
                                                           "end\n"));
    const FormProperty& caption = Property(node, QStringLiteral("Caption"));
    EXPECT_EQ(caption.value.kind, FormValue::Kind::String);
    EXPECT_EQ(caption.value.text, QStringLiteral("It's\r\nnext line你好"));
    EXPECT_EQ(caption.line, 2);
    EXPECT_EQ(Property(node, QStringLiteral("Hint")).value.text, QString());
    EXPECT_EQ(Property(node, QStringLiteral("Hint")).line, 4);
    EXPECT_EQ(Property(node, QStringLiteral("Plain")).value.text, QStringLiteral("A"));
}

TEST(FormParserTest, NumbersMayBeNegativeHexadecimalOrFractional) {
    const FormNode node = FormParser::Parse(QStringLiteral("object A: TX\n"
                                                           "  Height = -13\n"
                                                           "  Color = $00E7E7E7\n"
                                                           "  Ratio = 1.25\n"
                                                           "  Zero = 0\n"
                                                           "end"));
    EXPECT_EQ(Property(node, QStringLiteral("Height")).value.integer, -13);
    EXPECT_EQ(Property(node, QStringLiteral("Color")).value.kind, FormValue::Kind::Integer);
    EXPECT_EQ(Property(node, QStringLiteral("Color")).value.integer, 15198183);
    EXPECT_EQ(Property(node, QStringLiteral("Ratio")).value.kind, FormValue::Kind::Float);
    EXPECT_DOUBLE_EQ(Property(node, QStringLiteral("Ratio")).value.real, 1.25);
    EXPECT_EQ(Property(node, QStringLiteral("Zero")).value.integer, 0);
}

TEST(FormParserTest, SetsListsCollectionsAndDottedNames) {
    const FormNode node = FormParser::Parse(QStringLiteral("object A: TX\n"
                                                           "  Font.Style = [fsBold, fsItalic]\n"
                                                           "  Anchors = []\n"
                                                           "  Lines.Strings = (\n"
                                                           "    'one'\n"
                                                           "    'two''s')\n"
                                                           "  Buttons = <\n"
                                                           "    item\n"
                                                           "      Caption = 'x'\n"
                                                           "      Width = 3\n"
                                                           "    end\n"
                                                           "    item\n"
                                                           "    end>\n"
                                                           "  Align = alClient\n"
                                                           "end"));
    const FormProperty& style = Property(node, QStringLiteral("Font.Style"));
    EXPECT_EQ(style.value.kind, FormValue::Kind::Set);
    EXPECT_EQ(style.value.items, (QStringList{"fsBold", "fsItalic"}));
    EXPECT_TRUE(Property(node, QStringLiteral("Anchors")).value.items.isEmpty());
    EXPECT_EQ(Property(node, QStringLiteral("Lines.Strings")).value.items,
              (QStringList{"one", "two's"}));
    const FormValue& buttons = Property(node, QStringLiteral("Buttons")).value;
    ASSERT_EQ(buttons.collection.size(), 2u);
    ASSERT_EQ(buttons.collection[0].properties.size(), 2u);
    EXPECT_EQ(buttons.collection[0].properties[0].path, QStringLiteral("Caption"));
    EXPECT_EQ(buttons.collection[0].properties[1].value.integer, 3);
    EXPECT_EQ(buttons.collection[0].properties[1].line, 10);
    EXPECT_TRUE(buttons.collection[1].properties.empty());
    EXPECT_EQ(Property(node, QStringLiteral("Align")).value.kind, FormValue::Kind::Identifier);
    EXPECT_EQ(Property(node, QStringLiteral("Align")).value.text, QStringLiteral("alClient"));
    EXPECT_EQ(Property(node, QStringLiteral("Align")).line, 14);
}

TEST(FormParserTest, ObjectsNestInStoredOrder) {
    const FormNode node = FormParser::Parse(QStringLiteral("object Form1: TForm1\n"
                                                           "  Left = 1\n"
                                                           "  object Panel1: TPanel\n"
                                                           "    object Objective: TLabel\n"
                                                           "      Endless = True\n"
                                                           "    end\n"
                                                           "  end\n"
                                                           "  OBJECT Edit1: TEdit END\n"
                                                           "end"));
    EXPECT_EQ(node.name, QStringLiteral("Form1"));
    EXPECT_EQ(node.className, QStringLiteral("TForm1"));
    ASSERT_EQ(node.children.size(), 2u);
    EXPECT_EQ(node.children[0].name, QStringLiteral("Panel1"));
    EXPECT_EQ(node.children[0].line, 3);
    ASSERT_EQ(node.children[0].children.size(), 1u);
    // Names that begin like the keywords are names.
    EXPECT_EQ(node.children[0].children[0].name, QStringLiteral("Objective"));
    EXPECT_EQ(node.children[0].children[0].properties[0].path, QStringLiteral("Endless"));
    EXPECT_EQ(node.children[1].className, QStringLiteral("TEdit"));
    EXPECT_EQ(node.children[1].line, 8);
}

TEST(FormParserTest, MalformedTextIsAReadErrorNamingTheLineAndWhatWasRead) {
    EXPECT_EQ(ParseErrorFor(QStringLiteral("object A: TX\n  Left = 1\n  object B: TY\n  end\n")),
              QStringLiteral("Form description, line 5: A: 'end' expected"));
    EXPECT_EQ(ParseErrorFor(QStringLiteral("object A: TX\n  Caption = 'open\n  Left = 1\nend")),
              QStringLiteral("Form description, line 2: A.Caption: unterminated string"));
    EXPECT_EQ(ParseErrorFor(QStringLiteral("object A: TX\nend\nend\n")),
              QStringLiteral("Form description, line 3: text after the last 'end'"));
    EXPECT_EQ(ParseErrorFor(QStringLiteral("object A: TX\n  Left 1\nend")),
              QStringLiteral("Form description, line 2: A.Left: '=' expected"));
    EXPECT_EQ(ParseErrorFor(QStringLiteral("object A: TX\n  Caption = 'a' +\n\n  Left = 1\nend")),
              QStringLiteral("Form description, line 4: A.Caption: string expected after '+'"));
    EXPECT_EQ(ParseErrorFor(QStringLiteral("\n\nthing A: TX\nend")),
              QStringLiteral("Form description, line 3: 'object' expected"));
}
