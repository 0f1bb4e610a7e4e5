#pragma once

#include <QString>
#include <sys/types.h>

// A private X server for one test: Xvfb picks a free display number itself (-displayfd), accepts
// no TCP clients and is stopped again when the session goes away.
class XvfbSession {
public:
    XvfbSession() = default;
    ~XvfbSession();
    XvfbSession(const XvfbSession&) = delete;
    XvfbSession& operator=(const XvfbSession&) = delete;

    // Starts the server and waits until it accepts clients, at most timeoutMs. On failure the
    // reason is in error().
    bool start(const QString& logFile, int timeoutMs = 10000);
    void stop();

    bool running() const { return pid_ > 0; }
    // The display name, e.g. ":3"; empty until start() succeeded.
    QString display() const { return display_; }
    QString error() const { return error_; }

private:
    pid_t pid_ = -1;
    QString display_;
    QString error_;
};
