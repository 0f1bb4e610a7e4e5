// One entry of a menu: a caption with its "&" accelerator (exactly "-" makes a separator), the
// states a menu shows, a shortcut, a picture from the menu's image list, and the items of its
// sub-menu. Measuring and drawing go to the item's own handlers when its menu is owner-drawn,
// otherwise to the framework's default look.
#pragma once

#include "framework/core/TComponent.h"
#include "framework/core/Types.h"
#include "framework/menus/TShortCut.h"

#include <functional>
#include <vector>

class TCanvas;
class TMenu;

using TMenuMeasureItemEvent =
    std::function<void(TObject* Sender, TCanvas& ACanvas, int& Width, int& Height)>;
// ARect is in the coordinates of the canvas, which paints the whole menu window (see
// TCanvas::WindowRect).
using TMenuDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas& ACanvas, const TRect& ARect, bool Selected)>;

class TMenuItem : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(int ShortCut READ ShortCut WRITE SetShortCut)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(QString AccessibleName READ AccessibleName WRITE SetAccessibleName)
public:
    explicit TMenuItem(TComponent* AOwner);
    // Takes itself out of its parent and destroys its sub-items.
    ~TMenuItem() override;

    // Stored inside a menu or an item, an item is its entry; anywhere else it is an error.
    bool HoldsChildComponents() const override { return true; }
    void SetParentComponent(TComponent* parent) override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool IsLine() const { return caption_ == QStringLiteral("-"); }
    // The caption as shown: "&" prefixes resolved ("&&" is a literal "&").
    QString DisplayCaption() const;
    // The underlined letter, upper-cased, or a null character when there is none.
    QChar Hotkey() const;
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // Drawn in bold: the item a double click would choose.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(int shortCut);
    // What accessibility tools call the item; empty leaves it to the caption as shown.
    QString AccessibleName() const { return accessibleName_; }
    void SetAccessibleName(const QString& name) { accessibleName_ = name; }
    // Index into the menu's Images; -1 for none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

    // Sub-items. An item belongs to one parent at a time; each destroys those it holds.
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EMenuError for an index out of range.
    TMenuItem* Items(int index) const;
    int IndexOf(const TMenuItem* item) const;
    // Raises EMenuError for an item that already has a parent, for this item or one of its own
    // parents (a loop), and for an index beyond Count.
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the item out without destroying it; its owner (or the caller) still holds it.
    void Delete(int index);
    void Remove(TMenuItem* item);
    // Whether a sub-menu opens from this item: it holds at least one visible item.
    bool HasSubMenu() const;
    TMenuItem* Parent() const { return parent_; }
    // The menu whose tree this item is in, or null.
    TMenu* GetParentMenu() const;

    // The user chose the item: OnClick runs when the item is enabled.
    virtual void Click();
    // The default look's size, then, when the menu is owner-drawn, OnMeasureItem to change it.
    void MeasureItem(TCanvas& canvas, int& width, int& height);
    // OnDrawItem when the menu is owner-drawn and the item has one, else the default look.
    void DrawItem(TCanvas& canvas, const TRect& rect, bool selected);

    bool BindEvent(const QByteArray& name, const TMethod& method) override;

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;

private:
    friend class TMenu;
    void Changed();
    bool UsesOwnHandlers() const;
    bool IsInside(const TMenuItem* other) const;

    QString caption_;
    QString accessibleName_;
    bool checked_ = false;
    bool default_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    TShortCut shortCut_ = scNone;
    int imageIndex_ = -1;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;         // set on a menu's root item only
    std::vector<TMenuItem*> items_; // destroyed with this item
};
