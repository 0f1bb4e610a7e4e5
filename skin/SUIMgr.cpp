#include "skin/SUIMgr.h"

#include "framework/core/TCustomForm.h"
#include "framework/forms/ClassRegistry.h"
#include "framework/graphics/TBitmap.h"
#include "framework/platform/ProgramFolder.h"
#include "skin/SUIPublic.h"
#include "skin/TsuiFileThemeMgr.h"

#include <QDir>
#include <QFileInfo>
#include <QVariant>

namespace {

using SkinNames::kFileThemeProperty;

bool UsesTheme(const TComponent& component, const TsuiFileTheme* theme) {
    return component.ClassName().startsWith(QLatin1String(SkinNames::kClassPrefix),
                                            Qt::CaseSensitive) &&
           HasPublishedProperty(&component, kFileThemeProperty) &&
           component.property(kFileThemeProperty).value<QObject*>() == theme;
}

} // namespace

REGISTER_COMPONENT_CLASS(TsuiFileTheme)

TsuiFileTheme::TsuiFileTheme(TComponent* AOwner)
    : TComponent(AOwner), manager_(std::make_unique<TsuiFileThemeMgr>()) {}

TsuiFileTheme::~TsuiFileTheme() = default;

void TsuiFileTheme::SetThemeFile(const QString& value) {
    if (value == themeFile_)
        return;
    const QString path = FindThemeFile(value);
    if (path.isEmpty())
        return;
    themeFile_ = path;
    valid_ = manager_->Load(themeFile_);
    if (valid_)
        ReapplyToOwnerForm();
}

// The value itself when a file exists there, else its file name in the program's folder;
// empty when neither exists.
QString TsuiFileTheme::FindThemeFile(const QString& value) const {
    if (QFileInfo(value).isFile())
        return value;
    const QString fileName = QFileInfo(value).fileName();
    if (fileName.isEmpty())
        return {};
    const QString beside = QDir(ProgramFolder::Path()).filePath(fileName);
    return QFileInfo(beside).isFile() ? beside : QString();
}

// By index and count each time round: a component re-skinning itself may add to the owner.
void TsuiFileTheme::ReapplyToOwnerForm() {
    const auto* form = qobject_cast<const TCustomForm*>(Owner());
    if (!form)
        return;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        TComponent* component = form->Components(i);
        if (UsesTheme(*component, this))
            component->setProperty(kFileThemeProperty, QVariant::fromValue(this));
    }
}

void TsuiFileTheme::GetBitmap(TsuiThemeRole role, TBitmap* graphic) const {
    if (graphic)
        manager_->GetBitmap(role, *graphic);
}

void TsuiFileTheme::GetFrameBitmap(TsuiThemeRole role, TBitmap* graphic, int frameCount,
                                   int frameIndex) const {
    if (!graphic)
        return;
    TBitmap strip;
    manager_->GetBitmap(role, strip);
    CutStripFrame(strip, *graphic, frameCount, frameIndex);
}

bool TsuiFileTheme::GetBool(TsuiThemeRole role) const {
    return manager_->GetBool(role);
}

int TsuiFileTheme::GetInt(TsuiThemeRole role) const {
    return manager_->GetInt(role);
}

TColor TsuiFileTheme::GetColor(TsuiThemeRole role) const {
    return manager_->GetColor(role);
}
