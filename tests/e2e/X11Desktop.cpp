#include "X11Desktop.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <utility>

namespace {

// An extended regular expression (as xdotool takes them) that matches exactly text.
QString exactPattern(const QString& text) {
    static const QString special = QStringLiteral(".[]{}()\\*+?|^$");
    QString pattern = QStringLiteral("^");
    for (QChar c : text) {
        if (special.contains(c))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    return pattern + QLatin1Char('$');
}

} // namespace

X11Desktop::X11Desktop(QString display) : display_(std::move(display)) {}

X11Desktop::Result X11Desktop::run(const QString& tool, const QStringList& args,
                                   int timeoutMs) const {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(env);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(tool, args);
    Result result;
    if (!process.waitForStarted(timeoutMs)) {
        result.errors = QStringLiteral("cannot run %1: %2 (run scripts/setup)")
                            .arg(tool, process.errorString());
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        result.errors = QStringLiteral("%1 did not finish within %2 ms").arg(tool).arg(timeoutMs);
        return result;
    }
    result.output = QString::fromUtf8(process.readAllStandardOutput());
    result.errors = QString::fromUtf8(process.readAllStandardError());
    result.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return result;
}

std::optional<QString> X11Desktop::findWindow(qint64 pid, const QString& title) const {
    const QString pattern = exactPattern(title);
    const Result found =
        run(QStringLiteral("xdotool"),
            {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
             QStringLiteral("--pid"), QString::number(pid), QStringLiteral("--name"), pattern});
    if (!found.ok)
        return std::nullopt;
    for (const QString& line : found.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString window = line.trimmed();
        if (windowName(window) == title)
            return window;
    }
    return std::nullopt;
}

std::optional<QString> X11Desktop::windowName(const QString& window) const {
    const Result name = run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), window});
    if (!name.ok)
        return std::nullopt;
    QString text = name.output;
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

std::optional<QRect> X11Desktop::geometry(const QString& window) const {
    const Result shell = run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"),
                                                         QStringLiteral("--shell"), window});
    if (!shell.ok)
        return std::nullopt;
    int x = 0, y = 0, width = -1, height = -1, seen = 0;
    for (const QString& line : shell.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString key = line.section(QLatin1Char('='), 0, 0);
        bool isNumber = false;
        const int value = line.section(QLatin1Char('='), 1).toInt(&isNumber);
        if (!isNumber)
            continue;
        if (key == QLatin1String("X"))
            x = value, ++seen;
        else if (key == QLatin1String("Y"))
            y = value, ++seen;
        else if (key == QLatin1String("WIDTH"))
            width = value, ++seen;
        else if (key == QLatin1String("HEIGHT"))
            height = value, ++seen;
    }
    if (seen != 4)
        return std::nullopt;
    return QRect(x, y, width, height);
}

bool X11Desktop::focus(const QString& window) const {
    return run(QStringLiteral("xdotool"),
               {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window})
        .ok;
}

bool X11Desktop::click(const QString& window, QPoint at, int button) const {
    return run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"),
                                           window, QString::number(at.x()), QString::number(at.y()),
                                           QStringLiteral("click"), QString::number(button)})
        .ok;
}

bool X11Desktop::doubleClick(const QString& window, QPoint at) const {
    return run(QStringLiteral("xdotool"),
               {QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
                QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("--delay"),
                QStringLiteral("80"), QStringLiteral("1")})
        .ok;
}

bool X11Desktop::drag(QPoint from, QPoint to) const {
    constexpr int kSteps = 8;
    QStringList args{QStringLiteral("mousemove"), QString::number(from.x()),
                     QString::number(from.y()),   QStringLiteral("sleep"),
                     QStringLiteral("0.2"),       QStringLiteral("mousedown"),
                     QStringLiteral("1")};
    for (int step = 1; step <= kSteps; ++step) {
        const QPoint at = from + (to - from) * step / kSteps;
        args << QStringLiteral("sleep") << QStringLiteral("0.05") << QStringLiteral("mousemove")
             << QString::number(at.x()) << QString::number(at.y());
    }
    args << QStringLiteral("sleep") << QStringLiteral("0.2") << QStringLiteral("mouseup")
         << QStringLiteral("1");
    return run(QStringLiteral("xdotool"), args).ok;
}

bool X11Desktop::keys(const QStringList& combos) const {
    QStringList args{QStringLiteral("key"), QStringLiteral("--clearmodifiers"),
                     QStringLiteral("--delay"), QStringLiteral("50")};
    args += combos;
    return run(QStringLiteral("xdotool"), args).ok;
}

bool X11Desktop::typeText(const QString& text) const {
    return run(QStringLiteral("xdotool"),
               {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"),
                QStringLiteral("--"), text},
               15000)
        .ok;
}

std::optional<QString> X11Desktop::clipboardText() const {
    const Result text =
        run(QStringLiteral("xclip"),
            {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-o"),
             QStringLiteral("-t"), QStringLiteral("UTF8_STRING")});
    if (!text.ok)
        return std::nullopt;
    return text.output;
}

QImage X11Desktop::screen() const {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("screen.png"));
    return folder.isValid() && screenshot(file) ? QImage(file) : QImage();
}

bool X11Desktop::screenshot(const QString& file) const {
    return run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file},
               15000)
        .ok;
}
