// The soak of the program itself: its main window with the search controls, the festival
// labels, the list, the view, the buttons and links, and its title bar and system menu.
#include "LibraryRows.h"
#include "Soak.h"
#include "StandInBrowser.h"

#include "app/StatusTexts.h"
#include "app/library/WebLinks.h"

#include <iostream>

namespace {

const QString kTitle = QStringLiteral("短信查询 V1.0");
// Window coordinates; the skinned frame sits at (1, 0) in the window.
const QRect kHome(405, 172, 500, 453);
const QRect kWindow(0, 0, 500, 453);
const QRect kKeywordBox(1 + 78, 41, 235, 21);
const QRect kSearchButton(1 + 327, 39, 49, 25);
const QRect kCopyButton(1 + 438, 39, 51, 25);
const QRect kStatusLine(1 + 6, 424, 489, 19);
const QRect kTitleBar(0, 0, 500, 33);
const QRect kGridRows(1 + 18, 197, 476, 175);
// Never pressed: the title bar's close button and 退出, with a margin.
const QRect kCloseButton(474, 0, 26, 36);
const QRect kQuitButton(1 + 408 - 3, 389 - 3, 80 + 6, 27 + 6);
const std::vector<QRect> kForbidden{kCloseButton, kQuitButton};

const std::vector<Zone> kClickZones{
    {"title bar", kTitleBar, 5},
    {"keyword box", kKeywordBox, 8, false, true},
    {"搜索", kSearchButton, 6, true},
    {"刷新", QRect(1 + 383, 39, 51, 25), 5, true},
    {"复制", kCopyButton, 6, true},
    {"在线版本", QRect(1 + 232, 389, 80, 27), 2, true},
    {"软件升级", QRect(1 + 320, 389, 80, 27), 2, true},
    {"春节", QRect(1 + 96, 72, 26, 13), 2, true},
    {"元旦", QRect(1 + 144, 72, 26, 13), 2, true},
    {"圣诞", QRect(1 + 200, 72, 26, 13), 2, true},
    {"愚人", QRect(1 + 256, 72, 26, 13), 2, true},
    {"母亲", QRect(1 + 304, 72, 26, 13), 2, true},
    {"父亲", QRect(1 + 368, 72, 26, 13), 2, true},
    {"更多...", QRect(1 + 432, 72, 47, 13), 2, true},
    {"message view", QRect(1 + 5, 104, 489, 65), 5, false, true},
    {"grid rows", kGridRows, 12, false, true},
    {"grid header", QRect(1 + 5, 175, 489, 21), 4},
    {"indicator column", QRect(1 + 5, 197, 13, 175), 3},
    {"column edge", QRect(1 + 15, 175, 6, 21), 2},
    {"scroll bar", QRect(1 + 5, 373, 489, 16), 4},
    {"status line", kStatusLine, 4, false, true},
    {"anywhere", kWindow, 6, true},
};

const std::vector<Zone> kDragZones{
    {"title bar", kTitleBar, 3},
    {"grid rows", kGridRows, 3},
    {"grid header", QRect(1 + 5, 175, 489, 21), 2},
    {"column edge", QRect(1 + 15, 175, 6, 21), 2},
    {"keyword box", kKeywordBox, 1},
    {"scroll bar", QRect(1 + 5, 373, 489, 16), 1},
    {"message view", QRect(1 + 5, 104, 489, 65), 1},
};

bool MovesFocus(const QString& key) {
    return key.endsWith(QLatin1String("Tab"));
}

class ProgramSoak : public SoakTarget {
public:
    QString name() const override { return QStringLiteral("program"); }
    QString program() const override { return ProgramUnderTest::path(); }
    QString startTitle() const override { return kTitle; }
    QRect home() const override { return kHome; }
    std::optional<QRect> neverPressed() const override {
        return kQuitButton.adjusted(3, 3, -3, -3);
    }

    void prepare(SoakSession& session) override {
        browser_ = InstallStandInBrowser(session.workFile(QStringLiteral("browser")));
        session.program().prependToPath(browser_.bin);
        library_ = LibraryRows();
    }

    void addInput(Rng& rng, InputBatch& batch, const QString&) override {
        const int kind = rng.between(1, 100);
        if (kind <= 40)
            addClick(rng, batch, false);
        else if (kind <= 47)
            addClick(rng, batch, true);
        else if (kind <= 54)
            AddDrag(rng, batch, PickZone(rng, kDragZones).area, kForbidden);
        else if (kind <= 63)
            AddWheel(rng, batch, rng.chance(70) ? kGridRows : kWindow, kForbidden);
        else if (kind <= 83)
            addKey(rng, batch);
        else if (kind <= 87)
            addKeyboardSearch(rng, batch);
        else if (kind <= 96)
            addTyping(rng, batch);
        else
            addSystemMenu(rng, batch);
    }

    bool isMessageBox(const QString& caption) const override {
        return caption == StatusTexts::kApplicationTitle;
    }

