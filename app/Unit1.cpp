#include "app/Unit1.h"

#include "app/AccessibleNames.h"
#include "app/StatusTexts.h"
#include "app/library/CleanMessageText.h"
#include "app/library/LibraryStatements.h"
#include "app/library/WebLinks.h"
#include "app/res.h"
#include "framework/core/TApplication.h"
#include "framework/forms/DescribedComponent.h"
#include "framework/platform/RuntimeFolder.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QUrl>
#include <array>
#include <utility>

namespace {
constexpr int kWindowsFolderId = 36;

// The festival labels and the word each one searches for.
const std::array<std::pair<const char*, QString>, 6> kFestivalWords{{
    {"Label1", QStringLiteral("春节")},
    {"Label3", QStringLiteral("元旦")},
    {"Label4", QStringLiteral("圣诞")},
    {"Label5", QStringLiteral("愚人")},
    {"Label6", QStringLiteral("母亲")},
    {"Label7", QStringLiteral("父亲")},
}};
} // namespace

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner) {
    InitializeFromDescription();
    for (const auto& [component, name] : AccessibleNames::kUnlabelledControls)
        DescribedComponent<TControl>(*this, component)->SetAccessibleName(name);
}

void TForm1::BindComponents() {
    suiForm1 = DescribedComponent<TsuiForm>(*this, "suiForm1");
    Label2 = DescribedComponent<TLabel>(*this, "Label2");
    Label1 = DescribedComponent<TLabel>(*this, "Label1");
    Label3 = DescribedComponent<TLabel>(*this, "Label3");
    Label4 = DescribedComponent<TLabel>(*this, "Label4");
    Label5 = DescribedComponent<TLabel>(*this, "Label5");
    Label6 = DescribedComponent<TLabel>(*this, "Label6");
    Label7 = DescribedComponent<TLabel>(*this, "Label7");
    Label8 = DescribedComponent<TLabel>(*this, "Label8");
    Label9 = DescribedComponent<TLabel>(*this, "Label9");
    searchkeyword = DescribedComponent<TsuiEdit>(*this, "searchkeyword");
    Button4 = DescribedComponent<TsuiButton>(*this, "Button4");
    Button1 = DescribedComponent<TsuiButton>(*this, "Button1");
    DBGrid_duanxinlist = DescribedComponent<TDBGrid>(*this, "DBGrid_duanxinlist");
    TJ = DescribedComponent<TEdit>(*this, "TJ");
    DBMemo_Duanxin = DescribedComponent<TDBMemo>(*this, "DBMemo_Duanxin");
    suiButton_Copy = DescribedComponent<TsuiButton>(*this, "suiButton_Copy");
    suiButton_About = DescribedComponent<TsuiButton>(*this, "suiButton_About");
    suiButton_Close = DescribedComponent<TsuiButton>(*this, "suiButton_Close");
    suiButton1 = DescribedComponent<TsuiButton>(*this, "suiButton1");
    ADOConnection1 = DescribedComponent<TADOConnection>(*this, "ADOConnection1");
    ADOQuery1 = DescribedComponent<TADOQuery>(*this, "ADOQuery1");
    DataSource1 = DescribedComponent<TDataSource>(*this, "DataSource1");
}

QString TForm1::GetSpecialFolderPath(int folderId) {
    Q_ASSERT(folderId == kWindowsFolderId);
    (void)folderId;
    return RuntimeFolder::Path();
}

void TForm1::ReopenQuery(const QString& statement) {
    ADOQuery1->Close();
    ADOQuery1->SQL()->Clear();
    ADOQuery1->SQL()->Add(statement);
    ADOQuery1->Open();
}

void TForm1::FormCreate(TObject*) {
    using namespace LibraryStatements;
    BindComponents();
    try {
        QFile::remove(LibraryFilePath(GetSpecialFolderPath(kWindowsFolderId)));
        ExtractResource(kResourceName, kResourceType,
                        LibraryFilePath(GetSpecialFolderPath(kWindowsFolderId)));
        ADOConnection1->SetConnectionString(
            ConnectionString(GetSpecialFolderPath(kWindowsFolderId)));
        ReopenQuery(kListAll);
        TJ->SetText(StatusTexts::Total(ADOQuery1->RecordCount()));
        InstallGridWheelHook();
    } catch (...) {
        // Whatever failed, the user sees one message and a window that still works.
        ShowMessage(StatusTexts::kStartFailed);
    }
}

void TForm1::FormClose(TObject*, TCloseAction&) {
    using namespace LibraryStatements;
    ADOConnection1->Close();
    try {
        QFile::remove(LibraryFilePath(GetSpecialFolderPath(kWindowsFolderId)));
        RuntimeFolder::RemoveIfEmpty();
    } catch (const Exception&) {
        // No folder, no file to delete.
    }
}

