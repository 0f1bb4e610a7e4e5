#include "Soak.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>
#include <chrono>
#include <cstdlib>
#include <iostream>

namespace {

constexpr int kInputsPerRun = 6;
constexpr int kProgressEvery = 1000;
constexpr int kBaselineAfter = 1000;
constexpr int kWindowTimeoutMs = 30000;
constexpr int kExitTimeoutMs = 30000;
constexpr int kSettleLimitMs = 5000;
constexpr int kSettlePollMs = 5;
constexpr int kGoneMs = 3000;
// Memory at the end may exceed the value after the first inputs by this much.
constexpr double kGrowthAllowed = 0.05;
const QRect kScreen(0, 0, 1024, 768);

QString Xdotool() {
    return QStringLiteral("xdotool");
}

QString Number(int value) {
    return QString::number(value);
}

// The processor time the process has used, in nanoseconds; -1 once it has gone.
long long CpuTime(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/schedstat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    return stat.readAll().split(' ').value(0).toLongLong();
}

// Styles differ a little in their frames; a maximised window is much larger than designed.
bool Maximised(QSize size, QSize designed) {
    constexpr int kStyleLeeway = 10;
    return std::abs(size.width() - designed.width()) > kStyleLeeway ||
           std::abs(size.height() - designed.height()) > kStyleLeeway;
}

// A mapped window too small to be seen, which no input can reach or close.
bool Invisible(const ExtraWindow& window) {
    constexpr int kVisibleArea = 4;
    return window.geometry.width() * window.geometry.height() <= kVisibleArea;
}

// A corner of the screen outside the area.
QPoint AwayFrom(const QRect& area) {
    return area.contains(0, 0) ? kScreen.bottomRight() : QPoint(0, 0);
}

QString Described(const std::vector<ExtraWindow>& windows, const QString& except) {
    QStringList described;
    for (const ExtraWindow& window : windows)
        if (window.id != except)
            described << QStringLiteral("%1 \"%2\" at (%3, %4) %5 x %6")
                             .arg(window.id, window.name)
                             .arg(window.geometry.x())
                             .arg(window.geometry.y())
                             .arg(window.geometry.width())
                             .arg(window.geometry.height());
    return described.join(QStringLiteral(", "));
}

} // namespace

SoakOptions SoakOptions::FromEnvironment(int defaultInputs) {
    SoakOptions options;
    bool given = false;
    options.seed = qEnvironmentVariable("SOAK_SEED").toULongLong(&given);
    if (!given)
        options.seed = static_cast<quint64>(
            std::chrono::steady_clock::now().time_since_epoch().count() % 1000000000);
    bool counted = false;
    options.inputs = qEnvironmentVariable("SOAK_INPUTS").toInt(&counted);
    if (!counted || options.inputs <= 0)
        options.inputs = defaultInputs;
    options.windowManager = qEnvironmentVariable("SOAK_WM") == QLatin1String("openbox");
    return options;
}

int Rng::between(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(engine_);
}

QPoint Rng::pointIn(const QRect& area) {
    return {between(area.left(), area.right()), between(area.top(), area.bottom())};
}

InputBatch::InputBatch(const QString& window) : window_(window) {
    args_ << QStringLiteral("windowfocus") << window_;
}

void InputBatch::pointerTo(QPoint at) {
    args_ << QStringLiteral("mousemove") << QStringLiteral("--window") << window_ << Number(at.x())
          << Number(at.y());
}

void InputBatch::click(QPoint at, int button) {
    pointerTo(at);
    args_ << QStringLiteral("click") << QStringLiteral("--delay") << QStringLiteral("1")
          << Number(button);
    note(QStringLiteral("click %1 at (%2, %3)").arg(button).arg(at.x()).arg(at.y()));
}

void InputBatch::doubleClick(QPoint at) {
    pointerTo(at);
    args_ << QStringLiteral("click") << QStringLiteral("--repeat") << QStringLiteral("2")
          << QStringLiteral("--delay") << QStringLiteral("60") << QStringLiteral("1");
    note(QStringLiteral("double click at (%1, %2)").arg(at.x()).arg(at.y()));
}

