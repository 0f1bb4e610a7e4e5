#include "framework/forms/FormReader.h"

#include "framework/controls/TEdit.h"
#include "framework/controls/TLabel.h"
#include "framework/core/Exception.h"
#include "framework/core/TCollection.h"
#include "framework/core/TForm.h"
#include "framework/forms/ClassRegistry.h"
#include "framework/forms/FormParser.h"

#include <gtest/gtest.h>

namespace {

QStringList gLog;

class TProbeItem : public TCollectionItem {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
public:
    using TCollectionItem::TCollectionItem;
    QString Caption() const { return caption_; }
    void SetCaption(const QString& v) { caption_ = v; }
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }

private:
    QString caption_;
    int width_ = 0;
};

// Writes every setter call, in the order they come, with whether loading was on.
class TProbe : public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Number READ Number WRITE SetNumber)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
    Q_PROPERTY(bool Flag READ Flag WRITE SetFlag)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(Framework::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(Framework::TFontStyles Styles READ Styles WRITE SetStyles)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(TProbe* Peer READ Peer WRITE SetPeer)
    Q_PROPERTY(TCollection* Items READ Items)
public:
    explicit TProbe(TComponent* owner)
        : TComponent(owner), items_(this, [](TCollection* c) { return new TProbeItem(c); }) {}

    int Number() const { return number_; }
    // Refuses large numbers, as setters refuse values they cannot take.
    void SetNumber(int v) {
        if (v > 999)
            throw EConvertError(QStringLiteral("no number above 999"));
        Note(QStringLiteral("Number=%1").arg(v)), number_ = v;
    }
    QString Text() const { return text_; }
    void SetText(const QString& v) { Note(QStringLiteral("Text=") + v), text_ = v; }
    QStringList Lines() const { return lines_; }
    void SetLines(const QStringList& v) {
        Note(QStringLiteral("Lines=") + v.join(u'|')), lines_ = v;
    }
    bool Flag() const { return flag_; }
    void SetFlag(bool v) { Note(QStringLiteral("Flag=%1").arg(v)), flag_ = v; }
    int Color() const { return color_; }
    void SetColor(int v) { Note(QStringLiteral("Color")), color_ = v; }
    int Cursor() const { return cursor_; }
    void SetCursor(int v) { Note(QStringLiteral("Cursor")), cursor_ = v; }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign v) { Note(QStringLiteral("Align")), align_ = v; }
    TFontStyles Styles() const { return styles_; }
    void SetStyles(TFontStyles v) { Note(QStringLiteral("Styles")), styles_ = v; }
    TFont* Font() { return &font_; }
    TProbe* Peer() const { return peer_; }
    void SetPeer(TProbe* v) {
        if (v == this)
            throw EComponentError(QStringLiteral("a probe is no peer of itself"));
        Note(QStringLiteral("Peer=") + (v ? v->Name() : QStringLiteral("nil"))), peer_ = v;
    }
    TCollection* Items() { return &items_; }
    TProbeItem* Item(int i) const { return static_cast<TProbeItem*>(items_.Items(i)); }

    void Loaded() override {
        gLog << QStringLiteral("%1 loaded, loading %2, peer %3")
                    .arg(Name())
                    .arg(IsLoading())
                    .arg(peer_ ? peer_->Name() : QStringLiteral("nil"));
        TComponent::Loaded();
    }
    bool BindEvent(const QByteArray& name, const TMethod& method) override {
        if (name != "OnPing")
            return TComponent::BindEvent(name, method);
        OnPing = MethodToEvent<TObject*>(method);
        return true;
    }
    TNotifyEvent OnPing;

private:
    void Note(const QString& what) {
        gLog << QStringLiteral("%1.%2%3").arg(Name(), what, IsLoading() ? "" : " (not loading)");
    }
    int number_ = 0;
    QString text_;
    QStringList lines_;
    bool flag_ = false;
    int color_ = 0;
    int cursor_ = 0;
    TAlign align_ = TAlign::alNone;
    TFontStyles styles_;
    TFont font_;
    TProbe* peer_ = nullptr;
    TCollection items_;
};

class TProbeForm : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;
    QStringList pings;
    void Loaded() override {
        gLog << QStringLiteral("form loaded");
        TForm::Loaded();
    }

public slots:
    void ProbePing(TObject* Sender) { pings << static_cast<TComponent*>(Sender)->Name(); }
};

} // namespace

class FormReaderTest : public testing::Test {
protected:
    FormReaderTest() {
        ClassRegistry::Register<TProbe>();
        gLog.clear();
    }

    TProbe* Probe(const char* name) {
        return qobject_cast<TProbe*>(form.FindComponent(QString::fromLatin1(name)));
    }
    void Read(const QString& text) { FormReader::ReadInto(&form, FormParser::Parse(text)); }
    // Read into a form of its own, so that every description starts afresh.
    static QString ErrorFor(const QString& text) {
        try {
            TProbeForm fresh(nullptr);
            FormReader::ReadInto(&fresh, FormParser::Parse(text));
        } catch (const EReadError& error) {
            return error.Message();
        }
        return QStringLiteral("(no error)");
    }

