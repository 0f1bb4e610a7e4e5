#include "framework/core/EventTranslator.h"

#include "framework/core/InputStamp.h"
#include "framework/core/WheelNotches.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <array>
#include <utility>

namespace {

QPoint gMessagePos; // the screen position of the latest pointer input translated

// Keys with a virtual-key code of their own; letters and digits map by their ASCII value.
constexpr std::array<std::pair<int, WPARAM>, 24> kKeyTable{{
    {Qt::Key_Backspace, VK_BACK},  {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},   {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},      {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},     {Qt::Key_PageUp, VK_PRIOR},  {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},         {Qt::Key_Home, VK_HOME},     {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},           {Qt::Key_Right, VK_RIGHT},   {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT},   {Qt::Key_Delete, VK_DELETE}, {Qt::Key_F1, VK_F1},
    {Qt::Key_F4, VK_F4},           {Qt::Key_F10, VK_F10},       {Qt::Key_Menu, VK_APPS},
}};

// The toolkit names a punctuation key by the character it types; a Windows keyboard names it
// by the key, shifted or not: these are the codes of the US layout, plus the German letter keys
// (the toolkit names letters by their capital).
constexpr std::array<std::pair<char16_t, WPARAM>, 37> kCharacterKeyTable{{
    {u'!', '1'},           {u'@', '2'},           {u'#', '3'},           {u'$', '4'},
    {u'%', '5'},           {u'^', '6'},           {u'&', '7'},           {u'*', '8'},
    {u'(', '9'},           {u')', '0'},           {u';', VK_OEM_1},      {u':', VK_OEM_1},
    {u'=', VK_OEM_PLUS},   {u'+', VK_OEM_PLUS},   {u',', VK_OEM_COMMA},  {u'<', VK_OEM_COMMA},
    {u'-', VK_OEM_MINUS},  {u'_', VK_OEM_MINUS},  {u'.', VK_OEM_PERIOD}, {u'>', VK_OEM_PERIOD},
    {u'/', VK_OEM_2},      {u'?', VK_OEM_2},      {u'`', VK_OEM_3},      {u'~', VK_OEM_3},
    {u'[', VK_OEM_4},      {u'{', VK_OEM_4},      {u'\\', VK_OEM_5},     {u'|', VK_OEM_5},
    {u']', VK_OEM_6},      {u'}', VK_OEM_6},      {u'\'', VK_OEM_7},     {u'"', VK_OEM_7},
    {u'\u00DC', VK_OEM_1}, {u'\u00D6', VK_OEM_3}, {u'\u00C4', VK_OEM_7}, {u'\u00DF', VK_OEM_4},
    {u'\u00AC', VK_OEM_8},
}};

// Keypad keys while Num Lock is on; the others keep their navigation codes.
constexpr std::array<std::pair<char16_t, WPARAM>, 7> kKeypadTable{{
    {u'*', VK_MULTIPLY},
    {u'+', VK_ADD},
    {u'-', VK_SUBTRACT},
    {u'.', VK_DECIMAL},
    {u',', VK_DECIMAL},
    {u'/', VK_DIVIDE},
    {u'0', VK_NUMPAD0},
}};

// The X11 key code of the extra key beside the left Shift on 102-key keyboards.
constexpr quint32 kX11Key102 = 94;

template <std::size_t N>
WPARAM Lookup(const std::array<std::pair<char16_t, WPARAM>, N>& table, char16_t c) {
    for (const auto& [character, vk] : table)
        if (character == c)
            return vk;
    return 0;
}

WPARAM KeypadKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return VK_NUMPAD0 + static_cast<WPARAM>(qtKey - Qt::Key_0);
    return qtKey < 0x80 ? Lookup(kKeypadTable, static_cast<char16_t>(qtKey)) : 0;
}

WPARAM MouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    WPARAM keys = 0;
    if (buttons & Qt::LeftButton)
        keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        keys |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        keys |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        keys |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        keys |= MK_CONTROL;
    return keys;
}

UINT ButtonMessage(Qt::MouseButton button, QEvent::Type type) {
    const int step = type == QEvent::MouseButtonPress     ? 0
                     : type == QEvent::MouseButtonRelease ? 1
                                                          : 2;
    switch (button) {
    case Qt::LeftButton:
        return WM_LBUTTONDOWN + step;
    case Qt::RightButton:
        return WM_RBUTTONDOWN + step;
    case Qt::MiddleButton:
        return WM_MBUTTONDOWN + step;
    default:
        return WM_NULL;
    }
}

QPoint ToWindow(QWidget* window, QWidget* source, QPointF pos) {
    const QPoint p = pos.toPoint();
    return source == window ? p : source->mapTo(window, p);
}

