// The palette and shapes of one built-in style or theme, as the skin artwork paints it.
#pragma once

#include <QColor>
#include <array>

namespace art {

// The built-in styles, numbered as the program's style enumeration numbers them.
enum class Style : int { MacOS = 1, WinXP = 2, DeepBlue = 3, Protein = 4, BlueGlass = 5 };
inline constexpr int kStyleCount = 5;

enum class Shape : int { Square = 0, Rounded = 1, Circle = 2 };

// A top-to-bottom fill. With a split, the upper part runs top..upper and the lower part
// lower..bottom, which gives glass its hard gloss line; without one it is top..bottom.
struct Fill {
    QColor top;
    QColor upper;
    QColor lower;
    QColor bottom;
    double split = 0.0; // 0 < split < 1: fraction of the height where the gloss line sits
};

// How a face looks in one state; a glyph colour with alpha below 255 is drawn faintly.
struct Face {
    Fill fill;
    QColor border;
    QColor glyph;
    QColor ring = {}; // a glow just inside the border; invalid for none
};

// Normal, mouse on, pressed: the order of the frames in every state strip.
enum class State : int { Normal = 0, MouseOn = 1, Pressed = 2 };
inline constexpr int kStateCount = 3;
using Faces = std::array<Face, kStateCount>;

// Title-button families that can be coloured apart (the traffic lights of MacOS).
enum class Family : int { Plain = 0, Minimise = 1, Maximise = 2, Close = 3 };
inline constexpr int kFamilyCount = 4;

struct Look {
    Style style;         // a theme's: the built-in style whose picture sizes it takes
    const char* prefix;  // resource name prefix, "BLUEGLASS"
    QColor form;         // the form colour behind buttons and controls
    Fill title;          // title bar rows, top to bottom
    QColor titleTopLine; // the first row under the window's outline
    QColor titleEdge;    // the last row
    QColor sheen;        // light laid over the end pictures; alpha is its strength
    // The bar's metrics as the style gives them: button top, left and right button offsets,
    // and the caption colour the bar sets.
    int titleButtonTop;
    int titleLeftOffset;
    int titleRightOffset;
    QColor caption;
    Shape titleButtonShape;
    bool titleButtonKeyed; // transparent title buttons: fuchsia outside the shape
    std::array<Faces, kFamilyCount> titleButtons;
    Shape buttonShape;
    int buttonRadius;
    bool buttonKeyed; // transparent push buttons: fuchsia in the corners the shape leaves
    Faces button;
    QColor accent;     // check marks, progress, selection
    QColor accentDark; // their shade
    QColor field;      // the inside of check boxes, grooves and tracks
    QColor frame;      // the outline of small controls
};

// Asserts that the style is one of the five built-in ones.
const Look& LookOf(Style style);
const std::array<Style, kStyleCount>& AllStyles();
// The look of the jade theme, shipped as a theme file rather than built in.
const Look& JadeLook();

} // namespace art
