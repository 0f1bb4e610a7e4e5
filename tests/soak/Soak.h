// A monkey test: one of the real programs on a private X server, given many random but valid
// inputs from a fixed seed, then checked for still working. The parts shared by the program's
// and the gallery's soak: the random source, the inputs as xdotool runs them, the session that
// sends them and clears up after them, and what each target adds.
#pragma once

#include "ProgramUnderTest.h"
#include "WindowManagerSession.h"
#include "X11Desktop.h"
#include "XvfbSession.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <random>
#include <vector>

// SOAK_SEED (else the clock), SOAK_INPUTS (else the caller's default) and SOAK_WM ("openbox"
// runs the soak under a window manager).
struct SoakOptions {
    quint64 seed = 0;
    int inputs = 0;
    bool windowManager = false;

    static SoakOptions FromEnvironment(int defaultInputs);
};

class Rng {
public:
    explicit Rng(quint64 seed) : engine_(seed) {}
    // A number in [low, high].
    int between(int low, int high);
    bool chance(int percent) { return between(1, 100) <= percent; }
    QPoint pointIn(const QRect& area);
    template <typename T> const T& pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(between(0, static_cast<int>(items.size()) - 1))];
    }

private:
    std::mt19937_64 engine_;
};

// Inputs collected for one xdotool run; a note per input names it in failure messages.
class InputBatch {
public:
    explicit InputBatch(const QString& window);

    // Points are in window coordinates; drags may leave the window.
    void click(QPoint at, int button = 1);
    void doubleClick(QPoint at);
    void drag(QPoint from, QPoint to);
    void keys(const QStringList& combos);
    // Keys that press the control with the focus (Space, Enter): sent after the other inputs
    // only once the target's control that must never be pressed is seen without the focus.
    // Ends the batch.
    void press(const QStringList& combos);
    // xdotool types everything after its type command, so typing ends the batch.
    void type(const QString& text);
    // After this run, a click at `at` inside the popup the inputs opened (Escape if none did).
    void clickInPopup(QPoint at);
    // The inputs after this one must see its outcome: message boxes, a moved window.
    void end() { ended_ = true; }
    void note(const QString& what) { notes_ << what; }

    bool ended() const { return ended_; }
    int inputs() const { return static_cast<int>(notes_.size()); }
    const QStringList& arguments() const { return args_; }
    const QStringList& notes() const { return notes_; }
    std::optional<QPoint> popupClick() const { return popupClick_; }
    const QStringList& pressed() const { return pressed_; }

private:
    void pointerTo(QPoint at);

    QString window_;
    QStringList args_;
    QStringList notes_;
    std::optional<QPoint> popupClick_;
    QStringList pressed_;
    bool ended_ = false;
};

// A part of a window where the monkey points, in window coordinates.
struct Zone {
    const char* name;
    QRect area;
    int weight;
    // A click there may show a message box, which the next inputs must not close unread.
    bool mayOpenBox = false;
    // A click there gives the keyboard focus to a control where Space and Enter are harmless.
    bool focusesSafely = false;
};

const Zone& PickZone(Rng& rng, const std::vector<Zone>& zones);
// A point of the area outside every forbidden rectangle; none when a few tries all hit one.
std::optional<QPoint> PointAvoiding(Rng& rng, const QRect& area,
                                    const std::vector<QRect>& forbidden);
// A wheel turn, either way or sideways (buttons 4 to 7), somewhere in the area.
void AddWheel(Rng& rng, InputBatch& batch, const QRect& area, const std::vector<QRect>& forbidden);
// A drag from a point of `from` to a point near it, the release never on a forbidden place.
void AddDrag(Rng& rng, InputBatch& batch, const QRect& from, const std::vector<QRect>& forbidden);
// The system menu (Alt+Space), then one of its items other than Close or Escape. Nothing under
// a window manager: there Alt+Space opens the manager's own window menu, whose keyboard grab
// would take the next keys and whose Close a typed letter could choose.
void AddSystemMenu(Rng& rng, InputBatch& batch, bool windowManager);
// Keys that are harmless wherever the focus is: no Space, no Enter, nothing that could close.
QStringList HarmlessKeys();
// ASCII words, punctuation and Chinese, part of it cut from the given texts.
QString RandomText(Rng& rng, const QStringList& samples);

