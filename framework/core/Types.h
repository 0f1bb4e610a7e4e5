// Plain value types shared by the whole framework: colours, rectangles, alignment, cursors,
// mouse buttons and shift state, as the components and the skin layer use them.
#pragma once

#include <QFlags>
#include <QObject>
#include <QRect>
#include <cstdint>
#include <functional>

class TObject;

// 0x00BBGGRR for a fixed colour; top byte 0xFF names a system colour by its index.
using TColor = std::int32_t;

enum : TColor {
    clBlack = 0x000000,
    clMaroon = 0x000080,
    clGreen = 0x008000,
    clNavy = 0x800000,
    clGray = 0x808080,
    clSilver = 0xC0C0C0,
    clRed = 0x0000FF,
    clLime = 0x00FF00,
    clBlue = 0xFF0000,
    clFuchsia = 0xFF00FF,
    clWhite = 0xFFFFFF,
    clNone = 0x1FFFFFFF,
    clDefault = 0x20000000,
};

// System colours: 0xFF000000 | index.
enum : TColor {
    clScrollBar = static_cast<TColor>(0xFF000000),
    clBackground = static_cast<TColor>(0xFF000001),
    clActiveCaption = static_cast<TColor>(0xFF000002),
    clInactiveCaption = static_cast<TColor>(0xFF000003),
    clMenu = static_cast<TColor>(0xFF000004),
    clWindow = static_cast<TColor>(0xFF000005),
    clWindowFrame = static_cast<TColor>(0xFF000006),
    clMenuText = static_cast<TColor>(0xFF000007),
    clWindowText = static_cast<TColor>(0xFF000008),
    clCaptionText = static_cast<TColor>(0xFF000009),
    clHighlight = static_cast<TColor>(0xFF00000D),
    clHighlightText = static_cast<TColor>(0xFF00000E),
    clBtnFace = static_cast<TColor>(0xFF00000F),
    clBtnShadow = static_cast<TColor>(0xFF000010),
    clGrayText = static_cast<TColor>(0xFF000011),
    clBtnText = static_cast<TColor>(0xFF000012),
    clBtnHighlight = static_cast<TColor>(0xFF000014),
};

// Rectangle with exclusive right and bottom edges (right = left + width).
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool operator==(const TRect&) const = default;
    QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }
    static TRect FromQRect(const QRect& r) {
        return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
    }
};

constexpr TRect Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}
constexpr TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}
constexpr TRect Offset(const TRect& r, int dx, int dy) {
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}
constexpr TRect Inset(const TRect& r, int by) {
    return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by};
}

// Widths kept along the four edges of a rectangle (a window's border band).
struct TEdges {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr bool IsEmpty() const { return Left == 0 && Top == 0 && Right == 0 && Bottom == 0; }
    constexpr bool operator==(const TEdges&) const = default;
};

constexpr TRect Inset(const TRect& r, const TEdges& by) {
    return {r.Left + by.Left, r.Top + by.Top, r.Right - by.Right, r.Bottom - by.Bottom};
}

