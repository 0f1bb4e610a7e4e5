#include "app/Unit1.h"

#include "app/StatusTexts.h"
#include "app/library/CleanMessageText.h"
#include "app/library/LibraryStatements.h"
#include "app/library/WebLinks.h"
#include "app/res.h"
#include "framework/core/TApplication.h"
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
}

template <class T> T* TForm1::Component(const char* name) {
    auto* component = qobject_cast<T*>(FindComponent(QString::fromLatin1(name)));
    if (!component)
        throw EReadError(
            QStringLiteral("Form description of TForm1 lacks %1").arg(QLatin1String(name)));
    return component;
}

void TForm1::BindComponents() {
    suiForm1 = Component<TsuiForm>("suiForm1");
    Label2 = Component<TLabel>("Label2");
    Label1 = Component<TLabel>("Label1");
    Label3 = Component<TLabel>("Label3");
    Label4 = Component<TLabel>("Label4");
    Label5 = Component<TLabel>("Label5");
    Label6 = Component<TLabel>("Label6");
    Label7 = Component<TLabel>("Label7");
    Label8 = Component<TLabel>("Label8");
    Label9 = Component<TLabel>("Label9");
    searchkeyword = Component<TsuiEdit>("searchkeyword");
    Button4 = Component<TsuiButton>("Button4");
    Button1 = Component<TsuiButton>("Button1");
    DBGrid_duanxinlist = Component<TDBGrid>("DBGrid_duanxinlist");
    TJ = Component<TEdit>("TJ");
    DBMemo_Duanxin = Component<TDBMemo>("DBMemo_Duanxin");
    suiButton_Copy = Component<TsuiButton>("suiButton_Copy");
    suiButton_About = Component<TsuiButton>("suiButton_About");
    suiButton_Close = Component<TsuiButton>("suiButton_Close");
    suiButton1 = Component<TsuiButton>("suiButton1");
    ADOConnection1 = Component<TADOConnection>("ADOConnection1");
    ADOQuery1 = Component<TADOQuery>("ADOQuery1");
    DataSource1 = Component<TDataSource>("DataSource1");
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
