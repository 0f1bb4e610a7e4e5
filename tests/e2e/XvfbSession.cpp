#include "XvfbSession.h"

#include <QDeadlineTimer>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Waits for the child to end, at most timeoutMs; true once it has been reaped.
bool reap(pid_t pid, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        int status = 0;
        pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid || (r < 0 && errno == ECHILD))
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
}

} // namespace

XvfbSession::~XvfbSession() {
    stop();
}

bool XvfbSession::start(const QString& logFile, int timeoutMs) {
    stop();
    error_.clear();

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        error_ = QStringLiteral("pipe: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    // Only the write end goes to the server; it reports its display number there.
    fcntl(fds[1], F_SETFD, 0);

    const std::string fd = std::to_string(fds[1]);
    const std::string log = logFile.toStdString();
    std::vector<std::string> args{"Xvfb", "-displayfd",  fd,          "-screen",
                                  "0",    "1024x768x24", "-nolisten", "tcp"};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_t pid = -1;
    int rc = posix_spawnp(&pid, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        error_ = QStringLiteral("cannot start Xvfb: %1 (run scripts/setup)")
                     .arg(QString::fromLocal8Bit(strerror(rc)));
        return false;
    }
    pid_ = pid;

    QByteArray number;
    QDeadlineTimer deadline(timeoutMs);
    while (!number.endsWith('\n')) {
        pollfd p{fds[0], POLLIN, 0};
        int ready = poll(&p, 1, static_cast<int>(deadline.remainingTime()));
        if (ready <= 0) {
            error_ = QStringLiteral("Xvfb did not report a display within %1 ms").arg(timeoutMs);
            break;
        }
        char buf[32];
        ssize_t n = read(fds[0], buf, sizeof buf);
        if (n <= 0) {
            error_ = QStringLiteral("Xvfb ended before it accepted clients; see %1").arg(logFile);
            break;
        }
        number.append(buf, n);
    }
    close(fds[0]);
    if (!error_.isEmpty()) {
        stop();
        return false;
    }
    display_ = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    return true;
}

void XvfbSession::stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        if (!reap(pid_, 5000)) {
            kill(pid_, SIGKILL);
            reap(pid_, 5000);
        }
    }
    pid_ = -1;
    display_.clear();
}
