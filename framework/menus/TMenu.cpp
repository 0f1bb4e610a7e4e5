#include "framework/menus/TMenu.h"

#include "framework/controls/TImageList.h"
#include "framework/menus/TMenuItem.h"
#include "framework/menus/TPopupMenuWindow.h"

namespace {

TMenuItem* FindShortCut(TMenuItem* parent, TShortCut shortCut) {
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (!item->Visible() || !item->Enabled())
            continue;
        if (item->ShortCut() == shortCut)
            return item;
        if (TMenuItem* found = FindShortCut(item, shortCut))
            return found;
    }
    return nullptr;
}

} // namespace

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), items_(new TMenuItem(this)) {
    items_->menu_ = this;
}

TMenu::~TMenu() {
    if (window_)
        window_->Discard();
    // The items' removals are no news to a menu that is going away.
    items_->menu_ = nullptr;
    delete items_;
}

void TMenu::SetOwnerDraw(bool ownerDraw) {
    if (ownerDraw_ != ownerDraw) {
        ownerDraw_ = ownerDraw;
        MenuChanged(nullptr);
    }
}

void TMenu::SetImages(TImageList* images) {
    if (SetReference(images_, images))
        MenuChanged(nullptr);
}

bool TMenu::IsShortCut(std::uint16_t key, TShiftState shift) {
    const TShortCut shortCut = ShortCut(key, shift);
    if (shortCut == scNone)
        return false;
    TMenuItem* item = FindShortCut(items_, shortCut);
    if (!item)
        return false;
    item->Click();
    return true;
}

// A closed window lingers until the event loop deletes it.
TPopupMenuWindow* TMenu::PopupWindow() const {
    return window_ && window_->isVisible() ? window_.data() : nullptr;
}

void TMenu::CloseMenu() {
    if (window_)
        window_->CloseAll();
}

void TMenu::OpenWindow(TMenuItem* root, TPoint screenPos) {
    if (window_)
        window_->Discard();
    window_ = new TPopupMenuWindow(root, nullptr);
    window_->Open(screenPos);
}

void TMenu::MenuChanged(TMenuItem* source) {
    if (window_)
        window_->Relayout();
    if (OnChange)
        OnChange(this, source);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == images_) {
        images_ = nullptr;
        MenuChanged(nullptr);
    }
}
