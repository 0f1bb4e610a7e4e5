#include "AppFixture.h"

#include "app/Unit1.h"

#include <QDir>
#include <QFile>

namespace {
const QString kStartFailed = QStringLiteral("程序发生未知错误,请联系客服！");
const QStringList kRows{QStringLiteral("祝|〓|新年快乐"), QStringLiteral("春节好"), QString(),
                        QStringLiteral("元旦快乐")};

class Unit1Test : public AppFixture {
protected:
    TForm1* CreateForm() {
        TForm1* form = nullptr;
        application->CreateForm(form);
        return form;
    }
    void RemoveRuntimeFolder() {
        // A link is removed itself, never what it points at.
        const QFileInfo info(RuntimePath());
        if (info.isSymLink() || info.isFile())
            QFile::remove(RuntimePath());
        else if (info.isDir())
            QDir(RuntimePath()).removeRecursively();
    }
};
} // namespace

TEST_F(Unit1Test, StartsReadyWithEveryRowAndItsCount) {
    RegisterLibrary(kRows);
    TForm1* form = CreateForm();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(form->TJ->Text(), QStringLiteral("共4条短信记录"));
    EXPECT_TRUE(QFile::exists(LibraryPath()));
    EXPECT_EQ(QFileInfo(RuntimePath()).permissions() & QFileDevice::ReadOther, 0);
    ASSERT_TRUE(form->ADOQuery1->Active());
    EXPECT_EQ(form->ADOQuery1->RecordCount(), 4);
    EXPECT_EQ(form->ADOQuery1->Fields(0)->FieldName(), QStringLiteral("短信内容"));
    EXPECT_EQ(form->ADOQuery1->Fields(0)->AsString(), kRows[0]); // stored order, uncleaned
    EXPECT_EQ(form->ADOConnection1->ConnectionString(),
              QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + LibraryPath() +
                  QStringLiteral(";Persist Security Info=False"));
    EXPECT_TRUE(bool(form->OldGridWndProc));
    EXPECT_EQ(form->DBGrid_duanxinlist->ColumnCount(), 1);
    EXPECT_EQ(form->Caption(), QStringLiteral("短信查询 V1.0"));
    EXPECT_EQ(form->ClientWidth(), 500);
    EXPECT_EQ(form->ClientHeight(), 453);
}

TEST_F(Unit1Test, ControlsSitWhereTheDescriptionPutsThem) {
    RegisterLibrary(kRows);
    TForm1* form = CreateForm();
    EXPECT_EQ(form->suiForm1->BoundsRect(), Bounds(1, 0, 498, 452));
    EXPECT_EQ(form->DBGrid_duanxinlist->BoundsRect(), Bounds(5, 174, 489, 215));
    EXPECT_EQ(form->TJ->BoundsRect(), Bounds(6, 424, 489, 19));
    EXPECT_EQ(form->DBMemo_Duanxin->BoundsRect(), Bounds(5, 104, 489, 65));
    EXPECT_EQ(form->suiButton_Close->Caption(), QStringLiteral("退出"));
    EXPECT_EQ(form->Label1->Cursor(), crHandPoint);
    EXPECT_EQ(form->Label2->Cursor(), crDefault);
    EXPECT_EQ(form->Label1->Font()->Color(), clGreen);
    EXPECT_EQ(form->Label1->Parent(), form->suiForm1);
    std::vector<TWinControl*> order;
    form->GetTabOrderList(order);
    QStringList names;
    for (TWinControl* c : order)
        if (c->TabStop())
            names << c->Name();
    EXPECT_EQ(names, (QStringList{"searchkeyword", "Button4", "Button1", "DBGrid_duanxinlist", "TJ",
                                  "DBMemo_Duanxin", "suiButton_Copy", "suiButton_About",
                                  "suiButton_Close", "suiButton1"}));
}