    TProbeForm form{nullptr};
};

TEST_F(FormReaderTest, EveryKindOfValueReachesItsProperty) {
    Read(QStringLiteral("object Main: TProbeForm\n"
                        "  object P: TProbe\n"
                        "    Number = -7\n"
                        "    Text = 'a''b'#20320\n"
                        "    Lines = ('x' 'y')\n"
                        "    Flag = True\n"
                        "    Color = clBtnFace\n"
                        "    Cursor = crHandPoint\n"
                        "    Align = alClient\n"
                        "    Styles = [fsBold, fsUnderline]\n"
                        "    Font.Name = 'Tahoma'\n"
                        "    Font.Height = -13\n"
                        "    Font.Color = $0000FF\n"
                        "    Font.Style = [fsItalic]\n"
                        "    Items = <\n"
                        "      item\n"
                        "        Caption = 'first'\n"
                        "        Width = 12\n"
                        "      end\n"
                        "      item\n"
                        "        Caption = 'second'\n"
                        "      end>\n"
                        "  end\n"
                        "end\n"));
    EXPECT_EQ(form.Name(), QStringLiteral("Main"));
    TProbe* p = Probe("P");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Owner(), &form);
    EXPECT_EQ(p->Number(), -7);
    EXPECT_EQ(p->Text(), QStringLiteral("a'b你"));
    EXPECT_EQ(p->Lines(), (QStringList{"x", "y"}));
    EXPECT_TRUE(p->Flag());
    EXPECT_EQ(p->Color(), clBtnFace);
    EXPECT_EQ(p->Cursor(), crHandPoint);
    EXPECT_EQ(p->Align(), TAlign::alClient);
    EXPECT_EQ(p->Styles(), TFontStyles(Framework::fsBold) | Framework::fsUnderline);
    EXPECT_EQ(p->Font()->Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(p->Font()->Height(), -13);
    EXPECT_EQ(p->Font()->Color(), clRed);
    EXPECT_EQ(p->Font()->Style(), TFontStyles(Framework::fsItalic));
    ASSERT_EQ(p->Items()->Count(), 2);
    EXPECT_EQ(p->Item(0)->Caption(), QStringLiteral("first"));
    EXPECT_EQ(p->Item(0)->Width(), 12);
    EXPECT_EQ(p->Item(1)->Caption(), QStringLiteral("second"));
    EXPECT_EQ(p->Item(1)->Collection()->Owner(), p);
}

TEST_F(FormReaderTest, PropertiesAreSetInStoredOrderWhileLoadingAndLoadedComesOnceAtTheEnd) {
    Read(QStringLiteral("object Main: TProbeForm\n"
                        "  object First: TProbe\n"
                        "    Text = 't'\n"
                        "    Peer = Second\n"
                        "    Number = 1\n"
                        "    Flag = False\n"
                        "  end\n"
                        "  object Second: TProbe\n"
                        "    Number = 2\n"
                        "    Peer = nil\n"
                        "    Text = 'u'\n"
                        "  end\n"
                        "end\n"));
    // References wait until every component exists; Loaded follows when all is in.
    EXPECT_EQ(gLog,
              (QStringList{"First.Text=t", "First.Number=1", "First.Flag=0", "Second.Number=2",
                           "Second.Text=u", "First.Peer=Second", "Second.Peer=nil", "form loaded",
                           "First loaded, loading 1, peer Second",
                           "Second loaded, loading 1, peer nil"}));
    EXPECT_EQ(Probe("First")->Peer(), Probe("Second"));
    EXPECT_FALSE(Probe("First")->IsLoading());
    EXPECT_FALSE(form.IsLoading());
}

TEST_F(FormReaderTest, EventsAreBoundToTheRootsSlots) {
    Read(QStringLiteral("object Main: TProbeForm\n"
                        "  object Pinger: TProbe\n"
                        "    OnPing = ProbePing\n"
                        "  end\n"
                        "end\n"));
    TProbe* p = Probe("Pinger");
    ASSERT_TRUE(p->OnPing);
    p->OnPing(p);
    EXPECT_EQ(form.pings, (QStringList{"Pinger"}));
}

