#include "WindowManagerSession.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QThread>

WindowManagerSession::~WindowManagerSession() {
    stop();
}

bool WindowManagerSession::start(const QString& display, const QString& logFile, int timeoutMs) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    process_.setProcessEnvironment(env);
    process_.setStandardInputFile(QProcess::nullDevice());
    process_.setStandardOutputFile(logFile);
    process_.setStandardErrorFile(logFile, QIODevice::Append);
    process_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    if (!process_.waitForStarted(timeoutMs)) {
        error_ = QStringLiteral("cannot start openbox: %1 (run scripts/setup)")
                     .arg(process_.errorString());
        return false;
    }
    QDeadlineTimer deadline(timeoutMs);
    while (!managing(display)) {
        if (process_.state() != QProcess::Running || deadline.hasExpired()) {
            error_ = QStringLiteral("openbox did not take over the screen; see %1").arg(logFile);
            return false;
        }
        QThread::msleep(100);
    }
    return true;
}

void WindowManagerSession::stop() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(1000);
    }
}

// A window manager that follows the desktop conventions names its check window on the root.
bool WindowManagerSession::managing(const QString& display) const {
    QProcess xprop;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    xprop.setProcessEnvironment(env);
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    if (!xprop.waitForFinished(3000))
        return false;
    return QString::fromLatin1(xprop.readAllStandardOutput()).contains(QLatin1String("window id"));
}
