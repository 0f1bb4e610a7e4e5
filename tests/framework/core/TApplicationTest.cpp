#include "framework/core/TApplication.h"

#include "TestSupport.h"
#include "framework/controls/TEdit.h"
#include "framework/core/Exception.h"
#include "support/QtPrinting.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <gtest/gtest.h>

using namespace TestSupport;

class TApplicationTest : public testing::Test {
protected:
    RecordingApplication recorder;
    TApplication* app = recorder.application.get();
};

TEST_F(TApplicationTest, ShowMessageShowsTheTextUnderTheTitle) {
    app->SetTitle(QStringLiteral("短信查询"));
    ShowMessage(QStringLiteral("请选择一条短信再复制！"));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].kind, TMessageBoxKind::Information);
    EXPECT_EQ(recorder.boxes[0].caption, QStringLiteral("短信查询"));
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("请选择一条短信再复制！"));
}

TEST_F(TApplicationTest, TheErrorReportShowsTheErrorsOwnText) {
    app->SetTitle(QStringLiteral("短信查询"));
    app->HandleException(EDatabaseError(QStringLiteral("无法打开数据库")));
    app->HandleException(std::runtime_error("plain failure"));
    app->RunGuarded([] { throw EConvertError(QStringLiteral("'x' 不是整数")); });
    ASSERT_EQ(recorder.boxes.size(), 3u);
    for (const RecordedBox& box : recorder.boxes) {
        EXPECT_EQ(box.kind, TMessageBoxKind::Error);
        EXPECT_EQ(box.caption, QStringLiteral("短信查询"));
    }
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("无法打开数据库"));
    EXPECT_EQ(recorder.boxes[1].text, QStringLiteral("plain failure"));
    EXPECT_EQ(recorder.boxes[2].text, QStringLiteral("'x' 不是整数"));
}

TEST_F(TApplicationTest, ErrorAndInformationBoxesCarryTheirOwnCaptions) {
    ShowError(QStringLiteral("Sorry, you can't select the Form assign to FormPanel property"));
    ShowInformation(QStringLiteral("4 themes found"));
    ASSERT_EQ(recorder.boxes.size(), 2u);
    EXPECT_EQ(recorder.boxes[0].kind, TMessageBoxKind::Error);
    EXPECT_EQ(recorder.boxes[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(recorder.boxes[0].text,
              QStringLiteral("Sorry, you can't select the Form assign to FormPanel property"));
    EXPECT_EQ(recorder.boxes[1].kind, TMessageBoxKind::Notice);
    EXPECT_EQ(recorder.boxes[1].caption, QStringLiteral("Information"));
}

TEST(TApplicationMessageBox, TheToolkitBoxHasTheKindsIconOneOkAndReadsOutCaptionAndText) {
    struct Case {
        TMessageBoxKind kind;
        QMessageBox::Icon icon;
    };
    for (const Case c : {Case{TMessageBoxKind::Information, QMessageBox::NoIcon},
                         Case{TMessageBoxKind::Error, QMessageBox::Critical},
                         Case{TMessageBoxKind::Notice, QMessageBox::Information}}) {
        const auto box = TApplication::CreateMessageBox(c.kind, QStringLiteral("Error"),
                                                        QStringLiteral("<b>a & b</b>"), nullptr);
        EXPECT_EQ(box->icon(), c.icon);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Error"));
        EXPECT_EQ(box->text(), QStringLiteral("<b>a & b</b>"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText); // shown as written, tags and all
        ASSERT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        EXPECT_EQ(box->button(QMessageBox::Ok)->text().remove(u'&'), QStringLiteral("OK"));
        EXPECT_EQ(box->accessibleName(), QStringLiteral("Error"));
        EXPECT_EQ(box->accessibleDescription(), QStringLiteral("<b>a & b</b>"));
    }
}

TEST(TApplicationTranslation, UnderAChineseLocaleTheToolkitSpeaksChineseButBoxesStillSayOK) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QStringLiteral("zh_CN")));
    {
        RecordingApplication recorder;
        recorder.application->Initialize();
        ASSERT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("撤消(&U)"))
            << "Qt's Chinese translation is missing: scripts/setup installs it";
        TEdit edit(nullptr);
        const std::unique_ptr<QMenu> menu(
            static_cast<QLineEdit*>(edit.Handle())->createStandardContextMenu());
        EXPECT_TRUE(menu->actions().first()->text().startsWith(QStringLiteral("撤消(&U)")));
        // A plain toolkit box says 确定 now; the application's says what the program says.
        QMessageBox plain(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok);
        EXPECT_EQ(plain.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
        const auto box = TApplication::CreateMessageBox(
            TMessageBoxKind::Information, QStringLiteral("短信查询 - Velmora"),
            QStringLiteral("请选择一条短信再复制！"), nullptr);
        EXPECT_EQ(box->button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
    }
    // Gone with the application object: English again.
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Undo"));
    QLocale::setDefault(saved);
}

TEST(TApplicationIdentity, TheIdNamesTheWindowClassAndTheDesktopEntryTheTitleNeither) {
    RecordingApplication recorder;
    recorder.application->SetApplicationId(QStringLiteral("org.example.duanxin"));
    recorder.application->SetTitle(QStringLiteral("短信查询 - Velmora"));
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("org.example.duanxin"));
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.example.duanxin"));
    EXPECT_EQ(recorder.application->Title(), QStringLiteral("短信查询 - Velmora"));
}

TEST_F(TApplicationTest, ExeNameIsTheRunningProgramsAbsolutePath) {
    const QFileInfo exe(app->ExeName());
    EXPECT_TRUE(exe.isAbsolute());
    EXPECT_TRUE(exe.isExecutable());
    EXPECT_EQ(exe.fileName(), QStringLiteral("framework_tests"));
}

TEST_F(TApplicationTest, TheMessageFilterSeesInputBeforeTheWindowAndCanEatIt) {
    TComponent owner(nullptr);
    auto* edit = new TEdit(&owner);
    edit->SetName(QStringLiteral("Keyword"));
    QStringList order;
    TWndMethod previous = edit->WindowProc;
    edit->WindowProc = [&, previous](TMessage& m) {
        if (m.Msg == WM_CHAR)
            order << QStringLiteral("window %1").arg(QChar(char16_t(m.WParam)));
        previous(m);
    };
    app->OnMessage = [&](TMsg& msg, bool& handled) {
        if (msg.message != WM_CHAR)
            return;
        EXPECT_EQ(msg.hwnd, edit);
        order << QStringLiteral("filter %1").arg(QChar(char16_t(msg.wParam)));
        handled = msg.wParam == 'q';
    };

    TypeKey(edit->Handle(), Qt::Key_P, QStringLiteral("p"));
    TypeKey(edit->Handle(), Qt::Key_Q, QStringLiteral("q"));
    EXPECT_EQ(order, (QStringList{"filter p", "window p", "filter q"}));
    EXPECT_EQ(edit->Text(), QStringLiteral("p"));
    app->OnMessage = nullptr;
}

TEST_F(TApplicationTest, TerminateEndsTheLoop) {
    app->Initialize();
    EXPECT_FALSE(app->Terminated());
    app->Terminate();
    EXPECT_TRUE(app->Terminated());
}
