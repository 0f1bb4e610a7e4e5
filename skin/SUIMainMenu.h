// The skinned main menu: a main menu whose drop-down items are measured and painted as the
// skinned popup menu paints its own, and which shows its top-level items in the menu bar of the
// skinned form frame on its form.
#pragma once

#include "skin/SUIPopupMenu.h"

#include <memory>

class TsuiForm;

class TsuiMainMenu : public TsuiSkinnedMenu<TMainMenu> {
    Q_OBJECT
    Q_PROPERTY(TImageList* Images READ Images WRITE SetImages)
    TSUI_SKINNED_MENU_PROPERTIES
public:
    // Owned by a form, the menu takes the form's own menu bar away and becomes the Menu of the
    // form's first skinned frame, if it has one by now.
    explicit TsuiMainMenu(TComponent* AOwner);
    ~TsuiMainMenu() override;

    // The user's picture list; none while the menu's own check-mark list stands in for it.
    TImageList* Images() const;
    // None puts the own check-mark list back.
    void SetImages(TImageList* images);

    // The bar's font follows.
    void SetUseSystemFont(bool use);

    // The frame that shows this menu in its menu bar, or none; set and cleared by the frame, and
    // cleared when the frame goes.
    TsuiForm* FormLink() const { return formLink_; }
    void SetFormLink(TsuiForm* frame) { formLink_ = frame; }

    // Then the frame's bar gets its buttons.
    void Loaded() override;

protected:
    // The frame's bar follows each change of the items.
    void MenuChanged(TMenuItem* source) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    const TImageList* ItemImages() const override { return Images(); }
    const TImageList& CheckMarkImages() const override { return *checkMarks_; }

private:
    void AttachToFrame();
    bool OwnedByForm() const;

    std::unique_ptr<TImageList> checkMarks_; // owned
    TsuiForm* formLink_ = nullptr;
};
