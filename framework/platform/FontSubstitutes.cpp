#include "framework/platform/FontSubstitutes.h"

#include <QFont>
#include <QStringList>

namespace {
struct Substitute {
    const char16_t* windowsName;
    const char* candidates[4];
};

// CJK families first for the Chinese names; sans families for the Latin ones.
constexpr Substitute kSubstitutes[] = {
    {u"宋体", {"WenQuanYi Zen Hei", "Noto Sans CJK SC", "AR PL UMing CN", "DejaVu Sans"}},
    {u"SimSun", {"WenQuanYi Zen Hei", "Noto Sans CJK SC", "AR PL UMing CN", "DejaVu Sans"}},
    {u"Tahoma", {"DejaVu Sans", "Liberation Sans", "WenQuanYi Zen Hei", "Sans Serif"}},
    {u"MS Sans Serif", {"DejaVu Sans", "Liberation Sans", "WenQuanYi Zen Hei", "Sans Serif"}},
};
} // namespace

void FontSubstitutes::Install() {
    for (const Substitute& s : kSubstitutes) {
        QStringList families;
        for (const char* family : s.candidates)
            families << QString::fromLatin1(family);
        // Chinese text in a Latin face falls back to the CJK family.
        if (!families.contains(QStringLiteral("WenQuanYi Zen Hei")))
            families << QStringLiteral("WenQuanYi Zen Hei");
        QFont::insertSubstitutions(QString::fromUtf16(s.windowsName), families);
    }
}
