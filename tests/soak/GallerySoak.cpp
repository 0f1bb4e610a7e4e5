// The soak of the skin gallery: its buttons and edit, its Style and Help menus, the style
// switches and the theme file chooser, its title bar and system menu. Its File menu (whose only
// item is Exit) and its close and control boxes are never touched.
#include "Soak.h"

#include <QDeadlineTimer>
#include <QThread>
#include <map>

#ifndef DUANXIN_GALLERY
#error "DUANXIN_GALLERY must name the skin gallery program"
#endif

namespace {

const QString kCaption = QStringLiteral("duanxin skin gallery - %1");
const QString kBoxCaption = QStringLiteral("duanxin skin gallery");
const QString kErrorCaption = QStringLiteral("Error");
const QRect kHome(200, 150, 400, 210);
constexpr int kMenuBarHeight = 22;
constexpr int kMenuItemHeight = 21;
// The looks the Style menu lists first, each with its shortcut Ctrl+1 on: the five built-in
// styles and the shipped theme.
constexpr int kStyleCount = 6;
const char* const kStyles[kStyleCount] = {"MacOS",   "WinXP",     "DeepBlue",
                                          "Protein", "BlueGlass", "Jade"};
// Each style's title bar height; the menu bar lies under it.
const std::map<QString, int> kTitleHeights{
    {QStringLiteral("MacOS"), 23},     {QStringLiteral("WinXP"), 29},
    {QStringLiteral("DeepBlue"), 32},  {QStringLiteral("Protein"), 23},
    {QStringLiteral("BlueGlass"), 33}, {QStringLiteral("Jade"), 33}};
constexpr int kTallestTitle = 33;
// Window coordinates; the skinned frame sits at (1, 0) in the window.
const QRect kNormalButton(1 + 16, 72, 80, 26);
const QRect kEdit(1 + 16, 116, 360, 21);
const int kStyleButtonX = 1 + 52;
const int kHelpButtonX = 1 + 94;
// The control box (a double click closes) and the title buttons (close among them) in every
// style, with a margin.
const QRect kControlBox(0, 0, 40, kTallestTitle + 3);
const QRect kTitleButtons(322, 0, 78, kTallestTitle + 3);

const std::vector<Zone> kContentZones{
    {"Normal", kNormalButton, 6},
    {"Disabled", QRect(1 + 104, 72, 80, 26), 3},
    {"Default", QRect(1 + 192, 72, 80, 26), 4},
    {"Glyph", QRect(1 + 280, 72, 96, 26), 4},
    {"edit", kEdit, 6},
    {"hint", QRect(1 + 16, 152, 360, 13), 2},
    {"anywhere", QRect(0, 60, 400, 150), 4},
};

QString StyleOf(const QString& windowName) {
    return windowName.startsWith(kCaption.arg(QString()))
               ? windowName.mid(kCaption.arg(QString()).size())
               : QString();
}

int TitleHeight(const QString& windowName) {
    const auto found = kTitleHeights.find(StyleOf(windowName));
    return found == kTitleHeights.end() ? kTallestTitle : found->second;
}

class GallerySoak : public SoakTarget {
public:
    QString name() const override { return QStringLiteral("gallery"); }
    QString program() const override { return QStringLiteral(DUANXIN_GALLERY); }
    QString startTitle() const override { return kCaption.arg(QStringLiteral("BlueGlass")); }
    QRect home() const override { return kHome; }

    void addInput(Rng& rng, InputBatch& batch, const QString& windowName) override {
        const int title = TitleHeight(windowName);
        const QRect menuRow(0, title, kHome.width(), kMenuBarHeight);
        const std::vector<QRect> forbidden{kControlBox, kTitleButtons, menuRow};
        const QRect titleBar(0, 0, kHome.width(), title);
        const int kind = rng.between(1, 100);
        if (kind <= 30)
            addClick(rng, batch, forbidden);
        else if (kind <= 36)
            addClick(rng, batch, forbidden, titleBar);
        else if (kind <= 43)
            AddDrag(rng, batch, rng.chance(50) ? titleBar : PickZone(rng, kContentZones).area,
                    forbidden);
        else if (kind <= 50)
            AddWheel(rng, batch, QRect(0, 0, kHome.width(), kHome.height()), forbidden);
        else if (kind <= 70)
            addKey(rng, batch);
        else if (kind <= 85)
            addMenu(rng, batch, title);
        else if (kind <= 95)
            addTyping(rng, batch);
        else
            AddSystemMenu(rng, batch, windowManager_);
    }

