// Drawing and system helpers every skinned component shares: strip frames, corner-kept
// stretching, the parent's background under a control, control and menu-window frames, and a
// few geometry, form and font helpers.
#pragma once

#include "framework/core/Messages.h"
#include "framework/core/Types.h"

// Names the skin units share, each in one place.
namespace SkinNames {
inline constexpr char kClassPrefix[] = "Tsui"; // exact case
inline constexpr char kSkinFormClass[] = "TsuiForm";
inline constexpr char kUIStyleProperty[] = "UIStyle";
inline constexpr char kFileThemeProperty[] = "FileTheme";
// The MacOS menu pictures: the bar behind a menu bar and a menu's selection.
inline constexpr char kMacMenuBarPicture[] = "MACOS_MENU_BAR";
inline constexpr char kMacMenuSelectPicture[] = "MACOS_MENU_SELECT";
} // namespace SkinNames

// The skin's sizes in pixels, grouped by the unit that draws with them, each in one place.
namespace SkinMetrics {
namespace Button {
// A new TsuiButton's size.
inline constexpr int kWidth = 80;
inline constexpr int kHeight = 27;
// The blank picture that stands in for a strip or frame that cannot be loaded.
inline constexpr int kBlankPictureWidth = 74;
inline constexpr int kBlankPictureHeight = 21;
} // namespace Button

namespace Edit {
// The border colour's ring and, inside it, a ring in the edit's own colour.
inline constexpr int kFrameMargin = 2;
} // namespace Edit

namespace Form {
// The host's size limits while the frame runs it.
inline constexpr int kHostMinWidth = 125;
inline constexpr int kHostMinHeight = 50;
// How deep the resize bands along a sizeable skinned window's edges are.
inline constexpr int kResizeBand = 5;
// An MDI child's frame stops this far short of the right and bottom edges, and its left border
// stops this far above the bottom.
inline constexpr int kMdiInset = 3;
inline constexpr int kMdiLeftBorderGap = 2;
} // namespace Form

namespace MenuBar {
// A new frame's menu bar height.
inline constexpr int kHeight = 22;
// A pressed button's box ends this far left of the button's right edge, and its caption starts
// this far right; every caption's box starts this far down.
inline constexpr int kPressedRightCut = 2;
inline constexpr int kPressedCaptionShift = 2;
inline constexpr int kCaptionDrop = 2;
// The MacOS caption is centred in a box this much taller than the button, which sets it a
// pixel lower than true centre.
inline constexpr int kMacCaptionExtraHeight = 2;
} // namespace MenuBar

namespace Menu {
// The picture bar down the left of a skinned menu.
inline constexpr int kBarWidth = 26;
// Item and separator heights; MacOS has its own.
inline constexpr int kItemHeight = 21;
inline constexpr int kMacItemHeight = 20;
inline constexpr int kSeparatorHeight = 5;
inline constexpr int kMacSeparatorHeight = 12;
// An item's width beyond its caption, shortcut text and the bar.
inline constexpr int kWidthRoom = 40;
// Caption and shortcut text from the item's top, the caption also from the bar.
inline constexpr int kTextInset = 4;
// From the item's right edge to the shortcut text's end.
inline constexpr int kShortCutRightGap = 16;
// A checked item's box and where an item's picture goes, relative to the item's top-left.
inline constexpr TRect kCheckBoxFrame{2, 1, 21, 20};
inline constexpr TPoint kImageAt{4, 3};
// The separator line: where it starts past the bar, where it stops short of the right edge,
// and its row below the separator's top.
inline constexpr int kSeparatorLeftGap = 4;
inline constexpr int kSeparatorRightGap = 2;
inline constexpr int kSeparatorRow = 2;
// The band DrawMenuWindowBorder paints along each edge of a menu window: on the left the outer
// frame and the white ring; on the other three sides the shadow line outside them as well.
inline constexpr TEdges kWindowBorder{2, 3, 3, 3};
} // namespace Menu

namespace TitleBar {
// The left end: the program icon sits 3 pixels into the control box's place and the caption
// follows 21 pixels after; a control box picture is followed by a 5-pixel gap; without anything
// at the left the caption starts 6 pixels in.
inline constexpr int kAppIconInset = 3;
inline constexpr int kAppIconSize = 16;
inline constexpr int kAppIconAdvance = 21;
inline constexpr int kControlBoxGap = 5;
inline constexpr int kBareCaptionLeft = 6;
// The corner outline reaches well below the bar so that only its top arcs fall inside.
inline constexpr int kOutlineOverhang = 50;
} // namespace TitleBar
} // namespace SkinMetrics

