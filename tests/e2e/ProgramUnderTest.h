#pragma once

#include <QProcess>
#include <QString>

// One running copy of the program on a given display with a given runtime folder
// (XDG_RUNTIME_DIR). Its output goes to a log file. A copy still running when the object goes
// away is killed, so a failing test never leaves one behind.
class ProgramUnderTest {
public:
    ProgramUnderTest(QString display, QString runtimeDir, QString logFile);
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // The program's path: DUANXIN_BIN from the environment if set, else the built program.
    static QString path();

    // A folder searched first for the programs this one starts (a stand-in web browser).
    void prependToPath(const QString& folder) { pathPrefix_ = folder; }
    // Another program to run in place of path(), such as the skin gallery.
    void setProgram(const QString& program) { program_ = program; }
    // Starts the program and waits until the process runs; on failure see error().
    bool start();
    bool running() const;
    qint64 pid() const;
    bool sendSignal(int signal);
    // Waits at most timeoutMs for the program to end; true once it has.
    bool waitForExit(int timeoutMs);
    // True when the program ended by itself with exit status 0.
    bool exitedCleanly() const;
    // How the program ended, for failure messages.
    QString exitDescription() const;
    QString log() const;
    QString error() const { return error_; }

    // The library file the program keeps in its runtime folder while it runs.
    QString libraryFile() const;
    QString programFolder() const;

private:
    QString display_;
    QString runtimeDir_;
    QString logFile_;
    QProcess process_;
    QString error_;
    QString pathPrefix_;
    QString program_ = path();
    bool started_ = false;
};
