#include "framework/menus/TShortCut.h"

#include "framework/core/Messages.h"

#include <QStringList>
#include <array>

namespace {

constexpr std::uint16_t kKeyMask = 0x00FF;
constexpr int kFunctionKeys = 24;

struct NamedKey {
    std::uint16_t key;
    const char* name;
};

// The named keys other than letters, digits and function keys.
constexpr std::array kNamedKeys = {
    NamedKey{VK_BACK, "BkSp"},    NamedKey{VK_TAB, "Tab"},     NamedKey{VK_ESCAPE, "Esc"},
    NamedKey{VK_RETURN, "Enter"}, NamedKey{VK_SPACE, "Space"}, NamedKey{VK_PRIOR, "PgUp"},
    NamedKey{VK_NEXT, "PgDn"},    NamedKey{VK_END, "End"},     NamedKey{VK_HOME, "Home"},
    NamedKey{VK_LEFT, "Left"},    NamedKey{VK_UP, "Up"},       NamedKey{VK_RIGHT, "Right"},
    NamedKey{VK_DOWN, "Down"},    NamedKey{VK_INSERT, "Ins"},  NamedKey{VK_DELETE, "Del"},
};

struct Modifier {
    TShortCut bit;
    const char* name;
};

constexpr std::array kModifiers = {Modifier{scShift, "Shift"}, Modifier{scCtrl, "Ctrl"},
                                   Modifier{scAlt, "Alt"}};

bool IsLetterOrDigit(std::uint16_t key) {
    return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
}

QString KeyName(std::uint16_t key) {
    if (IsLetterOrDigit(key))
        return QString(QChar(key));
    if (key >= VK_F1 && key < VK_F1 + kFunctionKeys)
        return QStringLiteral("F%1").arg(key - VK_F1 + 1);
    for (const NamedKey& named : kNamedKeys)
        if (named.key == key)
            return QString::fromLatin1(named.name);
    return {};
}

// 0 when the name is no key's.
std::uint16_t KeyFromName(const QString& name) {
    for (std::uint16_t key = 1; key <= kKeyMask; ++key) {
        const QString known = KeyName(key);
        if (!known.isEmpty() && known.compare(name, Qt::CaseInsensitive) == 0)
            return key;
    }
    return 0;
}

} // namespace

TShortCut ShortCut(std::uint16_t key, TShiftState shift) {
    if (key == 0 || key > kKeyMask)
        return scNone;
    TShortCut result = key;
    if (shift.testFlag(TShiftFlag::ssShift))
        result |= scShift;
    if (shift.testFlag(TShiftFlag::ssCtrl))
        result |= scCtrl;
    if (shift.testFlag(TShiftFlag::ssAlt))
        result |= scAlt;
    return result;
}

std::uint16_t ShortCutKey(TShortCut shortCut) {
    return shortCut & kKeyMask;
}

TShiftState ShortCutShift(TShortCut shortCut) {
    TShiftState shift;
    shift.setFlag(TShiftFlag::ssShift, shortCut & scShift);
    shift.setFlag(TShiftFlag::ssCtrl, shortCut & scCtrl);
    shift.setFlag(TShiftFlag::ssAlt, shortCut & scAlt);
    return shift;
}

QString ShortCutToText(TShortCut shortCut) {
    const QString key = KeyName(ShortCutKey(shortCut));
    if (key.isEmpty())
        return {};
    QString text;
    for (const Modifier& modifier : kModifiers)
        if (shortCut & modifier.bit)
            text += QString::fromLatin1(modifier.name) + u'+';
    return text + key;
}

TShortCut TextToShortCut(const QString& text) {
    QStringList parts = text.split(u'+');
    const QString keyName = parts.takeLast().trimmed();
    TShortCut modifiers = scNone;
    for (const QString& part : parts) {
        const QString name = part.trimmed();
        bool known = false;
        for (const Modifier& modifier : kModifiers)
            if (name.compare(QLatin1String(modifier.name), Qt::CaseInsensitive) == 0) {
                modifiers |= modifier.bit;
                known = true;
            }
        if (!known)
            return scNone;
    }
    const std::uint16_t key = KeyFromName(keyName);
    return key ? TShortCut(modifiers | key) : TShortCut(scNone);
}
