// Form descriptions with bad content: each is a read error that says where it is (the line, the
// component, the property), never a crash and never a form half made up of guesses.
#include "ParseErrorFor.h"
#include "framework/core/Exception.h"
#include "framework/core/TCollection.h"
#include "framework/core/TForm.h"
#include "framework/forms/ClassRegistry.h"
#include "framework/forms/FormParser.h"
#include "framework/forms/FormReader.h"

#include <QPointer>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// An item that refers to another component, as a title-bar button refers to its menu.
class TLinkItem : public TCollectionItem {
    Q_OBJECT
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_PROPERTY(TComponent* Target READ Target WRITE SetTarget)
public:
    using TCollectionItem::TCollectionItem;
    int Size() const { return size_; }
    void SetSize(int v) { size_ = v; }
    TComponent* Target() const { return target_; }
    void SetTarget(TComponent* v) { target_ = v; }

private:
    int size_ = 0;
    QPointer<TComponent> target_;
};

class TLinkHolder : public TComponent {
    Q_OBJECT
    Q_PROPERTY(TCollection* Links READ Links)
public:
    explicit TLinkHolder(TComponent* owner)
        : TComponent(owner), links_(this, [](TCollection* c) { return new TLinkItem(c); }) {}
    TCollection* Links() { return &links_; }
    TLinkItem* Link(int i) const { return static_cast<TLinkItem*>(links_.Items(i)); }

private:
    TCollection links_;
};

// A description using every kind of value, each of its lines complete.
const QString kWhole = QStringLiteral("object Form1: TForm\n"
                                      "  Caption = 'Whole' + \n"
                                      "    ' form'#13\n"
                                      "  object Panel1: TPanel\n"
                                      "    Left = -8\n"
                                      "    Font.Style = [fsBold, fsItalic]\n"
                                      "    object Memo1: TMemo\n"
                                      "      Lines = (\n"
                                      "        'one'\n"
                                      "        'two')\n"
                                      "    end\n"
                                      "  end\n"
                                      "  object Holder: TLinkHolder\n"
                                      "    Links = <\n"
                                      "      item\n"
                                      "        Size = $10\n"
                                      "        Target = Panel1\n"
                                      "      end>\n"
                                      "    Tag = 3\n"
                                      "  end\n"
                                      "end\n");

} // namespace

class BadFormDescriptionTest : public testing::Test {
protected:
    BadFormDescriptionTest() { ClassRegistry::Register<TLinkHolder>(); }

    void Read(TForm& form, const QString& text) {
        FormReader::ReadInto(&form, FormParser::Parse(text));
    }
    // The error reading `objects` into a fresh Form1, with a label and a panel holding an edit
    // already there to refer to.
    QString ErrorFor(const QString& objects) {
        try {
            TForm form(nullptr);
            Read(form, QStringLiteral("object Form1: TForm\n"
                                      "  object Label1: TLabel\n  end\n"
                                      "  object Panel1: TPanel\n"
                                      "    object Edit1: TEdit\n  end\n"
                                      "  end\n") +
                           objects + QStringLiteral("end\n"));
        } catch (const EReadError& error) {
            return error.Message();
        }
        return QStringLiteral("(no error)");
    }
    // The error for one value line given to a new component of `className` called X (line 9).
    QString ErrorForValue(const QString& className, const QString& value) {
        return ErrorFor(QStringLiteral("  object X: %1\n    %2\n  end\n").arg(className, value));
    }
};

TEST_F(BadFormDescriptionTest, TextCutShortAnywhereIsAReadError) {
    TForm whole(nullptr);
    Read(whole, kWhole); // the uncut text is a form
    const qsizetype end = kWhole.lastIndexOf(QStringLiteral("end"));
    for (qsizetype length = 0; length < end; ++length)
        EXPECT_TRUE(ParseErrorFor(kWhole.left(length)).startsWith("Form description, line "))
            << "cut after " << length
            << " characters: " << ParseErrorFor(kWhole.left(length)).toStdString();
}

TEST_F(BadFormDescriptionTest, TextCutShortNamesTheObjectOrPropertyItStopsIn) {
    const auto cutAfter = [](const char* piece) {
        return ParseErrorFor(
            kWhole.left(kWhole.indexOf(QString::fromUtf8(piece)) + qsizetype(std::strlen(piece))));
    };
    EXPECT_EQ(cutAfter("'Who"),
              QStringLiteral("Form description, line 2: Form1.Caption: unterminated string"));
    EXPECT_EQ(cutAfter("' + \n"),
              QStringLiteral("Form description, line 3: Form1.Caption: string expected after '+'"));
    EXPECT_EQ(cutAfter("[fsBold,"), QStringLiteral("Form description, line 6: "
                                                   "Panel1.Font.Style: identifier expected"));
    EXPECT_EQ(cutAfter("'one'\n"),
              QStringLiteral("Form description, line 10: Memo1.Lines: value expected"));
    EXPECT_EQ(cutAfter("Target = Panel1\n"),
              QStringLiteral("Form description, line 18: Holder.Links[0]: 'end' expected"));
    EXPECT_EQ(cutAfter("Tag = 3\n"),
              QStringLiteral("Form description, line 20: Holder: 'end' expected"));
    EXPECT_EQ(ParseErrorFor(QStringLiteral("object Form1: TForm\n  Tag = {0A0")),
              QStringLiteral("Form description, line 2: Form1.Tag: unterminated binary data"));
}