void TForm1::suiButton_CloseClick(TObject*) {
    Close();
}

void TForm1::InstallGridWheelHook() {
    OldGridWndProc = DBGrid_duanxinlist->WindowProc;
    DBGrid_duanxinlist->WindowProc = [this](TMessage& message) { GridWheelHook(message); };
}

void TForm1::GridWheelHook(TMessage& message) {
    if (message.Msg != WM_MOUSEWHEEL) {
        OldGridWndProc(message);
        return;
    }
    // One row per message, whatever distance it reports; towards the user is forward.
    const auto distance = static_cast<std::int16_t>(HiWord(message.WParam));
    DBGrid_duanxinlist->DataSource()->DataSet()->MoveBy(distance < 0 ? 1 : -1);
    message.Result = 0;
}

void TForm1::suitempButton4Click(TObject*) {
    const QString keyword = searchkeyword->Text();
    if (keyword.isEmpty()) {
        ShowMessage(StatusTexts::kEmptyKeyword);
        return;
    }
    ReopenQuery(LibraryStatements::SearchStatement(keyword));
    TJ->SetText(StatusTexts::Search(keyword, ADOQuery1->RecordCount()));
    if (ADOQuery1->Eof()) {
        // The box shows over the empty list; the whole library returns once it is closed.
        ShowMessage(StatusTexts::kNoHits);
        ReopenQuery(LibraryStatements::kListAfterNoHits);
    }
}

void TForm1::suitempButton1Click(TObject*) {
    ReopenQuery(LibraryStatements::kListAll);
    TJ->SetText(StatusTexts::Total(ADOQuery1->RecordCount()));
}

void TForm1::FestivalShortcut(TObject* label) {
    const auto* component = qobject_cast<TComponent*>(label);
    for (const auto& [name, word] : kFestivalWords) {
        if (component && component->Name() == QLatin1String(name)) {
            searchkeyword->SetText(word);
            Button4->Click();
            return;
        }
    }
}

void TForm1::Label1Click(TObject* Sender) {
    FestivalShortcut(Sender);
}
void TForm1::Label3Click(TObject* Sender) {
    FestivalShortcut(Sender);
}
void TForm1::Label4Click(TObject* Sender) {
    FestivalShortcut(Sender);
}
void TForm1::Label5Click(TObject* Sender) {
    FestivalShortcut(Sender);
}
void TForm1::Label6Click(TObject* Sender) {
    FestivalShortcut(Sender);
}
void TForm1::Label7Click(TObject* Sender) {
    FestivalShortcut(Sender);
}

void TForm1::DBGrid_duanxinlistCellClick(TColumn*) {
    // With the list closed there is no field to read; the view then shows nothing.
    const TField* field = DBGrid_duanxinlist->SelectedField();
    DBMemo_Duanxin->SetText(CleanMessageText(field ? field->AsString() : QString()));
}

void TForm1::DBGrid_duanxinlistKeyDown(TObject*, std::uint16_t& Key, TShiftState Shift) {
    if (Shift == TShiftState() && (Key == VK_SPACE || Key == VK_RETURN)) {
        // The keyboard's way to pick the current row: the view shows it as a click would.
        Key = 0;
        if (ADOQuery1->Active() && !ADOQuery1->IsEmpty())
            DBGrid_duanxinlistCellClick(nullptr);
        return;
    }
    // Ctrl+C takes the current row's message as the view shows it: cleaned.
    if (Key != 'C' || Shift != TShiftState(TShiftFlag::ssCtrl))
        return;
    Key = 0;
    const TField* field = DBGrid_duanxinlist->SelectedField();
    if (field && !ADOQuery1->IsEmpty())
        QGuiApplication::clipboard()->setText(CleanMessageText(field->AsString()));
}

void TForm1::suiButton_CopyClick(TObject*) {
    if (DBMemo_Duanxin->Text().isEmpty()) {
        ShowMessage(StatusTexts::kNothingToCopy);
        return;
    }
    DBMemo_Duanxin->SelectAll();
    DBMemo_Duanxin->CopyToClipboard();
}

void TForm1::OpenMakerPage(const QString& path) {
    // Whether a browser could be started is not reported.
    QDesktopServices::openUrl(QUrl(WebLinks::Address(path)));
}

void TForm1::Label8Click(TObject*) {
    OpenMakerPage(WebLinks::kOnlineVersionPath);
}
void TForm1::suiButton_AboutClick(TObject*) {
    OpenMakerPage(WebLinks::kOnlineVersionPath);
}
void TForm1::suiButton1Click(TObject*) {
    OpenMakerPage(WebLinks::kUpgradePath);
}
