#include "framework/controls/TOpenDialog.h"

#include "framework/forms/ClassRegistry.h"

#include <QApplication>
#include <QFileDialog>

REGISTER_COMPONENT_CLASS(TOpenDialog)

namespace {

std::optional<QString> AskWithFileDialog(const TOpenDialog& dialog) {
    const QString chosen = QFileDialog::getOpenFileName(QApplication::activeWindow(),
                                                        dialog.Title(), dialog.FileName());
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

} // namespace

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner), Chooser(AskWithFileDialog) {}

bool TOpenDialog::Execute() {
    const std::optional<QString> chosen = Chooser(*this);
    if (!chosen)
        return false;
    fileName_ = *chosen;
    return true;
}