TEST_F(BadFormDescriptionTest, UnknownClassesPropertiesAndHandlersNameTheComponent) {
    EXPECT_EQ(ErrorFor(QStringLiteral("  object Panel2: TPanel\n"
                                      "    object Gauge1: TGauge\n    end\n"
                                      "  end\n")),
              QStringLiteral("Form description, line 9: Gauge1: class TGauge not found"));
    EXPECT_EQ(ErrorForValue(QStringLiteral("TEdit"), QStringLiteral("Colour = clRed")),
              QStringLiteral("Form description, line 9: X.Colour: property Colour does not exist"));
    EXPECT_EQ(ErrorForValue(QStringLiteral("TLabel"), QStringLiteral("Caption.Size = 3")),
              QStringLiteral("Form description, line 9: X.Caption.Size: Caption holds no object"));
    EXPECT_EQ(ErrorForValue(QStringLiteral("TLinkHolder"),
                            QStringLiteral("Links = <item Size = 1 end item Width = 2 end>")),
              QStringLiteral("Form description, line 9: X.Links[1].Width: property Width does "
                             "not exist"));
    EXPECT_EQ(ErrorForValue(QStringLiteral("TEdit"), QStringLiteral("OnChange = EditChange")),
              QStringLiteral("Form description, line 9: X.OnChange: Method EditChange not found "
                             "in TForm"));
    EXPECT_EQ(ErrorFor(QStringLiteral("  object Label1: TLabel\n  end\n")),
              QStringLiteral("Form description, line 8: Label1: A component named Label1 "
                             "already exists"));
}

TEST_F(BadFormDescriptionTest, ValuesOfTheWrongKindNameTheComponentAndTheProperty) {
    const struct {
        const char* className;
        const char* value;
        const char* error;
    } cases[] = {
        {"TEdit", "Left = 'ten'", "X.Left: a string is no valid value for Left"},
        {"TEdit", "Width = 1.5", "X.Width: a number is no valid value for Width"},
        {"TLabel", "Caption = [fsBold]", "X.Caption: a set is no valid value for Caption"},
        {"TLabel", "Caption = {00}", "X.Caption: binary data is no valid value for Caption"},
        {"TLabel", "Hint = ('a' 'b')", "X.Hint: a list is no valid value for Hint"},
        {"TLabel", "Visible = 1", "X.Visible: an integer is no valid value for Visible"},
        {"TLabel", "Align = [alTop]", "X.Align: a set is no valid value for Align"},
        {"TLabel", "Font = 'Tahoma'", "X.Font: a string is no valid value for Font"},
        {"TLabel", "Font.Height = <>", "X.Font.Height: a collection is no valid value for Height"},
        {"TMemo", "Lines = 12", "X.Lines: an integer is no valid value for Lines"},
        {"TLabel", "FocusControl = 12",
         "X.FocusControl: an integer is no valid value for "
         "FocusControl"},
        {"TLabel", "FocusControl = Label1", "X.FocusControl: Label1 does not fit FocusControl"},
        {"TLinkHolder", "Links = 'x'", "X.Links: a string is no valid value for Links"},
        {"TLinkHolder", "Links = <item Target = Ghost end>",
         "X.Links[0].Target: component Ghost not found"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorForValue(QString::fromLatin1(c.className), QString::fromLatin1(c.value)),
                  QStringLiteral("Form description, line 9: ") + QString::fromLatin1(c.error));
}

// The items of a collection stored twice are replaced; what the replaced ones referred to is not
// looked up for them once every component exists.
TEST_F(BadFormDescriptionTest, ACollectionStoredAgainForgetsTheReferencesOfItsFormerItems) {
    TForm form(nullptr);
    Read(form, QStringLiteral("object Form1: TForm\n"
                              "  object Holder: TLinkHolder\n"
                              "    Links = <item Target = Holder end item Target = Ghost end>\n"
                              "    Links = <item Size = 2 Target = Form1 end>\n"
                              "  end\n"
                              "end\n"));
    auto* holder = qobject_cast<TLinkHolder*>(form.FindComponent(QStringLiteral("Holder")));
    ASSERT_NE(holder, nullptr);
    ASSERT_EQ(holder->Links()->Count(), 1);
    EXPECT_EQ(holder->Link(0)->Size(), 2);
    EXPECT_EQ(holder->Link(0)->Target(), &form);
}

#include "BadFormDescriptionTest.moc"