TEST_F(FormReaderTest, ControlsAreParentedToTheObjectTheyAreStoredIn) {
    Read(QStringLiteral("object Main: TProbeForm\n"
                        "  Font.Height = -13\n"
                        "  object Label1: TLabel\n"
                        "    Left = 16\n"
                        "    Top = 72\n"
                        "    Cursor = crHandPoint\n"
                        "    Caption = '春节'\n"
                        "    Font.Color = clGreen\n"
                        "    ParentFont = False\n"
                        "  end\n"
                        "end\n"));
    auto* label = qobject_cast<TLabel*>(form.FindComponent(QStringLiteral("label1")));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), &form);
    EXPECT_EQ(label->Left(), 16);
    EXPECT_EQ(label->Top(), 72);
    EXPECT_EQ(label->Cursor(), crHandPoint);
    EXPECT_EQ(label->Caption(), QStringLiteral("春节"));
    EXPECT_EQ(label->Font()->Color(), clGreen);
    EXPECT_EQ(label->Font()->Height(), -13); // taken over from the form before its own colour
    EXPECT_FALSE(label->ParentFont());
}

TEST_F(FormReaderTest, WhatCannotBeReadIsAReadErrorWithItsLineComponentAndProperty) {
    const QString head = QStringLiteral("object Main: TProbeForm\n  object P: TProbe\n");
    const QString tail = QStringLiteral("  end\nend\n");
    auto errorWith = [&](const QString& line) { return ErrorFor(head + line + tail); };

    EXPECT_EQ(ErrorFor(QStringLiteral("object Main: TProbeForm\n"
                                      "  Tag = 1\n"
                                      "  object X: TNoSuchClass\n"
                                      "  end\n"
                                      "end\n")),
              QStringLiteral("Form description, line 3: X: class TNoSuchClass not found"));
    EXPECT_EQ(errorWith(QStringLiteral("    Colour = clRed\n")),
              QStringLiteral("Form description, line 3: P.Colour: property Colour does not exist"));
    EXPECT_EQ(errorWith(QStringLiteral("    Font.Nom = 'x'\n")),
              QStringLiteral("Form description, line 3: P.Font.Nom: property Nom does not exist"));
    EXPECT_EQ(errorWith(QStringLiteral("    Number = 'seven'\n")),
              QStringLiteral(
                  "Form description, line 3: P.Number: a string is no valid value for Number"));
    EXPECT_EQ(
        errorWith(QStringLiteral("    Text = 7\n")),
        QStringLiteral("Form description, line 3: P.Text: an integer is no valid value for Text"));
    EXPECT_EQ(errorWith(QStringLiteral("    Number = 1\n    Align = alMiddle\n")),
              QStringLiteral(
                  "Form description, line 4: P.Align: an identifier is no valid value for Align"));
    EXPECT_EQ(
        errorWith(QStringLiteral("    Styles = [fsBold, fsHeavy]\n")),
        QStringLiteral("Form description, line 3: P.Styles: a set is no valid value for Styles"));
    EXPECT_EQ(errorWith(QStringLiteral("    Color = clPurple\n")),
              QStringLiteral(
                  "Form description, line 3: P.Color: an identifier is no valid value for Color"));
    EXPECT_EQ(errorWith(QStringLiteral("    Peer = Ghost\n")),
              QStringLiteral("Form description, line 3: P.Peer: component Ghost not found"));
    // A setter's own error keeps its text, under the line and the property.
    EXPECT_EQ(errorWith(QStringLiteral("    Tag = 1\n    Number = 1000\n")),
              QStringLiteral("Form description, line 4: P.Number: no number above 999"));
    EXPECT_EQ(errorWith(QStringLiteral("    Text = 'x'\n    Peer = P\n")),
              QStringLiteral("Form description, line 4: P.Peer: a probe is no peer of itself"));
    EXPECT_EQ(ErrorFor(QStringLiteral("object Main: TProbeForm\n"
                                      "  object P: TProbe\n"
                                      "    OnPing = NoSuchSlot\n"
                                      "  end\n"
                                      "end\n")),
              QStringLiteral("Form description, line 3: P.OnPing: Method NoSuchSlot not found in "
                             "TProbeForm"));
    EXPECT_EQ(ErrorFor(QStringLiteral("object Main: TSomethingElse\nend\n")),
              QStringLiteral("Form description of TProbeForm is for class TSomethingElse"));
}

TEST_F(FormReaderTest, ACharacterIsAOneCharacterString) {
    Read(QStringLiteral("object Main: TProbeForm\n"
                        "  object Masked: TEdit\n    PasswordChar = '*'\n  end\n"
                        "  object Plain: TEdit\n    PasswordChar = #0\n  end\n"
                        "end\n"));
    const auto passwordChar = [this](const char* name) {
        return qobject_cast<TEdit*>(form.FindComponent(QString::fromLatin1(name)))->PasswordChar();
    };
    EXPECT_EQ(passwordChar("Masked"), u'*');
    EXPECT_TRUE(passwordChar("Plain").isNull());
    EXPECT_EQ(ErrorFor(QStringLiteral("object Main: TProbeForm\n"
                                      "  object E: TEdit\n    PasswordChar = '**'\n  end\n"
                                      "end\n")),
              QStringLiteral("Form description, line 3: E.PasswordChar: a string is no valid value "
                             "for PasswordChar"));
}

#include "FormReaderTest.moc"