    // 请选择一条短信再复制 (the view is empty at the start), 请输入搜索关键词 and 对不起没有找到.
    int ownMessages() const override { return 3; }
    void showOwnMessage(int index, InputBatch& batch) override {
        if (index > 0) {
            batch.click(kKeywordBox.center());
            batch.keys(index == 1
                           ? QStringList{QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")}
                           : QString(QStringLiteral("ctrl+a q x z j q x z j")).split(' '));
        }
        batch.click((index == 0 ? kCopyButton : kSearchButton).center());
    }

    void focusUncertain() override { focusSafe_ = false; }

    QString finalCheck(SoakSession& session) override {
        if (const QString wrong = searchStillWorks(session); !wrong.isEmpty())
            return wrong;
        return browserCalls();
    }

    bool quit(SoakSession& session) override {
        const QRect quit = kQuitButton.adjusted(3, 3, -3, -3);
        return session.desktop().focus(session.window()) &&
               session.desktop().click(session.window(), quit.center());
    }

private:
    void addClick(Rng& rng, InputBatch& batch, bool twice) {
        const Zone& zone = PickZone(rng, kClickZones);
        const auto at = PointAvoiding(rng, zone.area, kForbidden);
        const int button = rng.chance(8) ? 3 : 1;
        if (!at)
            return;
        if (twice)
            batch.doubleClick(*at);
        else
            batch.click(*at, button);
        if (zone.focusesSafely)
            focusSafe_ = true;
        // A right click may open a context menu; it is closed before the next inputs.
        if (zone.mayOpenBox || button == 3)
            batch.end();
    }

    // Space and Enter mostly where the focus is known to be away from 退出.
    void addKey(Rng& rng, InputBatch& batch) {
        // Where the focus is unknown the button never to be pressed is looked at first.
        if (rng.chance(focusSafe_ ? 25 : 10)) {
            batch.press({rng.chance(50) ? QStringLiteral("space") : QStringLiteral("Return")});
            return;
        }
        const QStringList keys = HarmlessKeys();
        const QString key = keys[rng.between(0, static_cast<int>(keys.size()) - 1)];
        if (MovesFocus(key))
            focusSafe_ = false;
        batch.keys({key});
    }

    // From the keyword box, Tab goes to 搜索, 刷新 and then the grid.
    void addKeyboardSearch(Rng& rng, InputBatch& batch) {
        batch.click(rng.pointIn(kKeywordBox));
        if (const int tabs = rng.between(0, 3); tabs > 0)
            batch.keys(QStringList(tabs, QStringLiteral("Tab")));
        batch.press({rng.chance(50) ? QStringLiteral("space") : QStringLiteral("Return")});
        focusSafe_ = true;
    }

    void addTyping(Rng& rng, InputBatch& batch) {
        batch.click(rng.pointIn(kKeywordBox));
        focusSafe_ = true;
        if (rng.chance(50))
            batch.keys({QStringLiteral("ctrl+a")});
        batch.type(RandomText(rng, library_));
    }

    void addSystemMenu(Rng& rng, InputBatch& batch) {
        AddSystemMenu(rng, batch, windowManager_);
        focusSafe_ = false;
    }

    // A search for 春节 gives its count in the status line.
    QString searchStillWorks(SoakSession& session) {
        const QString word = QStringLiteral("春节");
        int expected = 0;
        for (const QString& row : library_)
            expected += row.contains(word) ? 1 : 0;
        X11Desktop& desktop = session.desktop();
        const QString& window = session.window();
        desktop.focus(window);
        desktop.click(window, kKeywordBox.center());
        desktop.keys({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
        desktop.typeText(word);
        desktop.click(window, kSearchButton.center());
        session.settle();
        desktop.click(window, kStatusLine.center());
        desktop.keys({QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c")});
        session.settle();
        const QString status = desktop.clipboardText().value_or(QString());
        const QString wanted = StatusTexts::Search(word, expected);
        if (status != wanted)
            return QStringLiteral("a search for %1 at the end: the status line says \"%2\", not "
                                  "\"%3\"")
                .arg(word, status, wanted);
        return {};
    }

    QString browserCalls() const {
        const QStringList addresses = OpenedAddresses(browser_.record);
        const QStringList allowed{WebLinks::Address(WebLinks::kOnlineVersionPath),
                                  WebLinks::Address(WebLinks::kUpgradePath)};
        for (const QString& address : addresses)
            if (!allowed.contains(address))
                return QStringLiteral("the browser was asked for \"%1\"").arg(address);
        std::cout << "the browser was called " << addresses.size()
                  << " times, always with one of the program's addresses" << std::endl;
        return {};
    }

    StandInBrowser browser_;
    QStringList library_;
    bool focusSafe_ = false;
};

} // namespace

std::unique_ptr<SoakTarget> MakeProgramSoak() {
    return std::make_unique<ProgramSoak>();
}
