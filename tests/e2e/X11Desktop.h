#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

// Looks at and drives one X display the way a person would, through the desktop tools xdotool
// (windows, pointer, keyboard), xclip (the clipboard) and ImageMagick's import (pictures). Every
// tool run is bounded; a tool that hangs is killed and counts as failed.
class X11Desktop {
public:
    explicit X11Desktop(QString display);

    struct Result {
        bool ok = false; // ran to its end with exit status 0
        QString output;  // standard output
        QString errors;  // standard error, or why the tool could not run
    };
    Result run(const QString& tool, const QStringList& args, int timeoutMs = 5000) const;

    // The first visible window of process pid whose name is exactly title.
    std::optional<QString> findWindow(qint64 pid, const QString& title) const;
    std::optional<QString> windowName(const QString& window) const;
    // Position on the screen and size of the window's inside.
    std::optional<QRect> geometry(const QString& window) const;

    // Gives the window the keyboard focus.
    bool focus(const QString& window) const;
    // Moves the pointer to a point in window coordinates and clicks a button there: 1 is the
    // left one, 4 and 5 turn the wheel up and down, 6 and 7 tilt it left and right.
    bool click(const QString& window, QPoint at, int button = 1) const;
    // Two clicks there, as quickly as a person double-clicks.
    bool doubleClick(const QString& window, QPoint at) const;
    // Presses the left button at a screen point, moves the pointer in steps to another one and
    // releases it there, as a person drags.
    bool drag(QPoint from, QPoint to) const;
    // Presses key combinations such as "ctrl+a", one after the other, on the focused window.
    bool keys(const QStringList& combos) const;
    // Types text on the focused window as a keyboard would, remapping spare keys for
    // characters the layout lacks (as on-screen keyboards do).
    bool typeText(const QString& text) const;

    // The CLIPBOARD selection as text; nothing when no one owns it.
    std::optional<QString> clipboardText() const;
    // Saves a picture of the whole screen.
    bool screenshot(const QString& file) const;
    // The whole screen as a picture; a null image when it cannot be taken.
    QImage screen() const;

private:
    QString display_;
};
