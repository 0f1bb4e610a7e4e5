// The window a menu opens: a toolkit popup showing the visible sub-items of one item, every
// pixel painted by the items' own measure and draw handlers (or the default look) into one
// off-screen image of the whole window, which is then copied to the screen. Item handlers get
// a canvas over that image with its WindowRect set to the window's, and their item rectangle in
// window coordinates. The menu may have the window keep a border band round the items
// (TMenu::WindowBorder): the items are laid out inside it, cannot paint into it, and the menu
// paints it after them (TMenu::DrawWindowBorder).
//
// The window tracks the user until an item is chosen or the menu is dismissed: the mouse
// selects enabled items and a release carries one out; Up and Down (wrapping, skipping
// separators and disabled items), Home and End move the selection; Enter or Space carry it
// out; Right and Left open and close sub-menus, which open beside their item; Escape closes one
// level; a letter underlined in one item's caption carries that item out, and one shared by
// several moves the selection between them. A press outside every window of the menu closes
// them all. The window is destroyed once closed; a chosen item runs after every window of the
// menu has closed.
#pragma once

#include "framework/core/Types.h"
#include "framework/menus/TMenuItem.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <vector>

class TPopupMenuWindow : public QWidget {
    Q_OBJECT
public:
    // `parentMenu` is the window this one is a sub-menu of (it then also owns this window), or
    // null for the outermost window.
    TPopupMenuWindow(TMenuItem* root, TPopupMenuWindow* parentMenu);
    ~TPopupMenuWindow() override;

    // Measures the items and shows the window with its top-left corner at the screen point,
    // moved as far as needed to lie on the screen's available area. A menu without a visible
    // item is closed at once instead.
    void Open(TPoint screenPos);
    // Measures the items again and resizes the window; open sub-menus follow.
    void Relayout();
    // Closes this window and every window of the same menu, innermost first.
    void CloseAll();
    // Closes the windows and destroys this one: at once, or, while a popup menu window is
    // handling an event (a chosen item's OnClick may destroy its menu), once that is over.
    void Discard();

    TMenuItem* Root() const { return root_; }
    // The shown items, top to bottom, and their rectangles in window coordinates.
    int ItemCount() const { return static_cast<int>(slots_.size()); }
    TMenuItem* Item(int index) const;
    TRect ItemRect(int index) const;
    // -1 when no item is selected.
    int SelectedIndex() const { return selected_; }
    // The open sub-menu window, or null.
    TPopupMenuWindow* SubMenu() const { return subMenu_; }
    TPopupMenuWindow* ParentMenu() const { return parentMenu_; }
    // The whole window as its items and its menu's border paint it, on a surface of `ratio`
    // device pixels per logical pixel.
    QImage Render(double ratio = 1);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Slot {
        QPointer<TMenuItem> item;
        TRect rect;
    };

    // Measures the visible items and sizes the window; false when there is nothing to show.
    bool Layout();
    TMenu* Menu() const;
    void ShowAt(QPoint globalPos);
    // Opens to the right of `globalRow` (an item's row of the parent window, on the screen).
    void OpenBeside(const QRect& globalRow);
    bool Selectable(int index) const;
    int SlotAt(QPoint pos) const;
    void Select(int index);
    // Selects the first selectable item stepping from `from` (which may lie one outside the
    // items), wrapping round.
    void StepFrom(int from, int step);
    void Execute(int index);
    void ExecuteHotkey(QChar letter);
    void OpenSubMenu(int index, bool selectFirst);
    void CloseSubMenu();
    // The window of this menu, this one or a parent, under a screen point; null when none.
    TPopupMenuWindow* WindowAt(QPoint globalPos);
    void HoverAt(QPoint pos);

    QPointer<TMenuItem> root_;
    TPopupMenuWindow* parentMenu_;
    QPointer<TPopupMenuWindow> subMenu_;
    std::vector<Slot> slots_;
    TEdges border_; // the menu's band, as at the last layout
    int selected_ = -1;
    bool pressed_ = false; // a button went down over the menu: its release may choose an item
};
