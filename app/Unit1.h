// The program's main window: the message list with its search controls, the message view and
// the buttons, and the handlers that prepare and release the message library.
#pragma once

#include "framework/controls/TDBGrid.h"
#include "framework/controls/TDBMemo.h"
#include "framework/controls/TEdit.h"
#include "framework/controls/TLabel.h"
#include "framework/core/TForm.h"
#include "framework/data/TADOConnection.h"
#include "framework/data/TADOQuery.h"
#include "framework/data/TDataSource.h"
#include "skin/SUIButton.h"
#include "skin/SUIEdit.h"
#include "skin/SUIForm.h"

class TForm1 : public TForm {
    Q_OBJECT
public:
    explicit TForm1(TComponent* AOwner);

    // The components of the form description, found by name once it has been read; owned by
    // the form.
    TsuiForm* suiForm1 = nullptr;          // the skinned frame holding the controls
    TLabel* Label2 = nullptr;              // "短信搜索：", the keyword box's caption
    TLabel* Label1 = nullptr;              // "春节", a festival shortcut: searches for its word
    TLabel* Label3 = nullptr;              // "元旦", a festival shortcut
    TLabel* Label4 = nullptr;              // "圣诞", a festival shortcut
    TLabel* Label5 = nullptr;              // "愚人", a festival shortcut
    TLabel* Label6 = nullptr;              // "母亲", a festival shortcut
    TLabel* Label7 = nullptr;              // "父亲", a festival shortcut
    TLabel* Label8 = nullptr;              // "更多...", a link to the maker's online version page
    TLabel* Label9 = nullptr;              // "常用分类：", the festival shortcuts' caption
    TsuiEdit* searchkeyword = nullptr;     // the keyword box
    TsuiButton* Button4 = nullptr;         // "搜索": searches the library for the keyword
    TsuiButton* Button1 = nullptr;         // "刷新": lists the whole library again
    TDBGrid* DBGrid_duanxinlist = nullptr; // the message list, the query's rows
    TEdit* TJ = nullptr;                   // the status line: how many messages the list shows
    TDBMemo* DBMemo_Duanxin = nullptr;     // the view of the chosen message, cleaned
    TsuiButton* suiButton_Copy = nullptr;  // "复制": copies the view's text to the clipboard
    TsuiButton* suiButton_About = nullptr; // "在线版本": opens the maker's online version page
    TsuiButton* suiButton_Close = nullptr; // "退出": closes the window
    TsuiButton* suiButton1 = nullptr;      // "软件升级": opens the maker's upgrade page
    TADOConnection* ADOConnection1 = nullptr; // the connection to the library file
    TADOQuery* ADOQuery1 = nullptr;     // the list's query, replaced by each search and listing
    TDataSource* DataSource1 = nullptr; // links the query to the list and the view

    // The grid's window procedure before the wheel hook took its place; empty until start-up
    // has completed.
    TWndMethod OldGridWndProc;

    // The folder for shell folder id 36: this platform's per-user runtime folder.
    QString GetSpecialFolderPath(int folderId);
    // Closes the list query, gives it `statement` as its only line and opens it again.
    void ReopenQuery(const QString& statement);
    void InstallGridWheelHook();
    void GridWheelHook(TMessage& message);

public slots:
    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void suiButton_CloseClick(TObject* Sender);
    void suitempButton4Click(TObject* Sender);
    void suitempButton1Click(TObject* Sender);
    void Label1Click(TObject* Sender);
    void Label3Click(TObject* Sender);
    void Label4Click(TObject* Sender);
    void Label5Click(TObject* Sender);
    void Label6Click(TObject* Sender);
    void Label7Click(TObject* Sender);
    void Label8Click(TObject* Sender);
    void DBGrid_duanxinlistCellClick(TColumn* Column);
    void DBGrid_duanxinlistKeyDown(TObject* Sender, std::uint16_t& Key, TShiftState Shift);
    void suiButton_CopyClick(TObject* Sender);
    void suiButton_AboutClick(TObject* Sender);
    void suiButton1Click(TObject* Sender);

private:
    // A festival label puts its word into the keyword box and presses "搜索" for the user.
    void FestivalShortcut(TObject* label);
    void OpenMakerPage(const QString& path);
    void BindComponents();
};
