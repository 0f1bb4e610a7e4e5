#include "ControlArt.h"

#include "Paint.h"
#include "Sizes.h"
#include "TitleArt.h"

#include <algorithm>
#include <vector>

namespace art {
namespace {

// How far a disabled control fades towards the form colour.
constexpr double kDisabledFade = 0.55;
// The largest corner radius a small control (check box, thumb, tab) takes from its style.
constexpr int kSmallRadius = 3;
// Progress pictures this wide or wider are striped; narrower ones (but 1) are a chunk and a gap.
constexpr int kStripedProgressWidth = 8;

const Face& FaceOf(const Look& look, State state) {
    return look.button[static_cast<int>(state)];
}

Face Faded(const Face& face, const QColor& form) {
    const auto fade = [&form](const QColor& c) { return Mix(c, form, kDisabledFade); };
    return {{fade(face.fill.top), fade(face.fill.upper), fade(face.fill.lower),
             fade(face.fill.bottom), face.fill.split},
            fade(face.border),
            fade(face.glyph)};
}

int SmallRadius(const Look& look) {
    return std::min(look.buttonRadius, kSmallRadius);
}

QImage ButtonFrame(const Look& look, QSize size, State state) {
    QImage frame = NewImage(size, look.form);
    PaintFace(frame, QRect(QPoint(0, 0), size), look.buttonShape, look.buttonRadius,
              FaceOf(look, state), look.buttonKeyed);
    return frame;
}

// The box of a check frame: square, centred, as large as the frame allows.
QRect MarkBox(QSize frame) {
    const int side = std::min(frame.width(), frame.height());
    return QRect((frame.width() - side) / 2, (frame.height() - side) / 2, side, side);
}

QImage CheckFrames(const Look& look, QSize size, Shape shape, Glyph mark) {
    const QSize frameSize(size.width() / kCheckFrames, size.height());
    const QRect box = MarkBox(frameSize);
    const Face enabled{{look.field, look.field, look.field, Mix(look.field, look.frame, 0.25)},
                       look.frame,
                       look.accentDark};
    const Face disabled = Faded(enabled, look.form);
    const int inset = std::max(2, box.width() / 4);
    std::vector<QImage> frames;
    for (const Face* face : {&enabled, &enabled, &disabled, &disabled}) {
        const bool checked = frames.size() % 2 == 1;
        QImage frame = NewImage(frameSize, look.form);
        PaintFace(frame, box, shape, SmallRadius(look), *face, false);
        if (checked)
            PaintGlyph(frame, mark, box.adjusted(inset, inset, -inset, -inset), face->glyph);
        frames.push_back(frame);
    }
    return JoinFrames(frames);
}

QImage ArrowFrames(const Look& look, QSize size, int count, const std::vector<State>& states,
                   const std::vector<Glyph>& arrows) {
    const QSize frameSize(size.width() / count, size.height());
    const int side = std::min(frameSize.width(), frameSize.height());
    const int arrow = std::max(4, side * 2 / 5);
    std::vector<QImage> frames;
    for (Glyph glyph : arrows)
        for (State state : states) {
            QImage frame = NewImage(frameSize, look.form);
            PaintFace(frame, QRect(QPoint(0, 0), frameSize), look.buttonShape, SmallRadius(look),
                      FaceOf(look, state), false);
            const int shift = state == State::Pressed ? 1 : 0;
            const QRect box((frameSize.width() - arrow) / 2 + shift,
                            (frameSize.height() - arrow) / 2 + shift, arrow, arrow);
            PaintGlyph(frame, glyph, box, look.accentDark);
            frames.push_back(frame);
        }
    return JoinFrames(frames);
}

// A slider: a body with a pointed tip, the fill running along `span`.
QImage Pointer(const Look& look, QSize size, bool pointsDown) {
    QImage image = NewImage(size, look.form);
    const double w = size.width() - 1, h = size.height() - 1;
    QPainterPath edge;
    if (pointsDown) {
        const double shoulder = h - w / 2;
        edge.moveTo(0.5, 0.5);
        edge.lineTo(w - 0.5, 0.5);
        edge.lineTo(w - 0.5, shoulder);
        edge.lineTo(w / 2, h - 0.5);
        edge.lineTo(0.5, shoulder);
    } else {
        const double shoulder = w - h / 2;
        edge.moveTo(0.5, 0.5);
        edge.lineTo(shoulder, 0.5);
        edge.lineTo(w - 0.5, h / 2);
        edge.lineTo(shoulder, h - 0.5);
        edge.lineTo(0.5, h - 0.5);
    }
    edge.closeSubpath();
    PaintPathFace(image, edge, QRectF(QPointF(0, 0), QSizeF(size)), FaceOf(look, State::Normal),
                  true);
    return image;
}

} // namespace

QImage PaintButtons(const Look& look, QSize size) {
    const QSize frame(size.width() / kButtonFrames, size.height());
    return JoinFrames({ButtonFrame(look, frame, State::Normal),
                       ButtonFrame(look, frame, State::MouseOn),
                       ButtonFrame(look, frame, State::Pressed)});
}

QImage PaintCheckBoxes(const Look& look, QSize size) {
    return CheckFrames(look, size,
                       look.buttonShape == Shape::Square ? Shape::Square : Shape::Rounded,
                       Glyph::Check);
}

QImage PaintRadioButtons(const Look& look, QSize size) {
    return CheckFrames(look, size, Shape::Circle, Glyph::Dot);
}

QImage PaintCheckList(const Look& look, QSize size) {
    return CheckFrames(look, size, Shape::Square, Glyph::Check);
}

QImage PaintProgressBar(const Look& look, QSize size) {
    const Fill bar{look.accent.lighter(140), look.accent, look.accentDark, look.accent, 0.5};
    const int width = size.width();
    const int chunk = width * 2 / 3;
    QImage image = NewImage(size, look.field);
    for (int y = 0; y < size.height(); ++y) {
        const QColor row = FillAt(bar, static_cast<double>(y) / (size.height() - 1));
        for (int x = 0; x < width; ++x) {
            QColor colour = row;
            if (width > 1 && width < kStripedProgressWidth && x >= chunk)
                colour = look.field;
            else if (width >= kStripedProgressWidth && (x + y) % width >= width / 2)
                colour = row.lighter(135);
            image.setPixelColor(x, y, colour);
        }
    }
    return image;
}

QImage PaintTrackBarBar(const Look& look, QSize size) {
    QImage image = NewImage(size, look.form);
    const Face groove{
        {look.frame.lighter(130), look.field, look.field, look.field, 0.0}, look.frame, look.frame};
    PaintFace(image, QRect(QPoint(0, 0), size), Shape::Rounded, size.height() / 2, groove, false);
    return image;
}

QImage PaintTrackBarSlider(const Look& look, QSize size) {
    return Pointer(look, size, true);
}

QImage PaintTrackBarSliderV(const Look& look, QSize size) {
    return Pointer(look, size, false);
}

QImage PaintScrollBarButtons(const Look& look, QSize size) {
    return ArrowFrames(look, size, kScrollBarButtonFrames,
                       {State::Normal, State::MouseOn, State::Pressed},
                       {Glyph::ArrowUp, Glyph::ArrowDown});
}

QImage PaintScrollBarThumb(const Look& look, QSize size) {
    QImage image = NewImage(size, look.form);
    PaintFace(image, QRect(QPoint(0, 0), size), Shape::Rounded, SmallRadius(look) + 1,
              FaceOf(look, State::MouseOn), true);
    return image;
}

QImage PaintScrollButtons(const Look& look, QSize size) {
    return ArrowFrames(look, size, kScrollButtonFrames, {State::Normal, State::Pressed},
                       {Glyph::ArrowLeft, Glyph::ArrowRight});
}

QImage PaintTab(const Look& look, QSize size) {
    QImage image = NewImage(size, look.form);
    const double r = SmallRadius(look) + 1, w = size.width() - 0.5;
    QPainterPath edge; // rounded at the top, open at the bottom where the tab meets its page
    edge.moveTo(0.5, size.height());
    edge.lineTo(0.5, 0.5 + r);
    edge.quadTo(0.5, 0.5, 0.5 + r, 0.5);
    edge.lineTo(w - r, 0.5);
    edge.quadTo(w, 0.5, w, 0.5 + r);
    edge.lineTo(w, size.height());
    PaintPathFace(image, edge, QRectF(QPointF(0, 0), QSizeF(size)), FaceOf(look, State::Normal),
                  true);
    return image;
}

QImage PaintTabLine(const Look& look, QSize size) {
    QImage image = NewImage(size, look.form);
    for (int y = 0; y < size.height(); ++y) {
        const QColor row = y == 0 ? look.frame
                                  : Mix(look.accent.lighter(150), look.form,
                                        static_cast<double>(y) / size.height());
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, row);
    }
    return image;
}

QImage PaintSideChannelHandle(const Look& look, QSize size) {
    QImage image = NewImage(size, look.form);
    const QRect body(QPoint(0, 0), size);
    PaintFace(image, body, Shape::Rounded, SmallRadius(look), FaceOf(look, State::Normal), true);
    const int arrow = size.width() - 4;
    PaintGlyph(image, Glyph::ArrowRight, QRect(2, 4, arrow, arrow), look.accentDark);
    // A grip of dots down the middle, where the hand takes the handle.
    for (int y = size.height() / 2 - 8; y <= size.height() / 2 + 8; y += 4)
        PaintGlyph(image, Glyph::Dot, QRect(size.width() / 2 - 1, y, 2, 2), look.frame);
    return image;
}

QImage PaintSideChannelBar(const Look& look, QSize size) {
    QImage image = NewImage(size, Qt::black);
    for (int y = 0; y < size.height(); ++y)
        image.setPixelColor(0, y, TitleRow(look, y, size.height()));
    return image;
}

} // namespace art
