#pragma once

#include <QProcess>
#include <QString>

// A real window manager (openbox) on a test's X server, for the tests that must see the program
// the way a desktop shows it. Stopped again when the session goes away.
class WindowManagerSession {
public:
    WindowManagerSession() = default;
    ~WindowManagerSession();
    WindowManagerSession(const WindowManagerSession&) = delete;
    WindowManagerSession& operator=(const WindowManagerSession&) = delete;

    // Starts openbox on the display and waits until it manages the screen, at most timeoutMs.
    // On failure the reason is in error().
    bool start(const QString& display, const QString& logFile, int timeoutMs = 10000);
    void stop();
    QString error() const { return error_; }

private:
    bool managing(const QString& display) const;

    QProcess process_;
    QString error_;
};
