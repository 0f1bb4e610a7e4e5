#include "framework/menus/TMenuItem.h"

#include "framework/core/Exception.h"
#include "framework/forms/ClassRegistry.h"
#include "framework/graphics/TTextLayout.h"
#include "framework/menus/MenuItemPainter.h"
#include "framework/menus/TMenu.h"

#include <algorithm>

REGISTER_COMPONENT_CLASS(TMenuItem)

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

void TMenuItem::SetParentComponent(TComponent* parent) {
    auto* menu = qobject_cast<TMenu*>(parent);
    TMenuItem* parentItem = menu ? menu->Items() : qobject_cast<TMenuItem*>(parent);
    if (!parentItem)
        throw EMenuError(QStringLiteral("menu item %1 outside a menu").arg(Name()));
    parentItem->Add(this);
}

TMenuItem::~TMenuItem() {
    if (parent_)
        parent_->Remove(this);
    while (!items_.empty())
        delete items_.back(); // each takes itself out
}

void TMenuItem::SetCaption(const QString& caption) {
    if (caption_ != caption) {
        caption_ = caption;
        Changed();
    }
}

QString TMenuItem::DisplayCaption() const {
    return ResolvePrefixes(caption_).Text;
}

QChar TMenuItem::Hotkey() const {
    const TPrefixedText resolved = ResolvePrefixes(caption_);
    return resolved.Mnemonic < 0 ? QChar() : resolved.Text[resolved.Mnemonic].toUpper();
}

void TMenuItem::SetChecked(bool checked) {
    if (checked_ != checked) {
        checked_ = checked;
        Changed();
    }
}

void TMenuItem::SetDefault(bool value) {
    if (default_ != value) {
        default_ = value;
        Changed();
    }
}

void TMenuItem::SetEnabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        Changed();
    }
}

void TMenuItem::SetVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        Changed();
    }
}

void TMenuItem::SetShortCut(int shortCut) {
    if (shortCut < 0 || shortCut > 0xFFFF)
        throw EMenuError(QStringLiteral("%1 is no shortcut").arg(shortCut));
    if (shortCut_ != shortCut) {
        shortCut_ = static_cast<TShortCut>(shortCut);
        Changed();
    }
}

void TMenuItem::SetImageIndex(int index) {
    if (imageIndex_ != index) {
        imageIndex_ = index;
        Changed();
    }
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EMenuError(
            QStringLiteral("Menu index %1 out of range (%2 items)").arg(index).arg(Count()));
    return items_[static_cast<std::size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    const auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

bool TMenuItem::IsInside(const TMenuItem* other) const {
    for (const TMenuItem* p = this; p; p = p->parent_)
        if (p == other)
            return true;
    return false;
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item)
        throw EMenuError(QStringLiteral("No menu item to insert"));
    if (item->parent_)
        throw EMenuError(QStringLiteral("Menu item %1 is already in a menu").arg(item->Caption()));
    if (IsInside(item))
        throw EMenuError(
            QStringLiteral("Menu item %1 cannot hold itself or its parents").arg(item->Caption()));
    if (index < 0 || index > Count())
        throw EMenuError(
            QStringLiteral("Menu index %1 out of range (%2 items)").arg(index).arg(Count()));
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    Changed();
}

void TMenuItem::Delete(int index) {
    TMenuItem* item = Items(index);
    items_.erase(items_.begin() + index);
    item->parent_ = nullptr;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    const int index = IndexOf(item);
    if (index < 0)
        throw EMenuError(QStringLiteral("Menu item %1 is not in this menu").arg(item->Caption()));
    Delete(index);
}

bool TMenuItem::HasSubMenu() const {
    return std::any_of(items_.begin(), items_.end(),
                       [](const TMenuItem* item) { return item->Visible(); });
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->parent_)
        root = root->parent_;
    return root->menu_;
}

void TMenuItem::Click() {
    if (enabled_ && OnClick)
        OnClick(this);
}

bool TMenuItem::UsesOwnHandlers() const {
    const TMenu* menu = GetParentMenu();
    return menu && menu->OwnerDraw();
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
    MenuItemPainter::Measure(*this, canvas, width, height);
    if (UsesOwnHandlers() && OnMeasureItem)
        OnMeasureItem(this, canvas, width, height);
}

void TMenuItem::DrawItem(TCanvas& canvas, const TRect& rect, bool selected) {
    if (UsesOwnHandlers() && OnDrawItem)
        OnDrawItem(this, canvas, rect, selected);
    else
        MenuItemPainter::Draw(*this, canvas, rect, selected);
}

bool TMenuItem::BindEvent(const QByteArray& name, const TMethod& method) {
    static const TEventTable<TMenuItem> kEvents{
        EventBinding("OnClick", &TMenuItem::OnClick),
        EventBinding("OnMeasureItem", &TMenuItem::OnMeasureItem),
        EventBinding("OnDrawItem", &TMenuItem::OnDrawItem),
    };
    return kEvents.Bind(*this, name, method) || TComponent::BindEvent(name, method);
}

void TMenuItem::Changed() {
    if (TMenu* menu = GetParentMenu())
        menu->MenuChanged(this);
}
