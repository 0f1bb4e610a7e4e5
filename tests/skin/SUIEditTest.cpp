#include "skin/SUIEdit.h"

#include "framework/controls/TEdit.h"
#include "framework/core/TForm.h"
#include "framework/core/TestSupport.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "skin/SUIPopupMenu.h"
#include "skin/support/StoredFormSupport.h"
#include "skin/support/ThemeFileWriter.h"
#include "support/ImageCompare.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace StoredFormSupport;
using namespace TestSupport;

namespace {

constexpr TColor kMacOSBorder = 0x7F7F7F;
constexpr TColor kThemeBorder = 0x102030;

// The ring `inset` pixels inside the edges of the picture holds nothing but `colour`.
bool RingIs(const QImage& image, int inset, TColor colour) {
    const int right = image.width() - 1 - inset;
    const int bottom = image.height() - 1 - inset;
    for (int x = inset; x <= right; ++x)
        if (PixelAt(image, x, inset) != colour || PixelAt(image, x, bottom) != colour)
            return false;
    for (int y = inset; y <= bottom; ++y)
        if (PixelAt(image, inset, y) != colour || PixelAt(image, right, y) != colour)
            return false;
    return true;
}

// The top-left corner of the text's ink: the first column and row with a pixel in `ink`.
QPoint InkOrigin(const QImage& image, TColor ink) {
    QPoint origin(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelAt(image, x, y) == ink)
                origin = QPoint(std::min(origin.x(), x), std::min(origin.y(), y));
    return origin;
}

} // namespace

class SUIEditTest : public testing::Test {
protected:
    SUIEditTest() {
        form.SetBounds(0, 0, 300, 80);
        edit->SetParent(&form);
        edit->SetBounds(10, 10, 235, 21);
    }
    QImage Face() { return edit->Handle()->grab().toImage(); }

    RecordingApplication app;
    TForm form{nullptr};
    TsuiEdit* edit = new TsuiEdit(&form);
};

TEST_F(SUIEditTest, TheStyleGivesTheBorderColourUntilOneIsSetAndAgainAtTheNextStyle) {
    EXPECT_EQ(edit->UIStyle(), TsuiUIStyle::DeepBlue); // no skinned frame on the form
    EXPECT_EQ(edit->BorderColor(), clBlack);
    edit->SetBorderColor(clRed);
    EXPECT_EQ(edit->BorderColor(), clRed);
    edit->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(edit->BorderColor(), kMacOSBorder);
    edit->SetUIStyle(TsuiUIStyle::FromThemeFile); // without a theme: DeepBlue's
    EXPECT_EQ(edit->BorderColor(), clBlack);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("edit.theme"));
    ThemeFileWriter().AddInt("ControlBorderColor", kThemeBorder).Save(path);
    auto* theme = new TsuiFileTheme(&form);
    theme->SetThemeFile(path);
    edit->SetFileTheme(theme);
    EXPECT_EQ(edit->BorderColor(), kThemeBorder);
    edit->SetBorderColor(clRed);
    edit->SetFileTheme(theme); // the theme again takes its colour anew
    EXPECT_EQ(edit->BorderColor(), kThemeBorder);

    edit->SetUIStyle(TsuiUIStyle::MacOS);
    delete theme;
    EXPECT_EQ(edit->FileTheme(), nullptr);
    EXPECT_EQ(edit->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(edit->BorderColor(), clBlack);
}

TEST_F(SUIEditTest, TheFrameIsThereAfterEveryPaintEraseAndTextChangeAndTheTextStaysInside) {
    edit->SetBorderColor(clRed);
    const TColor inner = ColorToRGB(edit->Color());
    QImage face = Face();
    EXPECT_TRUE(RingIs(face, 0, clRed));
    EXPECT_TRUE(RingIs(face, 1, inner));

    // Long text, scrolled to its end, still leaves the frame whole.
    edit->SetText(QString(80, u'W'));
    face = Face();
    EXPECT_TRUE(RingIs(face, 0, clRed));
    EXPECT_TRUE(RingIs(face, 1, inner));

    // The text starts 2 pixels further right than in an edit without the frame's margin, and
    // stays centred in the height left inside it.
    edit->SetText(QStringLiteral("短信"));
    TEdit plain(nullptr);
    plain.SetBorderStyle(TBorderStyle::bsNone);
    plain.SetBounds(0, 0, 235, 21);
    plain.SetText(QStringLiteral("短信"));
    const QImage plainFace = plain.Handle()->grab().toImage();
    const TColor ink = ColorToRGB(edit->Font()->Color());
    EXPECT_EQ(InkOrigin(Face(), ink), InkOrigin(plainFace, ink) + QPoint(2, 0));

    // The erase alone brings the frame too.
    TBitmap window;
    window.SetSize(235, 21);
    window.Canvas().Brush().SetColor(clLime);
    window.Canvas().FillRect(Rect(0, 0, 235, 21));
    edit->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&window.Canvas()));
    EXPECT_TRUE(RingIs(window.Image(), 0, clRed));
    EXPECT_TRUE(RingIs(window.Image(), 1, inner));
    EXPECT_EQ(window.Pixels(10, 10), clLime);
}

