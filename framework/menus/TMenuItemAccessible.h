// One shown item of a popup menu window as accessibility tools see it: its caption without
// "&", its shortcut text, its role (menu item or separator) and its states.
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class TPopupMenuWindow;

class TMenuItemAccessible : public QAccessibleInterface {
public:
    TMenuItemAccessible(TPopupMenuWindow* window, int row);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    QPointer<TPopupMenuWindow> window_;
    int row_;
};