class TBitmap;
class TCanvas;
class TControl;
class TCustomForm;
class TFont;
class TWinControl;

// Frame `frameIndex` (counted from 1) of `frameCount` equal-width frames laid side by side in
// `strip` goes into `target`. The frame width is the strip's width / frameCount, truncated, so
// columns left over at the right are never part of a frame. A frame that does not exist
// (frameCount below 1, index outside 1..frameCount) empties `target`. `strip` may be `target`.
void CutStripFrame(const TBitmap& strip, TBitmap& target, int frameCount, int frameIndex);

// Draws `source` over `rect` (which starts at (0, 0)) in nine pieces: the four corners unscaled,
// the edges and the middle stretched. Fuchsia pixels of edges and middle are always left out;
// those of the corners only when `transparent`.
void DrawCornerStretched(const TBitmap& source, TCanvas& canvas, const TRect& rect,
                         bool transparent);

// Paints what the control's parent shows under the control into `canvas`, whose origin is the
// control's top-left corner: the parent's own face and its graphic controls (never its windowed
// ones, this control among them), clipped to the parent's client area. Nothing without a parent.
void DrawParentBackground(TCanvas& canvas, const TWinControl& control);

// Frames the control's whole window one pixel wide in `borderColor` and, when `drawInner`, the
// ring just inside in `innerColor`. `windowCanvas` draws on the control's window with (0, 0) at
// its top-left, so the call belongs at the end of the window's paint, after the control drew.
// The canvas's brush is left as it was.
void DrawControlBorder(const TControl& control, TCanvas& windowCanvas, TColor borderColor,
                       TColor innerColor, bool drawInner);

// The resize bands a part of a skinned window answers for: all four edges (the frame) or only
// the top one (the title bar, which covers it).
enum class TResizeBands { AllEdges, TopEdge };

// How a part of a skinned form answers a hit test, `answer` being the part's own. A maximised
// form keeps it; an MDI frame lets its client area through to the windows below; a form
// designed sizeable (`designBorderStyle`) answers the band `clientPoint` (in the part's client
// coordinates, against the form's client size) is on, corners first.
LRESULT ResizeBandHitTest(const TCustomForm& form, TFormBorderStyle designBorderStyle,
                          TPoint clientPoint, LRESULT answer, TResizeBands bands);

// All four edges count as inside: right and bottom are taken inclusively here.
bool PointInRectInclusive(TPoint point, const TRect& rect);

// Left, top, width (right - left) and height (bottom - top), in that order.
void SetFormBoundsRect(TCustomForm& form, const TRect& rect);
// Whether the form is to be drawn as the active window. Null stands for the main form.
bool IsFormActive(const TCustomForm* form);
// The platform's menu font, in the system menu-text colour.
void AssignSystemMenuFont(TFont& font);

// The MacOS menu pictures: the top rows of MACOS_MENU_BAR or MACOS_MENU_SELECT stretched over
// `rect`. Raise EResourceError when the picture is missing.
void DrawMacMenuBar(TCanvas& canvas, const TRect& rect);
void DrawMacMenuBarItem(TCanvas& canvas, const TRect& rect);
void DrawMacMenuSelect(TCanvas& canvas, const TRect& rect);

// Set the brush to a solid `color` and frame or fill the rectangle.
void FrameRectColor(TCanvas& canvas, const TRect& rect, TColor color);
void FillRectColor(TCanvas& canvas, const TRect& rect, TColor color);
// A menu separator: a line in `color` on row rect.Top + 2, from rect.Left + indent + 4 up to,
// not including, rect.Right - 2. Leaves the pen in that colour.
void DrawSeparatorLine(TCanvas& canvas, const TRect& rect, TColor color, int indent);

// The flat frame of a skinned menu's window, drawn on `windowCanvas` over `windowRect` (the
// window's rectangle in the canvas's coordinates, (0, 0, width, height) for a canvas on the
// menu's own window): an outer frame, a white ring inside it and a shadow line along the bottom,
// right and top edges. The canvas's pen and brush are left as they were.
void DrawMenuWindowBorder(TCanvas& windowCanvas, const TRect& windowRect, TColor outerColor,
                          TColor shadowColor);
