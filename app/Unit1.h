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
    TsuiForm* suiForm1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TsuiEdit* searchkeyword = nullptr;
    TsuiButton* Button4 = nullptr;
    TsuiButton* Button1 = nullptr;
    TDBGrid* DBGrid_duanxinlist = nullptr;
    TEdit* TJ = nullptr;
    TDBMemo* DBMemo_Duanxin = nullptr;
    TsuiButton* suiButton_Copy = nullptr;
    TsuiButton* suiButton_About = nullptr;
    TsuiButton* suiButton_Close = nullptr;
    TsuiButton* suiButton1 = nullptr;
    TADOConnection* ADOConnection1 = nullptr;
    TADOQuery* ADOQuery1 = nullptr;
    TDataSource* DataSource1 = nullptr;

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
