#include "gallery/TGalleryForm.h"

#include "framework/core/Exception.h"
#include "framework/core/TApplication.h"
#include "framework/forms/DescribedComponent.h"
#include "framework/menus/TMenuItem.h"
#include "skin/SUIThemeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QMetaEnum>
#include <memory>

namespace {

const QString kCaption = QStringLiteral("duanxin skin gallery - %1");
const QString kThemeFileCaption = QStringLiteral("theme file %1");
const QString kClicked = QStringLiteral("Clicked: %1");
const QString kAbout =
    QStringLiteral("The skin layer's form frame, menu bar, menus, buttons and edit, in each of "
                   "the five built-in styles or in a theme file.");
const QString kNoThemeFile = QStringLiteral("There is no theme file %1.");
const QString kUnusableThemeFile = QStringLiteral("The theme file %1 cannot be used: %2");
const QString kShippedThemesPath = QStringLiteral("../share/duanxin/themes");
const QString kThemePattern = QStringLiteral("*.theme");
const QString kNameEntry = QStringLiteral("Name");
constexpr int kNoStyle = -1; // the Tag of a shipped theme's item
constexpr char kFirstThemeKey = '6';
constexpr char kLastThemeKey = '9';

QString StyleName(TsuiUIStyle style) {
    return QString::fromLatin1(
        QMetaEnum::fromType<TsuiUIStyle>().valueToKey(static_cast<int>(style)));
}

// The theme's Name text; empty without one.
QString ThemeName(const TsuiThemeFileReader& reader) {
    for (const TsuiThemeBlob& text : reader.Texts())
        if (text.Name.compare(kNameEntry, Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(reader.Bytes(text));
    return {};
}

// A menu caption showing the text as it is, "&" included.
QString LiteralCaption(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

TGalleryForm::TGalleryForm(TComponent* AOwner) : TGalleryForm(AOwner, ShippedThemesFolder()) {}

TGalleryForm::TGalleryForm(TComponent* AOwner, const QString& themesFolder) : TForm(AOwner) {
    InitializeFromDescription();
    suiForm1 = DescribedComponent<TsuiForm>(*this, "suiForm1");
    MainMenu1 = DescribedComponent<TsuiMainMenu>(*this, "MainMenu1");
    StyleMenu = DescribedComponent<TMenuItem>(*this, "StyleMenu");
    Edit1 = DescribedComponent<TsuiEdit>(*this, "Edit1");
    ThemeDialog = DescribedComponent<TOpenDialog>(*this, "ThemeDialog");
    suiFileTheme1 = DescribedComponent<TsuiFileTheme>(*this, "suiFileTheme1");
    AddShippedThemes(themesFolder);
    ShowStyle(suiForm1->UIStyle());
}

QString TGalleryForm::ShippedThemesFolder() {
    return QDir::cleanPath(
        QDir(QFileInfo(Application->ExeName()).absolutePath()).filePath(kShippedThemesPath));
}

void TGalleryForm::AddShippedThemes(const QString& folder) {
    const QDir dir(folder);
    for (const QString& fileName : dir.entryList({kThemePattern}, QDir::Files, QDir::Name)) {
        const QString path = dir.filePath(fileName);
        try {
            const QString name = ThemeName(TsuiThemeFileReader(path));
            AddShippedTheme(path, name.isEmpty() ? QFileInfo(path).completeBaseName() : name);
        } catch (const EFileError&) {
            // Not offered: the user could do nothing about it.
        }
    }
    MainMenu1->InstallMenuItemHandlers();
}

// Between the styles and the line above "Theme file...".
void TGalleryForm::AddShippedTheme(const QString& path, const QString& name) {
    auto* item = new TMenuItem(this);
    item->SetCaption(LiteralCaption(name));
    item->SetTag(kNoStyle);
    const int key = kFirstThemeKey + static_cast<int>(shippedThemes_.size());
    if (key <= kLastThemeKey)
        item->SetShortCut(ShortCut(static_cast<std::uint16_t>(key), TShiftFlag::ssCtrl));
    item->OnClick = [this](TObject* Sender) { ShippedThemeClick(Sender); };
    StyleMenu->Insert(StyleMenu->IndexOf(DescribedComponent<TMenuItem>(*this, "StyleLine")), item);
    shippedThemes_.push_back({item, path, name});
}

void TGalleryForm::ShowStyle(TsuiUIStyle style) {
    suiForm1->SetUIStyle(style);
    const ShippedTheme* shipped = ShownShippedTheme();
    for (int i = 0; i < StyleMenu->Count(); ++i) {
        TMenuItem* item = StyleMenu->Items(i);
        if (!item->IsLine())
            item->SetChecked(shipped ? item == shipped->item
                                     : item->Tag() == static_cast<int>(style));
    }
    QString name = StyleName(style);
    if (shipped)
        name = shipped->name;
    else if (style == TsuiUIStyle::FromThemeFile)
        name = kThemeFileCaption.arg(QFileInfo(suiForm1->FileTheme()->ThemeFile()).fileName());
    suiForm1->SetCaption(kCaption.arg(name));
}

const TGalleryForm::ShippedTheme* TGalleryForm::ShownShippedTheme() const {
    if (!suiFileTheme1 || suiForm1->FileTheme() != suiFileTheme1 ||
        suiForm1->UIStyle() != TsuiUIStyle::FromThemeFile)
        return nullptr;
    for (const ShippedTheme& theme : shippedThemes_)
        if (theme.path == suiFileTheme1->ThemeFile())
            return &theme;
    return nullptr;
}

void TGalleryForm::StyleClick(TObject* Sender) {
    ShowStyle(static_cast<TsuiUIStyle>(static_cast<TComponent*>(Sender)->Tag()));
}

void TGalleryForm::ShippedThemeClick(TObject* Sender) {
    for (const ShippedTheme& theme : shippedThemes_)
        if (theme.item == Sender)
            UseShippedTheme(theme.path);
}

void TGalleryForm::ThemeFileClick(TObject*) {
    if (ThemeDialog->Execute())
        UseThemeFile(ThemeDialog->FileName());
}

void TGalleryForm::UseThemeFile(const QString& path) {
    TsuiFileTheme* previous = suiForm1->FileTheme();
    if (ShowNewFileTheme(path))
        DropLeftTheme(previous);
}

// The file is tried in a theme of its own first: one removed or damaged since start would
// otherwise leave the described theme, which the window may be showing, without a file. Read
// and shown a moment ago, it goes into the described theme as surely.
void TGalleryForm::UseShippedTheme(const QString& path) {
    TsuiFileTheme* previous = suiForm1->FileTheme();
    const std::unique_ptr<TsuiFileTheme> tried(ShowNewFileTheme(path));
    if (!tried)
        return;
    DropLeftTheme(previous);
    suiFileTheme1->SetThemeFile(path);
    ApplyFileTheme(suiFileTheme1);
}

TsuiFileTheme* TGalleryForm::ShowNewFileTheme(const QString& path) {
    auto theme = std::make_unique<TsuiFileTheme>(this);
    try {
        theme->SetThemeFile(path);
        if (!theme->IsValid()) {
            ShowError(kNoThemeFile.arg(path));
            return nullptr;
        }
        ApplyFileTheme(theme.get());
    } catch (const Exception& error) {
        ShowError(kUnusableThemeFile.arg(path, error.Message()));
        return nullptr;
    }
    return theme.release(); // the form owns it now
}

void TGalleryForm::DropLeftTheme(TsuiFileTheme* theme) {
    if (theme != suiFileTheme1)
        delete theme;
}

// A theme that lacks a picture fails half way: the window goes back to its previous theme and
// style, which were in use and so apply again.
void TGalleryForm::ApplyFileTheme(TsuiFileTheme* theme) {
    TsuiFileTheme* previousTheme = suiForm1->FileTheme();
    const TsuiUIStyle previousStyle = suiForm1->UIStyle();
    try {
        suiForm1->SetFileTheme(theme);
        ShowStyle(TsuiUIStyle::FromThemeFile);
    } catch (const Exception&) {
        suiForm1->SetFileTheme(previousTheme);
        ShowStyle(previousStyle);
        throw;
    }
}

// The skin turns every component using the described theme DeepBlue as it goes; the menu and
// the caption follow, and the shipped themes have nowhere to go any more.
void TGalleryForm::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (!DropRemovedFileTheme(suiFileTheme1, AComponent, Operation))
        return;
    for (const ShippedTheme& theme : shippedThemes_)
        theme.item->SetEnabled(false);
    ShowStyle(suiForm1->UIStyle());
}

void TGalleryForm::ButtonClick(TObject* Sender) {
    const auto* button = static_cast<TControl*>(Sender);
    Edit1->SetText(kClicked.arg(QString(button->Caption()).remove(QLatin1Char('&'))));
}

void TGalleryForm::AboutClick(TObject*) {
    ShowMessage(kAbout);
}

void TGalleryForm::ExitClick(TObject*) {
    Close();
}