// A top-level window of the program other than its main window.
struct ExtraWindow {
    QString id;
    QString name;
    QRect geometry;
};

class SoakSession;

// What differs between the programs soaked.
class SoakTarget {
public:
    virtual ~SoakTarget() = default;
    virtual QString name() const = 0;
    virtual QString program() const = 0;
    virtual QString startTitle() const = 0;
    // The window's designed place on the screen and size.
    virtual QRect home() const = 0;
    // A point of the title bar away from its buttons, where a double click maximises and
    // restores the window.
    virtual QPoint titleBarMiddle() const { return {200, 10}; }
    // A button Space and Enter must never press, in window coordinates; it looks different
    // with the focus. None when every control may be pressed.
    virtual std::optional<QRect> neverPressed() const { return std::nullopt; }
    virtual void prepare(SoakSession&) {}
    // Adds one random input. state is the main window's last seen name.
    virtual void addInput(Rng& rng, InputBatch& batch, const QString& windowName) = 0;
    // True for the captions of message boxes, which are looked at before they are closed.
    virtual bool isMessageBox(const QString& caption) const = 0;
    // How many message boxes of its own the program has, and inputs that show the index-th
    // when the program has just started. The error box of an uncaught exception has the same
    // caption but an error icon: it looks like none of these.
    virtual int ownMessages() const = 0;
    virtual void showOwnMessage(int index, InputBatch& batch) = 0;
    // A box or popup was closed by the soak: what had the focus may have changed.
    virtual void focusUncertain() {}
    // Empty when the program still works as it should; else what is wrong.
    virtual QString finalCheck(SoakSession& session) = 0;
    // Closes the program the way its user does.
    virtual bool quit(SoakSession& session) = 0;

    void useWindowManager(bool on) { windowManager_ = on; }

protected:
    bool windowManager_ = false;
};

class SoakSession {
public:
    SoakSession(SoakTarget& target, SoakOptions options);
    // Runs the whole soak; the exit status for main().
    int run();

    X11Desktop& desktop() { return *desktop_; }
    ProgramUnderTest& program() { return *program_; }
    const QString& window() const { return window_; }
    QString workFile(const QString& name) const { return work_.filePath(name); }
    // Waits until the program has used no processor time for a moment.
    void settle() const;
    // Closes message boxes and popups and brings the window back to its place and size; false
    // (with the failure noted) on a box not of the program's own.
    bool tidyUp();
    std::optional<QRect> windowGeometry() const;
    QString windowName() const;

private:
    bool start();
    bool runInputs();
    bool execute(InputBatch& batch);
    void afterInputs(int done);
    std::vector<ExtraWindow> visibleWindows() const;
    bool closeExtraWindow(const ExtraWindow& window, bool again);
    void restore(const QStringList& xdotool);
    void noteInvisible(const ExtraWindow& window);
    bool learnOwnMessages();
    QImage areaPicture(const QRect& area);
    bool pressIsSafe();
    QImage picture(const ExtraWindow& window);
    bool checkBox(const ExtraWindow& box);
    bool checkLog();
    bool memoryKept();
    bool finish();
    void clickInPopup(QPoint at);
    long residentKb() const;
    int fail(const QString& why);

    SoakTarget& target_;
    SoakOptions options_;
    Rng rng_;
    QTemporaryDir work_;
    XvfbSession xvfb_;
    WindowManagerSession windowManager_;
    std::unique_ptr<X11Desktop> desktop_;
    std::unique_ptr<ProgramUnderTest> program_;
    QString window_;
    QString windowName_;
    int done_ = 0;
    QStringList lastNotes_;
    QString failure_;
    long baselineKb_ = 0;
    int baselineAt_ = 0;
    int boxes_ = 0;
    int popups_ = 0;
    int restores_ = 0;
    struct OwnMessage {
        QString caption;
        QImage picture;
    };
    std::vector<OwnMessage> ownMessages_;
    QImage unfocused_; // the button never pressed, as it looks without the focus
    int pressesHeld_ = 0;
    QStringList invisible_;
    QString invisibleFirstSeen_;
};

std::unique_ptr<SoakTarget> MakeProgramSoak();
std::unique_ptr<SoakTarget> MakeGallerySoak();