// The common part; its width or height is zero or less when there is none.
constexpr TRect Intersection(const TRect& a, const TRect& b) {
    return {a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top,
            a.Right < b.Right ? a.Right : b.Right, a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
}

// The rectangle moved, unsized, to lie within `area` as far as it fits; where it is larger, its
// left or top edge is kept on the area (a window's title bar stays within reach).
constexpr TRect KeptWithin(const TRect& r, const TRect& area) {
    const int overRight = r.Right > area.Right ? r.Right - area.Right : 0;
    const int overBottom = r.Bottom > area.Bottom ? r.Bottom - area.Bottom : 0;
    const int left = r.Left - overRight < area.Left ? area.Left : r.Left - overRight;
    const int top = r.Top - overBottom < area.Top ? area.Top : r.Top - overBottom;
    return Bounds(left, top, r.Width(), r.Height());
}

// The nearest coordinate at or before `logical` that falls on a whole device pixel at `ratio`
// device pixels per logical pixel (at 1.5, every other one); `logical` itself when none of the
// eight before it does.
constexpr int OnDeviceGrid(int logical, double ratio) {
    for (int back = 0; back < 8; ++back) {
        const double device = (logical - back) * ratio;
        if (device == static_cast<double>(static_cast<long long>(device)))
            return logical - back;
    }
    return logical;
}

struct TPoint {
    int X = 0;
    int Y = 0;
    constexpr bool operator==(const TPoint&) const = default;
};

// Enumerations that form descriptions store by name: published through the meta-object system so
// that the form reader turns "alClient" or "[fsBold]" into values.
namespace Framework {
Q_NAMESPACE
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
Q_ENUM_NS(TFormBorderStyle)
enum class TBorderStyle { bsNone, bsSingle };
Q_ENUM_NS(TBorderStyle)
enum TBorderIcon { biSystemMenu = 0x1, biMinimize = 0x2, biMaximize = 0x4, biHelp = 0x8 };
Q_DECLARE_FLAGS(TBorderIcons, TBorderIcon)
Q_FLAG_NS(TBorderIcons)
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
Q_ENUM_NS(TFormStyle)
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
Q_ENUM_NS(TWindowState)
enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
Q_ENUM_NS(TScrollStyle)
enum class TFontCharset { DEFAULT_CHARSET = 1, ANSI_CHARSET = 0, GB2312_CHARSET = 134 };
Q_ENUM_NS(TFontCharset)
enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)
// The parent's edges a control keeps its distance to when the parent is resized.
enum TAnchorKind { akLeft = 0x1, akTop = 0x2, akRight = 0x4, akBottom = 0x8 };
Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
Q_FLAG_NS(TAnchors)
enum class TBiDiMode {
    bdLeftToRight,
    bdRightToLeft,
    bdRightToLeftNoAlign,
    bdRightToLeftReadingOnly
};
Q_ENUM_NS(TBiDiMode)
enum class TDragMode { dmManual, dmAutomatic };
Q_ENUM_NS(TDragMode)
enum class TDragKind { dkDrag, dkDock };
Q_ENUM_NS(TDragKind)
enum class THelpType { htKeyword, htContext };
Q_ENUM_NS(THelpType)
enum class TImeMode {
    imDisable,
    imClose,
    imOpen,
    imDontCare,
    imSAlpha,
    imAlpha,
    imHira,
    imSKata,
    imKata,
    imChinese,
    imSHanguel,
    imHanguel
};
Q_ENUM_NS(TImeMode)
enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
Q_ENUM_NS(TEditCharCase)
} // namespace Framework
Q_DECLARE_OPERATORS_FOR_FLAGS(Framework::TBorderIcons)
Q_DECLARE_OPERATORS_FOR_FLAGS(Framework::TFontStyles)
Q_DECLARE_OPERATORS_FOR_FLAGS(Framework::TAnchors)

using Framework::TAlign;
using Framework::TAnchorKind;
using Framework::TAnchors;
using Framework::TBevelCut;
using Framework::TBiDiMode;
using Framework::TBorderIcon;
using Framework::TBorderIcons;
using Framework::TBorderStyle;
using Framework::TDragKind;
using Framework::TDragMode;
using Framework::TEditCharCase;
using Framework::TFontCharset;
using Framework::TFontStyle;
using Framework::TFontStyles;
using Framework::TFormBorderStyle;
using Framework::TFormStyle;
using Framework::THelpType;
using Framework::TImeMode;
using Framework::TScrollStyle;
using Framework::TWindowState;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum class TShiftFlag {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
Q_DECLARE_FLAGS(TShiftState, TShiftFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

// Cursor identities as stored in form descriptions.
using TCursor = int;
enum : TCursor {
    crDefault = 0,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crHourGlass = -11,
    crDrag = -12,
    crHandPoint = -21,
};

enum class TCloseAction { caNone, caHide, caFree, caMinimize };

// How a modal form ended: the modal result of the button that closed it.
using TModalResult = int;
enum : TModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, std::uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char16_t& Key)>;
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

// Dragging and docking between controls. Form descriptions bind these events; nothing on this
// platform raises them (see TControl).
enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TDragOverEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y,
                                          TDragState State, bool& Accept)>;
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;
using TStartDragEvent = std::function<void(TObject* Sender, TObject*& DragObject)>;