TMessage Message(UINT msg, WPARAM w, LPARAM l, QEvent* e) {
    return TMessage{msg, w, l, 0, e};
}

std::vector<TMessage> TranslateMouse(QMouseEvent* e, QWidget* window, QWidget* source) {
    gMessagePos = e->globalPosition().toPoint();
    const QPoint p = ToWindow(window, source, e->position());
    const LPARAM pos = MakeLParam(p.x(), p.y());
    if (e->type() == QEvent::MouseMove)
        return {Message(WM_MOUSEMOVE, MouseKeys(e->buttons(), e->modifiers()), pos, e)};
    const UINT msg = ButtonMessage(e->button(), e->type());
    if (msg == WM_NULL)
        return {};
    return {Message(msg, MouseKeys(e->buttons() | e->button(), e->modifiers()), pos, e)};
}

TMessage WheelMessage(UINT msg, int distance, QWheelEvent* e) {
    // The high word carries the signed distance in 120ths of a notch; the position is on screen.
    constexpr int kMostNotches = 32767 / WheelNotches::kNotch * WheelNotches::kNotch;
    const auto delta = static_cast<std::int16_t>(std::clamp(distance, -kMostNotches, kMostNotches));
    const WPARAM w = (static_cast<WPARAM>(static_cast<std::uint16_t>(delta)) << 16) |
                     MouseKeys(e->buttons(), e->modifiers());
    const QPoint g = e->globalPosition().toPoint();
    return Message(msg, w, MakeLParam(g.x(), g.y()), e);
}

std::vector<TMessage> TranslateWheel(QWheelEvent* e, QWidget* window) {
    gMessagePos = e->globalPosition().toPoint();
    // Vertical and sideways motion are messages of their own, so that a procedure keeping the
    // one does not swallow the other; each carries whole notches only, and one event at most one
    // of each, whatever distance it reports.
    static WheelNotches notches;
    // The application's filter translates an event before its window does: it is gathered once.
    static InputStamp gathered;
    static QPoint gatheredDelta;
    static WheelNotches::Distances whole;
    if (!gathered.Matches(e) || e->angleDelta() != gatheredDelta) {
        gathered.Remember(e);
        gatheredDelta = e->angleDelta();
        const bool gestureEdge = e->phase() == Qt::ScrollBegin || e->phase() == Qt::ScrollEnd;
        // The toolkit counts sideways motion to the left as positive, the platform to the right.
        whole = notches.Add(window, {e->angleDelta().y(), -e->angleDelta().x()}, gestureEdge);
    }
    std::vector<TMessage> out;
    if (whole.vertical != 0)
        out.push_back(WheelMessage(WM_MOUSEWHEEL, whole.vertical, e));
    if (whole.horizontal != 0)
        out.push_back(WheelMessage(WM_MOUSEHWHEEL, whole.horizontal, e));
    return out;
}

// Text a key types: printable characters (in any layout or script), Enter and Backspace; not
// the control characters that Ctrl combinations report.
bool IsTypedText(const QString& text) {
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    return first.isPrint() || first.isSurrogate() || first == u'\r' || first == u'\b';
}

std::vector<TMessage> TranslateKey(QKeyEvent* e) {
    const bool alt = e->modifiers() & Qt::AltModifier;
    const WPARAM vk = EventTranslator::VirtualKey(e->key(), e->modifiers(), e->nativeScanCode());
    if (e->type() == QEvent::KeyRelease)
        return {Message(alt ? WM_SYSKEYUP : WM_KEYUP, vk, 0, e)};
    std::vector<TMessage> out{Message(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, 0, e)};
    const QString text = e->text();
    if (IsTypedText(text))
        // One message per UTF-16 unit, as Windows delivers characters beyond the first plane.
        for (const QChar c : text)
            out.push_back(Message(alt ? WM_SYSCHAR : WM_CHAR, c.unicode(), 0, e));
    else if (alt && vk >= 'A' && vk <= 'Z')
        // Alt+letter yields a system character even where the platform sends no text.
        out.push_back(Message(WM_SYSCHAR, vk - 'A' + 'a', 0, e));
    else if (alt && vk == VK_SPACE)
        out.push_back(Message(WM_SYSCHAR, ' ', 0, e));
    return out;
}

TShiftState ShiftFromModifiers(Qt::KeyboardModifiers modifiers) {
    TShiftState shift;
    if (modifiers & Qt::ShiftModifier)
        shift |= TShiftFlag::ssShift;
    if (modifiers & Qt::ControlModifier)
        shift |= TShiftFlag::ssCtrl;
    if (modifiers & Qt::AltModifier)
        shift |= TShiftFlag::ssAlt;
    return shift;
}

} // namespace

