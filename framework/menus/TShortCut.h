// Menu shortcuts: a virtual-key code in the low byte and the shift keys in the high bits, with
// their text form as menus show it ("Ctrl+S", "Shift+Ctrl+F1").
#pragma once

#include "framework/core/Types.h"

#include <QString>
#include <cstdint>

using TShortCut = std::uint16_t;

enum : TShortCut {
    scNone = 0,
    scShift = 0x2000,
    scCtrl = 0x4000,
    scAlt = 0x8000,
};

// The shortcut of a key with the shift keys held; none for a key beyond the low byte. Mouse
// buttons and double clicks in the state are not part of a shortcut.
TShortCut ShortCut(std::uint16_t key, TShiftState shift);
std::uint16_t ShortCutKey(TShortCut shortCut);
TShiftState ShortCutShift(TShortCut shortCut);

// "Shift+", "Ctrl+" and "Alt+" in that order, then the key's name; empty for none or for a key
// without a name.
QString ShortCutToText(TShortCut shortCut);
// The reverse, without regard to case or spaces around "+"; none for text it cannot read.
TShortCut TextToShortCut(const QString& text);