TEST_F(SUIEditTest, EveryPrintableCharacterAndAnInputMethodsCommitReachTheText) {
    form.Show();
    QApplication::setActiveWindow(form.Handle());
    edit->SetFocus();
    QString printable;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        printable += QChar(c);
    TypeText(edit->Handle(), printable);
    EXPECT_EQ(edit->Text(), printable);

    edit->SetText(QString());
    QInputMethodEvent preedit(QStringLiteral("chunjie"), {});
    QCoreApplication::sendEvent(edit->Handle(), &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("春节"));
    QCoreApplication::sendEvent(edit->Handle(), &commit);
    EXPECT_EQ(edit->Text(), QStringLiteral("春节"));
}

TEST(SUIEditReadingTest, EveryPublishedValueReadsInItsStoredOrderAndTakesEffect) {
    RecordingApplication app;
    TStoredForm form(nullptr);
    auto* theme = new TsuiFileTheme(&form);
    theme->SetName(QStringLiteral("suiFileTheme1"));
    const QStringList values =
        QStringList{"Left = 10",
                    "Top = 10",
                    "Width = 235",
                    "Height = 21",
                    "FileTheme = suiFileTheme1",
                    "UIStyle = MacOS",
                    "BorderColor = clRed",
                    "Anchors = [akLeft, akTop, akRight]",
                    "AutoSelect = False",
                    "AutoSize = False",
                    "BiDiMode = bdRightToLeft",
                    "CharCase = ecUpperCase",
                    "Color = clWhite",
                    "Constraints.MinWidth = 100",
                    "Ctl3D = False",
                    "DragCursor = crHandPoint",
                    "DragKind = dkDock",
                    "DragMode = dmAutomatic",
                    "Enabled = True"} +
        StoredFont() +
        QStringList{
            "HideSelection = False",   "ImeMode = imChinese",      "ImeName = '中文 - 拼音'",
            "MaxLength = 8",           "OEMConvert = True",        "ParentBiDiMode = False",
            "ParentColor = False",     "ParentCtl3D = False",      "ParentFont = False",
            "ParentShowHint = False",  "PasswordChar = '*'",       "PopupMenu = EditMenu",
            "ReadOnly = True",         "ShowHint = True",          "TabOrder = 0",
            "TabStop = True",          "Text = 'keyword'",         "Visible = True",
            "OnChange = Notify",       "OnClick = Notify",         "OnDblClick = Notify",
            "OnDragDrop = DragDrop",   "OnDragOver = DragOver",    "OnEndDock = EndDrag",
            "OnEndDrag = EndDrag",     "OnEnter = Notify",         "OnExit = Notify",
            "OnKeyDown = Key",         "OnKeyPress = KeyPressed",  "OnKeyUp = Key",
            "OnMouseDown = Mouse",     "OnMouseMove = MouseMoved", "OnMouseUp = Mouse",
            "OnStartDock = StartDrag", "OnStartDrag = StartDrag"};
    ReadStored(form, StoredObject(QStringLiteral("EditMenu"), QStringLiteral("TsuiPopupMenu"), {}) +
                         StoredObject(QStringLiteral("searchkeyword"), QStringLiteral("TsuiEdit"),
                                      values));
    auto* edit = qobject_cast<TsuiEdit*>(form.FindComponent(QStringLiteral("searchkeyword")));
    ASSERT_NE(edit, nullptr);
    auto* editor = static_cast<QLineEdit*>(edit->Handle());
    EXPECT_EQ(edit->FileTheme(), theme);
    EXPECT_EQ(edit->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_EQ(edit->Text(), QStringLiteral("KEYWORD"));
    EXPECT_EQ(editor->displayText(), QStringLiteral("*******"));
    EXPECT_EQ(editor->maxLength(), 8);
    EXPECT_TRUE(editor->isReadOnly());
    EXPECT_EQ(editor->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(edit->PopupMenu(), form.FindComponent(QStringLiteral("EditMenu")));
    EXPECT_FALSE(edit->ParentCtl3D());
    EXPECT_TRUE(edit->OnStartDock);
    // Kept and read back only.
    EXPECT_EQ(edit->DragCursor(), crHandPoint);
    EXPECT_EQ(edit->DragKind(), TDragKind::dkDock);
    EXPECT_EQ(edit->DragMode(), TDragMode::dmAutomatic);
    EXPECT_EQ(edit->ImeMode(), TImeMode::imChinese);
    EXPECT_EQ(edit->ImeName(), QStringLiteral("中文 - 拼音"));
    EXPECT_TRUE(edit->OEMConvert());

    // The skinned frame stays whatever the edit shows.
    const QImage face = edit->Handle()->grab().toImage();
    EXPECT_TRUE(RingIs(face, 0, edit->BorderColor()));
    EXPECT_TRUE(RingIs(face, 1, clWhite));
}
