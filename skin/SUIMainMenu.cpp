#include "skin/SUIMainMenu.h"

#include "framework/controls/TImageList.h"
#include "framework/core/TCustomForm.h"
#include "framework/forms/ClassRegistry.h"
#include "skin/SUIForm.h"

REGISTER_COMPONENT_CLASS(TsuiMainMenu)

TsuiMainMenu::TsuiMainMenu(TComponent* AOwner)
    : TsuiSkinnedMenu<TMainMenu>(AOwner), checkMarks_(CheckMarkList::Create()) {
    TMenu::SetImages(checkMarks_.get());
    AttachToFrame();
}

// The own list is let go first: its going would otherwise reach this menu half destroyed.
TsuiMainMenu::~TsuiMainMenu() {
    TMenu::SetImages(nullptr);
}

bool TsuiMainMenu::OwnedByForm() const {
    return qobject_cast<const TCustomForm*>(Owner());
}

// Only a frame that is on the form already is found: a form description lists the frame before
// the menu.
void TsuiMainMenu::AttachToFrame() {
    auto* form = qobject_cast<TCustomForm*>(Owner());
    if (!form)
        return;
    form->SetMenu(nullptr);
    for (int i = 0; i < form->ControlCount(); ++i)
        if (auto* frame = qobject_cast<TsuiForm*>(form->Controls(i))) {
            frame->SetMenu(this);
            return;
        }
}

TImageList* TsuiMainMenu::Images() const {
    TImageList* images = TMenu::Images();
    return images == checkMarks_.get() ? nullptr : images;
}

void TsuiMainMenu::SetImages(TImageList* images) {
    TMenu::SetImages(images ? images : checkMarks_.get());
}

void TsuiMainMenu::SetUseSystemFont(bool use) {
    TsuiSkinnedMenu<TMainMenu>::SetUseSystemFont(use);
    if (formLink_)
        formLink_->ApplyMenuBarFont();
}

void TsuiMainMenu::Loaded() {
    TsuiSkinnedMenu<TMainMenu>::Loaded();
    if (formLink_)
        formLink_->RebuildMenuBar();
}

void TsuiMainMenu::MenuChanged(TMenuItem* source) {
    TsuiSkinnedMenu<TMainMenu>::MenuChanged(source);
    if (!OwnedByForm() || !formLink_)
        return;
    formLink_->SyncMenuBar();
    if (IsDesigning() && !IsLoading())
        formLink_->RebuildMenuBar();
}

// The frame showing this menu holds it as a reference, so its going is heard here too.
void TsuiMainMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TsuiSkinnedMenu<TMainMenu>::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == formLink_)
        formLink_ = nullptr;
}