TEST_F(Unit1Test, EveryStartFailureGivesTheSingleMessageAndADegradedWindow) {
    struct Case {
        const char* what;
        std::function<void(Unit1Test&)> prepare;
    };
    const std::vector<Case> cases{
        {"missing resource", [](Unit1Test&) {}},
        {"not a database", [](Unit1Test& t) { t.RegisterRawResource(QByteArray(4096, 'x')); }},
        {"runtime folder is a link",
         [](Unit1Test& t) {
             t.RegisterLibrary(kRows);
             QFile::link(QDir::tempPath(), t.RuntimePath());
         }},
        {"runtime folder is a file",
         [](Unit1Test& t) {
             t.RegisterLibrary(kRows);
             QFile f(t.RuntimePath());
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveRuntimeFolder();
        TearDown();
        SetUp();
        boxes.clear();
        c.prepare(*this);
        TForm1* form = CreateForm();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, kStartFailed);
        EXPECT_EQ(boxes[0].caption, QStringLiteral("短信查询 - Velmora"));
        EXPECT_EQ(boxes[0].kind, TMessageBoxKind::Information);
        EXPECT_TRUE(form->TJ->Text().isEmpty());
        EXPECT_FALSE(form->ADOQuery1->Active());
        EXPECT_FALSE(bool(form->OldGridWndProc));
        RemoveRuntimeFolder();
    }
}

TEST_F(Unit1Test, LeftoverLibraryFileIsReplacedAtStart) {
    RegisterLibrary(kRows);
    ASSERT_TRUE(QDir().mkpath(RuntimePath()));
    QFile leftover(LibraryPath());
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.write("left by a killed run");
    leftover.close();
    TForm1* form = CreateForm();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(form->TJ->Text(), QStringLiteral("共4条短信记录"));
}

TEST_F(Unit1Test, ClosingReleasesTheLibraryOnce) {
    RegisterLibrary(kRows);
    TForm1* form = CreateForm();
    int closes = 0;
    const TCloseEvent formClose = form->OnClose;
    form->OnClose = [&](TObject* sender, TCloseAction& action) {
        ++closes;
        formClose(sender, action);
    };
    form->suiButton_Close->Click();
    form->Close(); // a second request, as a signal arriving late would make
    form->Perform(WM_CLOSE);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(QFile::exists(LibraryPath()));
    EXPECT_FALSE(QFileInfo::exists(RuntimePath())); // nothing of the program is left
    EXPECT_FALSE(form->ADOConnection1->Connected());
    EXPECT_FALSE(form->ADOQuery1->Active());
    EXPECT_TRUE(application->Terminated());
}

TEST_F(Unit1Test, WheelMovesOneRowPerMessageAndIsConsumed) {
    RegisterLibrary(kRows);
    TForm1* form = CreateForm();
    TDBGrid* grid = form->DBGrid_duanxinlist;
    int reachedOld = 0;
    const TWndMethod old = form->OldGridWndProc;
    form->OldGridWndProc = [&](TMessage& m) {
        ++reachedOld;
        old(m);
    };
    const auto wheel = [&](int delta) {
        return grid->Perform(WM_MOUSEWHEEL, WPARAM(std::uint16_t(delta)) << 16, 0);
    };
    form->DBMemo_Duanxin->SetText(QStringLiteral("shown"));
    EXPECT_EQ(wheel(-360), 0); // several notches still move one row
    EXPECT_EQ(form->ADOQuery1->RecNo(), 2);
    EXPECT_TRUE(form->DBMemo_Duanxin->Text().isEmpty());
    wheel(120);
    EXPECT_EQ(form->ADOQuery1->RecNo(), 1);
    wheel(0); // no distance counts as turning up: stays on the first row
    EXPECT_EQ(form->ADOQuery1->RecNo(), 1);
    for (int i = 0; i < 6; ++i)
        wheel(-120);
    EXPECT_EQ(form->ADOQuery1->RecNo(), 4);
    EXPECT_EQ(reachedOld, 0);
    grid->Perform(WM_KEYUP, VK_SHIFT, 0);
    EXPECT_EQ(reachedOld, 1);
}

TEST_F(Unit1Test, WheelOnAClosedListReportsTheDataError) {
    RegisterLibrary(kRows);
    TForm1* form = CreateForm();
    form->ADOQuery1->Close();
    TMessage wheel{WM_MOUSEWHEEL, WPARAM(std::uint16_t(-120)) << 16, 0, 0, nullptr};
    form->DBGrid_duanxinlist->MainWndProc(wheel);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, TMessageBoxKind::Error);
    EXPECT_EQ(boxes[0].text,
              QStringLiteral("ADOQuery1: Cannot perform this operation on a closed dataset"));
}

TEST_F(Unit1Test, ClosingKeepsTheFolderWhileAnotherCopyHasFilesInIt) {
    RegisterLibrary(kRows);
    TForm1* form = CreateForm();
    QFile other(RuntimePath() + QStringLiteral("/another copy's file"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    form->Close();
    EXPECT_FALSE(QFile::exists(LibraryPath()));
    EXPECT_TRUE(other.exists());
}
