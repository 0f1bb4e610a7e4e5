#include "TitleArt.h"

#include "Paint.h"
#include "Sizes.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace art {
namespace {

// The sheen is strongest in the upper half, where glass catches the light.
constexpr double kLowerSheen = 0.35;
// Sheen levels across the left picture: with one colour per row and level, 33 rows stay
// within 256 colours.
constexpr double kSheenSteps = 6.0;
constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

struct ButtonKind {
    Glyph glyph;
    Family family;
};

// The strip's order: frames 1-3 control box, 4-6 help, 7-9 maximise, 10-12 restore,
// 13-15 minimise, 16-18 close.
constexpr std::array<ButtonKind, 6> kButtonKinds{{
    {Glyph::Menu, Family::Plain},
    {Glyph::Help, Family::Plain},
    {Glyph::Maximise, Family::Maximise},
    {Glyph::Restore, Family::Maximise},
    {Glyph::Minimise, Family::Minimise},
    {Glyph::Close, Family::Close},
}};

int TitleHeight(const Look& look) {
    return SizeOf(look.style, Role::TitleLeft).height();
}

// weight(x, y) gives how much sheen pixel (x, y) of a picture gets.
QImage PaintTitle(const Look& look, QSize size, const std::function<double(int, int)>& weight) {
    QImage image = NewImage(size, Qt::black);
    const int height = size.height();
    for (int y = 0; y < height; ++y) {
        const QColor row = TitleRow(look, y, height);
        const double profile = y < height / 2 ? 1.0 : kLowerSheen;
        for (int x = 0; x < size.width(); ++x) {
            const double t = look.sheen.alphaF() * profile * weight(x, y);
            image.setPixelColor(x, y, Mix(row, look.sheen, std::clamp(t, 0.0, 1.0)));
        }
    }
    return image;
}

int GlyphSize(int frame) {
    const int size = (frame - 1) / 2;
    return size % 2 == 0 ? size - 1 : size; // odd, so a cross has a centre pixel
}

QImage PaintTitleButton(const Look& look, int side, const ButtonKind& kind, State state) {
    const int top = look.titleButtonTop;
    const int barHeight = TitleHeight(look);
    QImage frame = NewImage(QSize(side, side), Qt::black);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            frame.setPixelColor(x, y, TitleRow(look, std::min(top + y, barHeight - 1), barHeight));

    const Face& face = look.titleButtons[static_cast<int>(kind.family)][static_cast<int>(state)];
    // One pixel of backdrop all round: the bottom-left pixel is the key of a transparent
    // button, and neighbouring buttons stay apart.
    const QRect body(1, 1, side - 2, side - 2);
    PaintFace(frame, body, look.titleButtonShape, side / 4, face, look.titleButtonKeyed);

    const int glyph = GlyphSize(side);
    const int shift = state == State::Pressed ? 1 : 0;
    const int origin = (side - glyph) / 2 + shift;
    PaintGlyph(frame, kind.glyph, QRect(origin, origin, glyph, glyph), face.glyph);
    return frame;
}

} // namespace

QColor TitleRow(const Look& look, int y, int height) {
    if (y == 0)
        return look.titleTopLine;
    if (y == height - 1)
        return look.titleEdge;
    return FillAt(look.title, static_cast<double>(y - 1) / (height - 3));
}

QImage PaintTitleLeft(const Look& look, QSize size) {
    const int last = size.width() - 1;
    return PaintTitle(look, size, [last](int x, int y) {
        const double fade = 1.0 - static_cast<double>(x) / last; // 0 in the joining column
        // In steps, so that the picture keeps to 256 colours and can be stored at 8 bits;
        // ordered dithering between neighbouring steps keeps the fade smooth.
        const double level = fade * fade * kSheenSteps;
        const double threshold = (kBayer[y % 4][x % 4] + 0.5) / 16.0;
        return (std::floor(level) + (level - std::floor(level) > threshold ? 1 : 0)) / kSheenSteps;
    });
}

QImage PaintTitlePlain(const Look& look, QSize size) {
    return PaintTitle(look, size, [](int, int) { return 0.0; });
}

QImage PaintTitleButtons(const Look& look, QSize size) {
    const int side = size.height();
    std::vector<QImage> frames;
    for (const ButtonKind& kind : kButtonKinds)
        for (int state = 0; state < kStateCount; ++state)
            frames.push_back(PaintTitleButton(look, side, kind, static_cast<State>(state)));
    QImage strip = JoinFrames(frames);
    Q_ASSERT(strip.size() == size && static_cast<int>(frames.size()) == kTitleButtonFrames);
    return strip;
}

} // namespace art
