// What accessibility tools see of a self-painted push button's window (TCustomPushButton): a
// push button named by its AccessibleName or else its caption without "&", with the window's states
// and a press action that clicks it while it is enabled.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>

class TCustomPushButton;

class TCustomPushButtonAccessible : public QAccessibleWidget {
public:
    TCustomPushButtonAccessible(QWidget* window, TCustomPushButton* button);

    // Makes the toolkit create this interface for every such button's window; safe to repeat.
    static void Install();

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QPointer<TCustomPushButton> button_;
};