// Relative steps: a press that starts a window move carries the window along, and the release
// then lands where the press was, inside the window.
void InputBatch::drag(QPoint from, QPoint to) {
    constexpr int kSteps = 6;
    pointerTo(from);
    args_ << QStringLiteral("sleep") << QStringLiteral("0.02") << QStringLiteral("mousedown")
          << QStringLiteral("1");
    QPoint reached = from;
    for (int step = 1; step <= kSteps; ++step) {
        const QPoint next = from + (to - from) * step / kSteps;
        args_ << QStringLiteral("sleep") << QStringLiteral("0.01")
              << QStringLiteral("mousemove_relative") << QStringLiteral("--")
              << Number(next.x() - reached.x()) << Number(next.y() - reached.y());
        reached = next;
    }
    args_ << QStringLiteral("sleep") << QStringLiteral("0.02") << QStringLiteral("mouseup")
          << QStringLiteral("1");
    note(QStringLiteral("drag (%1, %2) to (%3, %4)")
             .arg(from.x())
             .arg(from.y())
             .arg(to.x())
             .arg(to.y()));
    // Where the window is now is only known once it has been looked at again.
    end();
}

void InputBatch::keys(const QStringList& combos) {
    args_ << QStringLiteral("key") << QStringLiteral("--clearmodifiers")
          << QStringLiteral("--delay") << QStringLiteral("15") << combos;
    note(QStringLiteral("keys ") + combos.join(QLatin1Char(' ')));
}

void InputBatch::press(const QStringList& combos) {
    pressed_ = combos;
    note(QStringLiteral("press ") + combos.join(QLatin1Char(' ')));
    end();
}

void InputBatch::type(const QString& text) {
    args_ << QStringLiteral("type") << QStringLiteral("--delay") << QStringLiteral("15")
          << QStringLiteral("--") << text;
    note(QStringLiteral("type \"%1\"").arg(text));
    end();
}

void InputBatch::clickInPopup(QPoint at) {
    popupClick_ = at;
    note(QStringLiteral("popup item at (%1, %2)").arg(at.x()).arg(at.y()));
    end();
}

SoakSession::SoakSession(SoakTarget& target, SoakOptions options)
    : target_(target), options_(options), rng_(options.seed) {}

int SoakSession::fail(const QString& why) {
    std::cout << "SOAK FAILED (" << target_.name().toStdString() << ", SOAK_SEED=" << options_.seed
              << ", input " << done_ << " of " << options_.inputs << "): " << why.toStdString()
              << '\n';
    if (!lastNotes_.isEmpty())
        std::cout << "  the last inputs: " << lastNotes_.join(QStringLiteral("; ")).toStdString()
                  << '\n';
    if (desktop_) {
        const QString picture =
            QDir::currentPath() +
            QStringLiteral("/soak-%1-%2.png").arg(target_.name()).arg(options_.seed);
        if (desktop_->screenshot(picture))
            std::cout << "  screen: " << picture.toStdString() << '\n';
    }
    if (program_)
        std::cout << "  program " << program_->exitDescription().toStdString() << ", its output:\n"
                  << program_->log().toStdString() << '\n';
    return 1;
}

int SoakSession::run() {
    std::cout << "soak " << target_.name().toStdString() << ": SOAK_SEED=" << options_.seed
              << " SOAK_INPUTS=" << options_.inputs
              << (options_.windowManager ? " under openbox" : " without a window manager")
              << std::endl;
    QElapsedTimer clock;
    clock.start();
    if (!start())
        return fail(failure_);
    if (!runInputs())
        return fail(failure_);
    std::cout << "inputs done in " << clock.elapsed() / 1000.0 << " s; " << boxes_
              << " message boxes and " << popups_ << " other windows closed, " << restores_
              << " times the window brought back, " << pressesHeld_
              << " key presses held back while the focus was on a button never to be pressed"
              << std::endl;
    if (!invisible_.isEmpty())
        std::cout << "NOTE: " << invisible_.size()
                  << " windows of the program too small to be seen stayed mapped; the first: "
                  << invisibleFirstSeen_.toStdString() << std::endl;
    if (!finish())
        return fail(failure_);
    std::cout << "soak " << target_.name().toStdString() << " passed in "
              << clock.elapsed() / 1000.0 << " s" << std::endl;
    return 0;
}

