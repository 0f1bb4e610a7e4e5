#include "ProgramUnderTest.h"

#include <QFile>
#include <QProcessEnvironment>
#include <csignal>
#include <utility>

#ifndef DUANXIN_PROGRAM
#error "DUANXIN_PROGRAM must name the program under test"
#endif

ProgramUnderTest::ProgramUnderTest(QString display, QString runtimeDir, QString logFile)
    : display_(std::move(display)), runtimeDir_(std::move(runtimeDir)),
      logFile_(std::move(logFile)) {}

ProgramUnderTest::~ProgramUnderTest() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

QString ProgramUnderTest::path() {
    const QString fromEnvironment = qEnvironmentVariable("DUANXIN_BIN");
    return fromEnvironment.isEmpty() ? QStringLiteral(DUANXIN_PROGRAM) : fromEnvironment;
}

bool ProgramUnderTest::start() {
    const QString& program = program_;
    if (!QFile::exists(program)) {
        error_ = QStringLiteral("the program has not been built: no file %1").arg(program);
        return false;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir_);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (!pathPrefix_.isEmpty())
        env.insert(QStringLiteral("PATH"),
                   pathPrefix_ + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    process_.setProcessEnvironment(env);
    process_.setProgram(program);
    process_.setStandardInputFile(QProcess::nullDevice());
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardOutputFile(logFile_);
    process_.start();
    if (!process_.waitForStarted(10000)) {
        error_ = QStringLiteral("cannot start %1: %2").arg(program, process_.errorString());
        return false;
    }
    started_ = true;
    return true;
}

bool ProgramUnderTest::running() const {
    return process_.state() != QProcess::NotRunning;
}

qint64 ProgramUnderTest::pid() const {
    return process_.processId();
}

bool ProgramUnderTest::sendSignal(int signal) {
    const qint64 id = process_.processId();
    return running() && id > 0 && ::kill(static_cast<pid_t>(id), signal) == 0;
}

bool ProgramUnderTest::waitForExit(int timeoutMs) {
    if (!running())
        return true;
    return process_.waitForFinished(timeoutMs);
}

bool ProgramUnderTest::exitedCleanly() const {
    return !running() && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

QString ProgramUnderTest::exitDescription() const {
    if (running())
        return QStringLiteral("still running");
    if (!started_)
        return QStringLiteral("never started");
    if (process_.exitStatus() == QProcess::CrashExit)
        return QStringLiteral("killed by a signal (%1)").arg(process_.errorString());
    return QStringLiteral("exit status %1").arg(process_.exitCode());
}

QString ProgramUnderTest::log() const {
    QFile file(logFile_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString ProgramUnderTest::programFolder() const {
    return runtimeDir_ + QStringLiteral("/duanxin");
}

QString ProgramUnderTest::libraryFile() const {
    return programFolder() + QStringLiteral("/_.dll");
}