QPoint EventTranslator::MessagePos() {
    return gMessagePos;
}

std::vector<TMessage> EventTranslator::Translate(QEvent* event, QWidget* window, QWidget* source) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return TranslateMouse(static_cast<QMouseEvent*>(event), window, source);
    case QEvent::Wheel:
        return TranslateWheel(static_cast<QWheelEvent*>(event), window);
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return TranslateKey(static_cast<QKeyEvent*>(event));
    case QEvent::Enter:
        return {Message(CM_MOUSEENTER, 0, 0, event)};
    case QEvent::Leave:
        return {Message(CM_MOUSELEAVE, 0, 0, event)};
    default:
        break;
    }
    if (source != window)
        return {}; // a viewport's own painting and sizing stay the toolkit's business
    switch (event->type()) {
    case QEvent::Resize: {
        const QSize s = static_cast<QResizeEvent*>(event)->size();
        const WPARAM kind = window->isMaximized()   ? SIZE_MAXIMIZED
                            : window->isMinimized() ? SIZE_MINIMIZED
                                                    : SIZE_RESTORED;
        return {Message(WM_SIZE, kind, MakeLParam(s.width(), s.height()), event)};
    }
    case QEvent::Move:
        return {Message(WM_MOVE, 0, MakeLParam(window->x(), window->y()), event)};
    case QEvent::FocusIn:
        return {Message(WM_SETFOCUS, 0, 0, event)};
    case QEvent::FocusOut:
        return {Message(WM_KILLFOCUS, 0, 0, event)};
    case QEvent::Close:
        return {Message(WM_CLOSE, 0, 0, event)};
    case QEvent::Show:
        return {Message(WM_SHOWWINDOW, 1, 0, event)};
    case QEvent::Hide:
        return {Message(WM_SHOWWINDOW, 0, 0, event)};
    case QEvent::WindowActivate:
        return {Message(WM_ACTIVATE, 1, 0, event)};
    case QEvent::WindowDeactivate:
        return {Message(WM_ACTIVATE, 0, 0, event)};
    case QEvent::WindowStateChange:
        return {Message(WM_SIZE,
                        window->isMaximized()   ? SIZE_MAXIMIZED
                        : window->isMinimized() ? SIZE_MINIMIZED
                                                : SIZE_RESTORED,
                        MakeLParam(window->width(), window->height()), event)};
    default:
        return {};
    }
}

WPARAM EventTranslator::VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers,
                                   quint32 nativeScanCode) {
    if (modifiers & Qt::KeypadModifier)
        if (const WPARAM vk = KeypadKey(qtKey))
            return vk;
    if (nativeScanCode == kX11Key102)
        return VK_OEM_102;
    for (const auto& [key, vk] : kKeyTable)
        if (key == qtKey)
            return vk;
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<WPARAM>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + static_cast<WPARAM>(qtKey - Qt::Key_F1);
    if (qtKey > 0 && qtKey <= 0xFF)
        return Lookup(kCharacterKeyTable, static_cast<char16_t>(qtKey));
    return 0;
}

TShiftState EventTranslator::KeyShiftState(const TMessage& message) {
    const auto* key = dynamic_cast<const QKeyEvent*>(message.Event);
    return ShiftFromModifiers(key ? key->modifiers() : QGuiApplication::queryKeyboardModifiers());
}

TShiftState EventTranslator::MouseShiftState(WPARAM keys) {
    TShiftState shift;
    if (keys & MK_SHIFT)
        shift |= TShiftFlag::ssShift;
    if (keys & MK_CONTROL)
        shift |= TShiftFlag::ssCtrl;
    if (keys & MK_LBUTTON)
        shift |= TShiftFlag::ssLeft;
    if (keys & MK_RBUTTON)
        shift |= TShiftFlag::ssRight;
    if (keys & MK_MBUTTON)
        shift |= TShiftFlag::ssMiddle;
    if (QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier)
        shift |= TShiftFlag::ssAlt;
    return shift;
}

Qt::CursorShape EventTranslator::CursorShape(TCursor cursor) {
    switch (cursor) {
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
        return Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
        return Qt::SizeHorCursor;
    case crHourGlass:
        return Qt::WaitCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    default:
        return Qt::ArrowCursor;
    }
}

TCursor EventTranslator::BorderCursor(LRESULT hit) {
    Q_ASSERT(IsBorderHitCode(hit));
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return crSizeWE;
    case HTTOP:
    case HTBOTTOM:
        return crSizeNS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return crSizeNWSE;
    default:
        return crSizeNESW;
    }
}
