// The standard dialog in which the user picks an existing file to open.
#pragma once

#include "framework/core/TComponent.h"

#include <QString>
#include <functional>
#include <optional>

class TOpenDialog : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
public:
    explicit TOpenDialog(TComponent* AOwner);

    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }
    // The file chosen last; the dialog opens on it.
    QString FileName() const { return fileName_; }
    void SetFileName(const QString& name) { fileName_ = name; }

    // Asks the user modally; true with FileName set when a file was chosen, false (FileName
    // unchanged) when the dialog was cancelled.
    bool Execute();

    // Who asks the user: the toolkit's file dialog unless replaced (as tests do). Answers the
    // chosen file, or nothing when cancelled.
    std::function<std::optional<QString>(const TOpenDialog& dialog)> Chooser;

private:
    QString title_;
    QString fileName_;
};
