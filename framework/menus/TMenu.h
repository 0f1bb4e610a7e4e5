// What popup and main menus share: the tree of items under one root item, owner drawing, the
// image list the items' pictures come from, shortcut dispatch, and the popup window that shows
// a sub-menu of the tree.
#pragma once

#include "framework/core/TComponent.h"
#include "framework/core/Types.h"

#include <QPointer>
#include <cstdint>
#include <functional>

class TCanvas;
class TImageList;
class TMenuItem;
class TPopupMenuWindow;

// Source is the item that changed, or null when the menu as a whole did.
using TMenuChangeEvent = std::function<void(TObject* Sender, TMenuItem* Source)>;

class TMenu : public TComponent {
    Q_OBJECT
    Q_PROPERTY(bool OwnerDraw READ OwnerDraw WRITE SetOwnerDraw)
    Q_PROPERTY(TImageList* Images READ Images WRITE SetImages)
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    bool HoldsChildComponents() const override { return true; }

    // The root item; the menu's entries are its sub-items. Owned by the menu.
    TMenuItem* Items() const { return items_; }

    // Items are measured and drawn by their own handlers (those that have them).
    virtual bool OwnerDraw() const { return ownerDraw_; }
    virtual void SetOwnerDraw(bool ownerDraw);
    TImageList* Images() const { return images_; }
    // Not owned; dropped when the list is destroyed.
    void SetImages(TImageList* images);

    // Whether the key with the shift state is the shortcut of one of the items: the first one,
    // depth first, among the visible and enabled items (an item's sub-items only count while
    // the item itself is visible and enabled). That item is then carried out.
    bool IsShortCut(std::uint16_t key, TShiftState shift);

    // The popup window open on this menu (the outermost one when sub-menus are open), or null.
    TPopupMenuWindow* PopupWindow() const;
    // Closes the open popup window and its sub-menus without choosing an item.
    void CloseMenu();

    // The band a popup window of this menu keeps round its items, its width along each edge;
    // items never paint into it. Asked each time a window lays its items out. None here.
    virtual TEdges WindowBorder() const { return {}; }
    // Paints that band, after the items, on a canvas over the whole popup window; `windowRect`
    // is the window in the canvas's coordinates. Only asked when the band is not empty.
    virtual void DrawWindowBorder(TCanvas& /*canvas*/, const TRect& /*windowRect*/) const {}

    TMenuChangeEvent OnChange;

protected:
    // Opens the sub-items of `root` in a popup window at a screen point, closing any window
    // already open on this menu.
    void OpenWindow(TMenuItem* root, TPoint screenPos);
    // An item of the tree changed (null: the menu as a whole); an open window is laid out anew.
    virtual void MenuChanged(TMenuItem* source);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TMenuItem;

    TMenuItem* items_;
    bool ownerDraw_ = false;
    TImageList* images_ = nullptr;
    QPointer<TPopupMenuWindow> window_;
};
