#include "gallery/TGalleryForm.h"

#include "framework/core/Exception.h"
#include "framework/core/TApplication.h"
#include "framework/forms/DescribedComponent.h"
#include "framework/menus/TMenuItem.h"
#include "skin/SUIThemeFile.h"

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

QString StyleName(TsuiUIStyle style) {
    return QString::fromLatin1(
        QMetaEnum::fromType<TsuiUIStyle>().valueToKey(static_cast<int>(style)));
}

} // namespace

TGalleryForm::TGalleryForm(TComponent* AOwner) : TForm(AOwner) {
    InitializeFromDescription();
    suiForm1 = DescribedComponent<TsuiForm>(*this, "suiForm1");
    MainMenu1 = DescribedComponent<TsuiMainMenu>(*this, "MainMenu1");
    StyleMenu = DescribedComponent<TMenuItem>(*this, "StyleMenu");
    Edit1 = DescribedComponent<TsuiEdit>(*this, "Edit1");
    ThemeDialog = DescribedComponent<TOpenDialog>(*this, "ThemeDialog");
    ShowStyle(suiForm1->UIStyle());
}

void TGalleryForm::ShowStyle(TsuiUIStyle style) {
    suiForm1->SetUIStyle(style);
    for (int i = 0; i < StyleMenu->Count(); ++i) {
        TMenuItem* item = StyleMenu->Items(i);
        if (!item->IsLine())
            item->SetChecked(item->Tag() == static_cast<int>(style));
    }
    const QString name =
        style == TsuiUIStyle::FromThemeFile
            ? kThemeFileCaption.arg(QFileInfo(suiForm1->FileTheme()->ThemeFile()).fileName())
            : StyleName(style);
    suiForm1->SetCaption(kCaption.arg(name));
}

void TGalleryForm::StyleClick(TObject* Sender) {
    ShowStyle(static_cast<TsuiUIStyle>(static_cast<TComponent*>(Sender)->Tag()));
}

void TGalleryForm::ThemeFileClick(TObject*) {
    if (ThemeDialog->Execute())
        UseThemeFile(ThemeDialog->FileName());
}

void TGalleryForm::UseThemeFile(const QString& path) {
    auto theme = std::make_unique<TsuiFileTheme>(this);
    TsuiFileTheme* previous = suiForm1->FileTheme();
    try {
        theme->SetThemeFile(path);
        if (!theme->IsValid()) {
            ShowError(kNoThemeFile.arg(path));
            return;
        }
        ApplyFileTheme(theme.get());
    } catch (const Exception& error) {
        ShowError(kUnusableThemeFile.arg(path, error.Message()));
        return;
    }
    theme.release(); // the form owns it now
    delete previous;
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