    bool isMessageBox(const QString& caption) const override {
        return caption == kBoxCaption || caption == kErrorCaption;
    }

    // Help, About; its theme file errors need a file picked, which the soak never does.
    int ownMessages() const override { return 1; }
    void showOwnMessage(int, InputBatch& batch) override { batch.keys({QStringLiteral("F1")}); }

    // Every style still switches the whole window, and a button still answers.
    QString finalCheck(SoakSession& session) override {
        X11Desktop& desktop = session.desktop();
        desktop.focus(session.window());
        const QString now = StyleOf(session.windowName());
        for (int i = 0; i < kStyleCount; ++i) {
            const QString style = QLatin1String(kStyles[i]);
            if (style == now)
                continue;
            desktop.keys({QStringLiteral("ctrl+%1").arg(i + 1)});
            if (!waitForName(session, kCaption.arg(style)))
                return QStringLiteral("Ctrl+%1 did not switch to %2 at the end")
                    .arg(i + 1)
                    .arg(style);
        }
        desktop.click(session.window(), kNormalButton.center());
        session.settle();
        desktop.click(session.window(), kEdit.center());
        desktop.keys({QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c")});
        session.settle();
        const QString text = desktop.clipboardText().value_or(QString());
        if (text != QLatin1String("Clicked: Normal"))
            return QStringLiteral("the Normal button at the end: the edit says \"%1\"").arg(text);
        return {};
    }

    // File, Exit by its shortcut.
    bool quit(SoakSession& session) override {
        return session.desktop().focus(session.window()) &&
               session.desktop().keys({QStringLiteral("ctrl+q")});
    }

private:
    void addClick(Rng& rng, InputBatch& batch, const std::vector<QRect>& forbidden,
                  std::optional<QRect> area = std::nullopt) {
        const auto at =
            PointAvoiding(rng, area.value_or(PickZone(rng, kContentZones).area), forbidden);
        if (!at)
            return;
        if (rng.chance(15))
            batch.doubleClick(*at);
        else
            batch.click(*at, rng.chance(8) ? 3 : 1);
    }

    void addKey(Rng& rng, InputBatch& batch) {
        const int kind = rng.between(1, 100);
        if (kind <= 60) {
            const QStringList keys = HarmlessKeys();
            batch.keys({keys[rng.between(0, static_cast<int>(keys.size()) - 1)]});
        } else if (kind <= 75) {
            batch.keys({rng.chance(50) ? QStringLiteral("space") : QStringLiteral("Return")});
        } else if (kind <= 90) {
            batch.keys({QStringLiteral("ctrl+%1").arg(rng.between(1, kStyleCount))});
            batch.end();
        } else {
            // Help, About (F1) shows a box; Style, Theme file (Ctrl+O) the file chooser.
            batch.keys({rng.chance(50) ? QStringLiteral("F1") : QStringLiteral("ctrl+o")});
            batch.end();
        }
    }

    // The Style or the Help menu, dropped by a click, then an item, keys inside it or Escape.
    void addMenu(Rng& rng, InputBatch& batch, int title) {
        const bool style = rng.chance(70);
        batch.click({style ? kStyleButtonX : kHelpButtonX, title + kMenuBarHeight / 2});
        const int items = style ? kStyleCount : 2;
        switch (rng.between(0, 2)) {
        case 0:
            batch.clickInPopup({60, kMenuItemHeight * rng.between(0, items - 1) + 10});
            break;
        case 1: {
            QStringList keys;
            for (int steps = rng.between(1, items + 2); steps > 0; --steps)
                keys << (rng.chance(80) ? QStringLiteral("Down") : QStringLiteral("Up"));
            keys << QStringLiteral("Return");
            batch.keys(keys);
            break;
        }
        default:
            batch.keys({QStringLiteral("Escape")});
            break;
        }
        batch.end();
    }

    void addTyping(Rng& rng, InputBatch& batch) {
        batch.click(rng.pointIn(kEdit));
        if (rng.chance(50))
            batch.keys({QStringLiteral("ctrl+a")});
        batch.type(RandomText(rng, {}));
    }

    bool waitForName(SoakSession& session, const QString& name) const {
        QDeadlineTimer deadline(5000);
        while (session.windowName() != name) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(100);
        }
        return true;
    }
};

} // namespace

std::unique_ptr<SoakTarget> MakeGallerySoak() {
    return std::make_unique<GallerySoak>();
}
