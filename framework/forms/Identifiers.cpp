#include "framework/forms/Identifiers.h"

#include "framework/core/Types.h"

#include <array>
#include <utility>

namespace {
using Entry = std::pair<const char*, int>;
constexpr std::array kIdentifiers{
    Entry{"clBlack", clBlack},
    Entry{"clMaroon", clMaroon},
    Entry{"clGreen", clGreen},
    Entry{"clNavy", clNavy},
    Entry{"clGray", clGray},
    Entry{"clSilver", clSilver},
    Entry{"clRed", clRed},
    Entry{"clLime", clLime},
    Entry{"clBlue", clBlue},
    Entry{"clFuchsia", clFuchsia},
    Entry{"clWhite", clWhite},
    Entry{"clNone", clNone},
    Entry{"clDefault", clDefault},
    Entry{"clScrollBar", clScrollBar},
    Entry{"clBackground", clBackground},
    Entry{"clActiveCaption", clActiveCaption},
    Entry{"clInactiveCaption", clInactiveCaption},
    Entry{"clMenu", clMenu},
    Entry{"clWindow", clWindow},
    Entry{"clWindowFrame", clWindowFrame},
    Entry{"clMenuText", clMenuText},
    Entry{"clWindowText", clWindowText},
    Entry{"clCaptionText", clCaptionText},
    Entry{"clHighlight", clHighlight},
    Entry{"clHighlightText", clHighlightText},
    Entry{"clBtnFace", clBtnFace},
    Entry{"clBtnShadow", clBtnShadow},
    Entry{"clGrayText", clGrayText},
    Entry{"clBtnText", clBtnText},
    Entry{"clBtnHighlight", clBtnHighlight},
    Entry{"crDefault", crDefault},
    Entry{"crArrow", crArrow},
    Entry{"crCross", crCross},
    Entry{"crIBeam", crIBeam},
    Entry{"crSizeNESW", crSizeNESW},
    Entry{"crSizeNS", crSizeNS},
    Entry{"crSizeNWSE", crSizeNWSE},
    Entry{"crSizeWE", crSizeWE},
    Entry{"crHourGlass", crHourGlass},
    Entry{"crDrag", crDrag},
    Entry{"crHandPoint", crHandPoint},
};
} // namespace

std::optional<int> Identifiers::ToInt(const QString& identifier) {
    for (const auto& [name, value] : kIdentifiers)
        if (identifier.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return value;
    return std::nullopt;
}
