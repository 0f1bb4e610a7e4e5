// The inputs both soaks share: zones, wheel turns, drags, the system menu, keys and text.
#include "Soak.h"

namespace {

constexpr int kTries = 20;
constexpr int kDragReachX = 200;
constexpr int kDragReachY = 150;
// The system menu's items, inside its popup: Minimize, Maximize/Restore, a line, Close.
const QPoint kMinimizeItem(40, 11);
const QPoint kMaximizeItem(40, 31);

bool Forbidden(QPoint at, const std::vector<QRect>& forbidden) {
    for (const QRect& area : forbidden)
        if (area.contains(at))
            return true;
    return false;
}

const QStringList kWords{
    QStringLiteral("hello"),      QStringLiteral("SMS 2024"),    QStringLiteral("it's 50% (ok)."),
    QStringLiteral("a_b%c"),      QStringLiteral("' OR 1=1 --"), QStringLiteral("\"quoted\""),
    QStringLiteral("[x]{y}<z>"),  QStringLiteral("~!@#$^&*"),    QStringLiteral("春节"),
    QStringLiteral("新年快乐"),   QStringLiteral("祝你"),        QStringLiteral("母亲节"),
    QStringLiteral("圣诞节快乐"), QStringLiteral("，。！？"),    QStringLiteral("xyz没有这个词qq"),
};

} // namespace

const Zone& PickZone(Rng& rng, const std::vector<Zone>& zones) {
    int total = 0;
    for (const Zone& zone : zones)
        total += zone.weight;
    int ticket = rng.between(1, total);
    for (const Zone& zone : zones) {
        ticket -= zone.weight;
        if (ticket <= 0)
            return zone;
    }
    return zones.back();
}

std::optional<QPoint> PointAvoiding(Rng& rng, const QRect& area,
                                    const std::vector<QRect>& forbidden) {
    for (int i = 0; i < kTries; ++i) {
        const QPoint at = rng.pointIn(area);
        if (!Forbidden(at, forbidden))
            return at;
    }
    return std::nullopt;
}

void AddWheel(Rng& rng, InputBatch& batch, const QRect& area, const std::vector<QRect>& forbidden) {
    if (const auto at = PointAvoiding(rng, area, forbidden))
        batch.click(*at, rng.between(4, 7));
}

void AddDrag(Rng& rng, InputBatch& batch, const QRect& from, const std::vector<QRect>& forbidden) {
    const auto start = PointAvoiding(rng, from, forbidden);
    if (!start)
        return;
    const QRect reach(*start - QPoint(kDragReachX, kDragReachY),
                      QSize(2 * kDragReachX, 2 * kDragReachY));
    batch.drag(*start, PointAvoiding(rng, reach, forbidden).value_or(*start));
}

void AddSystemMenu(Rng& rng, InputBatch& batch, bool windowManager) {
    const int item = rng.between(0, 4);
    if (windowManager)
        return;
    batch.keys({QStringLiteral("alt+space")});
    switch (item) {
    case 0:
        batch.keys({QStringLiteral("Escape")});
        break;
    case 1:
        batch.keys({QStringLiteral("n")});
        break;
    case 2:
        batch.keys({QStringLiteral("x")});
        break;
    case 3:
        batch.clickInPopup(kMinimizeItem);
        break;
    default:
        batch.clickInPopup(kMaximizeItem);
        break;
    }
    batch.end();
}

QStringList HarmlessKeys() {
    return {QStringLiteral("Tab"),       QStringLiteral("shift+Tab"), QStringLiteral("ctrl+Tab"),
            QStringLiteral("Escape"),    QStringLiteral("Up"),        QStringLiteral("Down"),
            QStringLiteral("Left"),      QStringLiteral("Right"),     QStringLiteral("Prior"),
            QStringLiteral("Next"),      QStringLiteral("Home"),      QStringLiteral("End"),
            QStringLiteral("ctrl+c"),    QStringLiteral("ctrl+v"),    QStringLiteral("ctrl+a"),
            QStringLiteral("BackSpace"), QStringLiteral("Delete")};
}

QString RandomText(Rng& rng, const QStringList& samples) {
    if (samples.isEmpty() || rng.chance(50))
        return kWords[rng.between(0, static_cast<int>(kWords.size()) - 1)];
    const QString& sample = samples[rng.between(0, static_cast<int>(samples.size()) - 1)];
    if (sample.isEmpty())
        return kWords.front();
    const int from = rng.between(0, static_cast<int>(sample.size()) - 1);
    return sample.mid(from, rng.between(1, 4)).trimmed().remove(QLatin1Char('\n'));
}