bool SoakSession::start() {
    if (!work_.isValid()) {
        failure_ = QStringLiteral("no scratch folder: ") + work_.errorString();
        return false;
    }
    const QString runtime = work_.filePath(QStringLiteral("runtime"));
    QDir().mkdir(runtime);
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!xvfb_.start(work_.filePath(QStringLiteral("xvfb.log")))) {
        failure_ = xvfb_.error();
        return false;
    }
    desktop_ = std::make_unique<X11Desktop>(xvfb_.display());
    if (options_.windowManager &&
        !windowManager_.start(xvfb_.display(), work_.filePath(QStringLiteral("openbox.log")))) {
        failure_ = windowManager_.error();
        return false;
    }
    program_ = std::make_unique<ProgramUnderTest>(xvfb_.display(), runtime,
                                                  work_.filePath(QStringLiteral("program.log")));
    program_->setProgram(target_.program());
    target_.useWindowManager(options_.windowManager);
    target_.prepare(*this);
    if (!program_->start()) {
        failure_ = program_->error();
        return false;
    }
    QDeadlineTimer deadline(kWindowTimeoutMs);
    std::optional<QString> found;
    while (!found && program_->running() && !deadline.hasExpired()) {
        found = desktop_->findWindow(program_->pid(), target_.startTitle());
        if (!found)
            QThread::msleep(100);
    }
    if (!found) {
        failure_ = QStringLiteral("no window \"%1\" appeared").arg(target_.startTitle());
        return false;
    }
    window_ = *found;
    windowName_ = target_.startTitle();
    settle();
    return learnOwnMessages();
}

bool SoakSession::runInputs() {
    while (done_ < options_.inputs) {
        InputBatch batch(window_);
        while (!batch.ended() && batch.inputs() < kInputsPerRun &&
               done_ + batch.inputs() < options_.inputs)
            target_.addInput(rng_, batch, windowName_);
        lastNotes_ = batch.notes();
        if (!execute(batch))
            return false;
        afterInputs(done_ + batch.inputs());
        if (!tidyUp())
            return false;
    }
    return true;
}

bool SoakSession::execute(InputBatch& batch) {
    const X11Desktop::Result ran = desktop_->run(Xdotool(), batch.arguments(), 30000);
    // A window that has just gone (a closed popup) may fail xdotool's last command; the
    // program's state is checked next in any case.
    if (!ran.ok && !program_->running()) {
        failure_ = QStringLiteral("the program ended: ") + program_->exitDescription();
        return false;
    }
    settle();
    if (const auto at = batch.popupClick())
        clickInPopup(*at);
    if (!batch.pressed().isEmpty()) {
        if (!pressIsSafe()) {
            ++pressesHeld_;
            return true;
        }
        desktop_->run(Xdotool(),
                      QStringList{QStringLiteral("windowfocus"), window_, QStringLiteral("key"),
                                  QStringLiteral("--clearmodifiers")}
                          << batch.pressed());
        settle();
    }
    return true;
}

// A part of the window as it looks with the pointer away.
QImage SoakSession::areaPicture(const QRect& area) {
    desktop_->run(Xdotool(),
                  {QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")});
    settle();
    const QString file = work_.filePath(QStringLiteral("area.png"));
    QFile::remove(file);
    const QString crop = QStringLiteral("%1x%2+%3+%4")
                             .arg(area.width())
                             .arg(area.height())
                             .arg(area.x())
                             .arg(area.y());
    if (!desktop_
             ->run(QStringLiteral("import"),
                   {QStringLiteral("-window"), window_, QStringLiteral("-crop"), crop, file}, 15000)
             .ok)
        return {};
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

// The focus is somewhere the keys may press unless that button shows it has it.
bool SoakSession::pressIsSafe() {
    const std::optional<QRect> button = target_.neverPressed();
    return !button || (!unfocused_.isNull() && areaPicture(*button) == unfocused_);
}

void SoakSession::clickInPopup(QPoint at) {
    for (const ExtraWindow& extra : visibleWindows()) {
        if (extra.id == window_ || target_.isMessageBox(extra.name) || Invisible(extra))
            continue;
        desktop_->click(extra.id, at);
        settle();
        return;
    }
    desktop_->keys({QStringLiteral("Escape")});
    settle();
}

void SoakSession::afterInputs(int done) {
    const int before = done_;
    done_ = done;
    if (before < kBaselineAfter && done_ >= kBaselineAfter) {
        baselineKb_ = residentKb();
        baselineAt_ = done_;
    }
    if (before / kProgressEvery != done_ / kProgressEvery)
        std::cout << "  " << done_ << " inputs, resident memory " << residentKb() << " kB"
                  << std::endl;
}

void SoakSession::settle() const {
    QDeadlineTimer deadline(kSettleLimitMs);
    long long last = CpuTime(program_->pid());
    int quiet = 0;
    while (quiet < 2 && !deadline.hasExpired()) {
        QThread::msleep(kSettlePollMs);
        const long long now = CpuTime(program_->pid());
        if (now < 0)
            return;
        quiet = now == last ? quiet + 1 : 0;
        last = now;
    }
}

long SoakSession::residentKb() const {
    QFile status(QStringLiteral("/proc/%1/status").arg(program_->pid()));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Every visible top-level window of the program with its name and place, in one xdotool run.
std::vector<ExtraWindow> SoakSession::visibleWindows() const {
    const X11Desktop::Result found = desktop_->run(
        Xdotool(),
        {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
         QStringLiteral("--pid"), QString::number(program_->pid()), QStringLiteral("--name"),
         QStringLiteral(""), QStringLiteral("getwindowname"), QStringLiteral("%@"),
         QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QStringLiteral("%@")});
    std::vector<ExtraWindow> windows;
    if (!found.ok)
        return windows;
    const QStringList lines = found.output.split(QLatin1Char('\n'));
    const auto count = lines.filter(QRegularExpression(QStringLiteral("^WINDOW="))).size();
    for (qsizetype i = 0; i < count; ++i) {
        ExtraWindow window;
        window.name = lines.value(i);
        int x = 0, y = 0, width = 0, height = 0;
        for (qsizetype line = count + i * 6; line < count + i * 6 + 6; ++line) {
            const QString key = lines.value(line).section(QLatin1Char('='), 0, 0);
            const QString value = lines.value(line).section(QLatin1Char('='), 1);
            if (key == QLatin1String("WINDOW"))
                window.id = value;
            else if (key == QLatin1String("X"))
                x = value.toInt();
            else if (key == QLatin1String("Y"))
                y = value.toInt();
            else if (key == QLatin1String("WIDTH"))
                width = value.toInt();
            else if (key == QLatin1String("HEIGHT"))
                height = value.toInt();
        }
        window.geometry = QRect(x, y, width, height);
        windows.push_back(window);
    }
    return windows;
}

// Closes boxes and popups, and brings the window back where the inputs have minimised,
// maximised or moved it off the screen; until all is as it was, or a few rounds have not been
// enough.
bool SoakSession::tidyUp() {
    QString wrong;
    for (int round = 0; round < 10; ++round) {
        if (!program_->running()) {
            failure_ = QStringLiteral("the program ended: ") + program_->exitDescription();
            return false;
        }
        const std::vector<ExtraWindow> windows = visibleWindows();
        std::optional<ExtraWindow> main;
        bool extra = false;
        for (const ExtraWindow& window : windows) {
            if (window.id == window_) {
                main = window;
                continue;
            }
            if (Invisible(window)) {
                noteInvisible(window);
                continue;
            }
            extra = true;
            if (!closeExtraWindow(window, round > 0))
                return false;
        }
        if (extra) {
            wrong = QStringLiteral("another window stays open: ") + Described(windows, window_);
            continue;
        }
        if (!main) {
            wrong = QStringLiteral("the window stays hidden");
            restore({options_.windowManager ? QStringLiteral("windowactivate")
                                            : QStringLiteral("windowmap"),
                     window_});
            continue;
        }
        windowName_ = main->name;
        if (Maximised(main->geometry.size(), target_.home().size())) {
            wrong = QStringLiteral("the window stays %1 x %2")
                        .arg(main->geometry.width())
                        .arg(main->geometry.height());
            InputBatch doubleClick(window_);
            doubleClick.doubleClick(target_.titleBarMiddle());
            restore(doubleClick.arguments());
            continue;
        }
        if (!kScreen.contains(main->geometry)) {
            wrong = QStringLiteral("the window stays off the screen at (%1, %2)")
                        .arg(main->geometry.x())
                        .arg(main->geometry.y());
            restore({QStringLiteral("windowmove"), window_, Number(target_.home().x()),
                     Number(target_.home().y())});
            continue;
        }
        return true;
    }
    // A window gone for good may be a program on its way out.
    if (program_->waitForExit(kGoneMs))
        failure_ = QStringLiteral("the program ended: ") + program_->exitDescription();
    else
        failure_ = QStringLiteral("the program's windows do not come back to normal: ") + wrong;
    return false;
}

// Reported at the end: such a window harms nobody, but should not be there.
void SoakSession::noteInvisible(const ExtraWindow& window) {
    if (invisible_.contains(window.id))
        return;
    invisible_ << window.id;
    if (invisibleFirstSeen_.isEmpty()) {
        const QString properties =
            desktop_->run(QStringLiteral("xprop"), {QStringLiteral("-id"), window.id}).output;
        invisibleFirstSeen_ = QStringLiteral("%1 after input %2 (the last inputs: %3):\n%4")
                                  .arg(Described({window}, QString()))
                                  .arg(done_)
                                  .arg(lastNotes_.join(QStringLiteral("; ")), properties);
    }
}

void SoakSession::restore(const QStringList& xdotool) {
    ++restores_;
    target_.focusUncertain();
    desktop_->run(Xdotool(), xdotool);
    settle();
}

// Popups and menus close with Escape; a tooltip goes when the pointer leaves it, so a window
// still there the second time also gets the pointer moved away.
bool SoakSession::closeExtraWindow(const ExtraWindow& window, bool again) {
    target_.focusUncertain();
    if (target_.isMessageBox(window.name))
        return checkBox(window);
    ++popups_;
    QStringList xdotool{QStringLiteral("windowfocus"), window.id, QStringLiteral("key"),
                        QStringLiteral("Escape")};
    if (again)
        xdotool << QStringLiteral("mousemove") << Number(AwayFrom(window.geometry).x())
                << Number(AwayFrom(window.geometry).y());
    desktop_->run(Xdotool(), xdotool);
    settle();
    return true;
}

// The box as it looks with the focus on it and the pointer away from it.
QImage SoakSession::picture(const ExtraWindow& window) {
    const QPoint away = AwayFrom(window.geometry);
    desktop_->run(Xdotool(), {QStringLiteral("mousemove"), Number(away.x()), Number(away.y()),
                              QStringLiteral("windowfocus"), QStringLiteral("--sync"), window.id});
    settle();
    const QString file = work_.filePath(QStringLiteral("box.png"));
    QFile::remove(file);
    if (!desktop_
             ->run(QStringLiteral("import"), {QStringLiteral("-window"), window.id, file}, 15000)
             .ok)
        return {};
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

// Shows each of the program's own boxes once and keeps its picture.
bool SoakSession::learnOwnMessages() {
    for (int index = 0; index < target_.ownMessages(); ++index) {
        InputBatch batch(window_);
        target_.showOwnMessage(index, batch);
        lastNotes_ = batch.notes();
        if (!execute(batch))
            return false;
        std::optional<ExtraWindow> box;
        for (const ExtraWindow& window : visibleWindows())
            if (window.id != window_ && target_.isMessageBox(window.name))
                box = window;
        const QImage seen = box ? picture(*box) : QImage();
        if (seen.isNull()) {
            failure_ = QStringLiteral("the program's own message %1 did not show").arg(index + 1);
            return false;
        }
        ownMessages_.push_back({box->name, seen});
        desktop_->keys({QStringLiteral("Return")});
        settle();
    }
    lastNotes_.clear();
    if (!tidyUp())
        return false;
    if (const std::optional<QRect> button = target_.neverPressed())
        unfocused_ = areaPicture(*button);
    return true;
}

// A box is one of the program's own when it looks exactly like one of those shown at the start.
bool SoakSession::checkBox(const ExtraWindow& box) {
    ++boxes_;
    const QImage seen = picture(box);
    bool own = false;
    for (const OwnMessage& message : ownMessages_)
        own = own || (message.caption == box.name && message.picture == seen);
    if (!own) {
        const QString kept =
            QDir::currentPath() +
            QStringLiteral("/soak-%1-%2-box.png").arg(target_.name()).arg(options_.seed);
        seen.save(kept);
        failure_ =
            QStringLiteral("a box \"%1\" unlike the program's own messages (its picture: %2)")
                .arg(box.name, kept);
        return false;
    }
    desktop_->keys({QStringLiteral("Return")});
    settle();
    return true;
}

std::optional<QRect> SoakSession::windowGeometry() const {
    return desktop_->geometry(window_);
}

QString SoakSession::windowName() const {
    return desktop_->windowName(window_).value_or(QString());
}

bool SoakSession::checkLog() {
    const QString log = program_->log();
    for (const QString& sign :
         {QStringLiteral("ERROR: AddressSanitizer"), QStringLiteral("runtime error:")}) {
        if (log.contains(sign)) {
            failure_ = QStringLiteral("the sanitizer reported \"%1\"").arg(sign);
            return false;
        }
    }
    return true;
}

// Caches that fill once (the styles' pictures, the file chooser's first opening) are full
// after the first thousand inputs; what grows after them grows with use.
bool SoakSession::memoryKept() {
    const long endKb = residentKb();
    if (baselineAt_ == 0) {
        std::cout << "resident memory at the end " << endKb << " kB; not compared, the run is "
                  << "too short to have a value after " << kBaselineAfter << " inputs" << std::endl;
        return true;
    }
    std::cout << "resident memory after " << baselineAt_ << " inputs " << baselineKb_
              << " kB, at the end " << endKb << " kB" << std::endl;
#ifdef DUANXIN_SOAK_SANITIZED
    std::cout << "  not compared under the sanitizer" << std::endl;
    return true;
#else
    if (endKb <= baselineKb_ * (1 + kGrowthAllowed))
        return true;
    failure_ = QStringLiteral("resident memory grew from %1 kB after %2 inputs to %3 kB")
                   .arg(baselineKb_)
                   .arg(baselineAt_)
                   .arg(endKb);
    return false;
#endif
}

bool SoakSession::finish() {
    lastNotes_.clear();
    if (!memoryKept())
        return false;
    if (!tidyUp())
        return false;
    if (const QString wrong = target_.finalCheck(*this); !wrong.isEmpty()) {
        failure_ = wrong;
        return false;
    }
    if (!checkLog())
        return false;
    if (!target_.quit(*this) || !program_->waitForExit(kExitTimeoutMs)) {
        failure_ = QStringLiteral("the program did not close through its own way out");
        return false;
    }
    if (!program_->exitedCleanly()) {
        failure_ = QStringLiteral("the program closed with ") + program_->exitDescription();
        return false;
    }
    if (QFileInfo::exists(program_->programFolder())) {
        failure_ = QStringLiteral("the runtime folder %1 is still there after the program closed")
                       .arg(program_->programFolder());
        return false;
    }
    return checkLog();
}
