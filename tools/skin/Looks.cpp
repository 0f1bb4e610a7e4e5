// The five built-in looks and the jade theme's. Colours here are written 0xRRGGBB (red in the high
// byte), as painters write them, not as the program's 0x00BBGGRR colour values.
#include "Look.h"

#include <cassert>

namespace art {
namespace {

QColor C(unsigned rgb, int alpha = 255) {
    QColor colour = QColor::fromRgb(static_cast<QRgb>(rgb));
    colour.setAlpha(alpha);
    return colour;
}

Fill Glass(unsigned top, unsigned upper, unsigned lower, unsigned bottom, double split = 0.5) {
    return {C(top), C(upper), C(lower), C(bottom), split};
}

Fill Ramp(unsigned top, unsigned bottom) {
    return {C(top), C(top), C(bottom), C(bottom), 0.0};
}

// Traffic lights and the like: a face whose glyph only shows faintly until the mouse is on it.
Faces Light(Fill normal, Fill mouseOn, Fill pressed, unsigned border, unsigned glyph) {
    return {Face{normal, C(border), C(glyph, 80)}, Face{mouseOn, C(border), C(glyph)},
            Face{pressed, C(border), C(glyph)}};
}

Look MacOS() {
    const Faces graphite = Light(Glass(0xE6EAF0, 0xBCC4D0, 0x98A2B0, 0xC8D0DC),
                                 Glass(0xF4F6FA, 0xCCD4E0, 0xAAB4C4, 0xDAE2EE),
                                 Glass(0xA8B0BC, 0x8C95A2, 0x6E7886, 0x8A94A2), 0x646C7A, 0x2A3038);
    return {Style::MacOS,
            "MACOS",
            C(0xE7E7E7),
            Ramp(0xF0F0F0, 0xC4C4C4),
            C(0xFFFFFF),
            C(0x8C8C8C),
            C(0xFFFFFF, 70),
            4,
            3,
            -2,
            C(0x000000),
            Shape::Circle,
            false,
            {graphite,
             Light(Glass(0xFFEA9E, 0xF8C848, 0xE0A010, 0xF4C440),
                   Glass(0xFFF4C0, 0xFCD868, 0xEEB428, 0xFAD460),
                   Glass(0xE8B840, 0xD89E18, 0xB87E00, 0xD09828), 0xA07010, 0x6A4600),
             Light(Glass(0xBCF2A4, 0x7CD254, 0x40A822, 0x74CC4C),
                   Glass(0xD4FAC0, 0x94E06C, 0x56BC34, 0x8CDC64),
                   Glass(0x7CC05C, 0x5AA438, 0x3A8418, 0x56A036), 0x2C7418, 0x164A06),
             Light(Glass(0xFFB4A4, 0xF46C58, 0xD8321E, 0xEE624A),
                   Glass(0xFFCABC, 0xF88672, 0xE64A34, 0xF67C64),
                   Glass(0xD46C5C, 0xC44432, 0xA42414, 0xC0402C), 0x94200E, 0x5A0800)},
            Shape::Rounded,
            11,
            true,
            Faces{Face{Glass(0xFFFFFF, 0xF2F2F2, 0xDADADA, 0xF6F6F6), C(0x8A8A8A), C(0)},
                  Face{Glass(0xEEF6FF, 0xCCE4FC, 0x8EC2F4, 0xC4E2FC), C(0x5688C4), C(0)},
                  Face{Glass(0xA4D0FA, 0x64A8EE, 0x2A78D8, 0x64B0F4), C(0x1E5090), C(0)}},
            C(0x3D8EE8),
            C(0x1E5090),
            C(0xFFFFFF),
            C(0x8A8A8A)};
}

Look WinXP() {
    const Faces blue{Face{Ramp(0x72ACFF, 0x2262E6), C(0xFFFFFF), C(0xFFFFFF)},
                     Face{Ramp(0x9ACCFF, 0x4490FA), C(0xFFFFFF), C(0xFFFFFF)},
                     Face{Ramp(0x1A48C4, 0x3A78E6), C(0xD0E0FF), C(0xE6EEFF)}};
    const Faces red{Face{Ramp(0xF2946E, 0xD2421C), C(0xFFFFFF), C(0xFFFFFF)},
                    Face{Ramp(0xFFB496, 0xEA5C36), C(0xFFFFFF), C(0xFFFFFF)},
                    Face{Ramp(0xA8300E, 0xCA4C26), C(0xF0D0C8), C(0xFFE6E0)}};
    return {Style::WinXP,
            "WINXP",
            C(0xEFEBDE),
            Glass(0x4C9AFF, 0x1C6CF2, 0x0A5EEC, 0x0044C4, 0.2),
            C(0x7CB8FF),
            C(0x00309C),
            C(0xA8D4FF, 70),
            5,
            2,
            -2,
            C(0xFFFFFF),
            Shape::Rounded,
            false,
            {blue, blue, blue, red},
            Shape::Rounded,
            3,
            false,
            Faces{Face{Ramp(0xFFFFFF, 0xE4E2D8), C(0x003C74), C(0)},
                  Face{Ramp(0xFFFFFF, 0xE4E2D8), C(0x003C74), C(0), C(0xF8B330)},
                  Face{Ramp(0xE0DED4, 0xF4F3EE), C(0x003C74), C(0)}},
            C(0x2FA83A),
            C(0x1E7A28),
            C(0xFFFFFF),
            C(0x1C5180)};
}

Look DeepBlue() {
    const Face plain{Ramp(0x2C4E8E, 0x1E3C74), C(0x5878B4), C(0xFFFFFF)};
    const Face pressed{Ramp(0x0E2048, 0x18325E), C(0x4060A0), C(0xC8D4EC)};
    const Faces navy{plain, Face{Ramp(0x3C6ABE, 0x2A54A0), C(0x8CACE2), C(0xFFFFFF)}, pressed};
    const Faces red{plain, Face{Ramp(0xD04C42, 0xA82C26), C(0xEC9088), C(0xFFFFFF)},
                    Face{Ramp(0x7A1814, 0x96241E), C(0xB04840), C(0xF0D0CC)}};
    return {Style::DeepBlue,
            "DEEPBLUE",
            C(0xE8E8E8),
            Glass(0x1E3C78, 0x132C62, 0x2A4A86, 0x1E3A70, 0.75),
            C(0x40609E),
            C(0x081634),
            C(0x6A94DC, 0),
            2,
            0,
            0,
            C(0xFFFFFF),
            Shape::Square,
            false,
            {navy, navy, navy, red},
            Shape::Square,
            0,
            false,
            Faces{Face{Ramp(0xF4F7FB, 0xD0DAEA), C(0x1C3468), C(0)},
                  Face{Ramp(0xFFFFFF, 0xDAE6F8), C(0x2E5CB8), C(0), C(0xA8C2EC)},
                  Face{Ramp(0xB2C2DA, 0xD4DEEC), C(0x142850), C(0)}},
            C(0x2E5CB8),
            C(0x142850),
            C(0xFFFFFF),
            C(0x1C3468)};
}

Look Protein() {
    const Face chrome{Glass(0xF4F6F8, 0xDADEE4, 0xBAC0C8, 0xD2D6DC), C(0x4A5058), C(0x2E3238)};
    const Face chromePressed{Glass(0xAAB0B8, 0x9EA4AC, 0x888E96, 0x9CA2AA), C(0x30343A),
                             C(0x202428)};
    const Faces plain{chrome,
                      Face{Glass(0xFFFFFF, 0xEAEEF4, 0xCED6E0, 0xE6ECF4), C(0x3A5A8A), C(0x1A3A6A)},
                      chromePressed};
    const Faces close{
        chrome, Face{Glass(0xFFE8E4, 0xF6B4AC, 0xE27C6C, 0xF2A494), C(0x8A2A20), C(0x6A1008)},
        Face{Glass(0xD08474, 0xC06050, 0xA44434, 0xBC5A4A), C(0x6A1A12), C(0x3A0600)}};
    return {Style::Protein,
            "PROTEIN",
            C(0xFBFBFB),
            Glass(0x9CA4B0, 0x7E8794, 0x6E7784, 0x5C6470),
            C(0xC6CCD4),
            C(0x3E444C),
            C(0xFFFFFF, 60),
            2,
            0,
            0,
            C(0xFFFFFF),
            Shape::Rounded,
            true,
            {plain, plain, plain, close},
            Shape::Rounded,
            3,
            false,
            Faces{Face{Glass(0xFFFFFF, 0xF0F2F4, 0xDCE0E4, 0xEEF0F2), C(0x7C848E), C(0)},
                  Face{Glass(0xFFFFFF, 0xF6F8FA, 0xE4EAF0, 0xF4F7FA), C(0x4C78B0), C(0)},
                  Face{Glass(0xC8CDD3, 0xC0C5CB, 0xB0B5BC, 0xC6CBD1), C(0x5A626E), C(0)}},
            C(0x4C78B0),
            C(0x2E4C78),
            C(0xFFFFFF),
            C(0x7C848E)};
}

Look BlueGlass() {
    const Faces blue{Face{Glass(0x92C4F6, 0x5C9CE4, 0x2E72CE, 0x5294E2), C(0x1C4C96), C(0xFFFFFF)},
                     Face{Glass(0xBCDEFF, 0x80BAF6, 0x4A92E6, 0x7CB8F6), C(0x2A64B8), C(0xFFFFFF),
                          C(0xFFFFFF, 110)},
                     Face{Glass(0x2E66B6, 0x245AAA, 0x163E84, 0x1E4E9C), C(0x0E2C60), C(0xDCEBFF)}};
    const Faces red{Face{Glass(0xF2A494, 0xE06C5A, 0xC23A2A, 0xD85C4A), C(0x7A1E14), C(0xFFFFFF)},
                    Face{Glass(0xFFC4B4, 0xF48874, 0xDC503C, 0xF07462), C(0x8E261A), C(0xFFFFFF),
                         C(0xFFFFFF, 110)},
                    Face{Glass(0xB23828, 0xA22E20, 0x7A1C12, 0x90281A), C(0x4E0C06), C(0xFFE0DA)}};
    return {Style::BlueGlass,
            "BLUEGLASS",
            C(0xE7E7E7),
            Glass(0x78B2EE, 0x3F86DA, 0x1A5EBE, 0x3078D4, 0.48),
            C(0xAED4FA),
            C(0x123E86),
            C(0xFFFFFF, 80),
            6,
            4,
            -3,
            C(0xFFFFFF),
            Shape::Rounded,
            true,
            {blue, blue, blue, red},
            Shape::Rounded,
            5,
            true,
            Faces{Face{Glass(0xF6FBFF, 0xDDEEFC, 0xB6D8F6, 0xD6ECFC, 0.46), C(0x4F7FB8), C(0)},
                  Face{Glass(0xFCFEFF, 0xE4F5FF, 0xA0DCFA, 0xCAF0FF, 0.46), C(0x2A8CD8), C(0),
                       C(0x8EE0FF)},
                  Face{Glass(0xAECFEE, 0x98C2EA, 0x6EA4DA, 0x98C6EE, 0.46), C(0x22589A), C(0)}},
            C(0x3C8CE0),
            C(0x1C4C96),
            C(0xFFFFFF),
            C(0x4F7FB8)};
}

// Deep jade glass over a pale celadon form; the close button is cinnabar, the red that goes
// with jade, so it stands apart from the green ones. Sizes and metrics are BlueGlass's, with the
// title buttons centred in the 33-row bar.
Look Jade() {
    const Faces jade{Face{Glass(0x8AD6BA, 0x4DB090, 0x1C8462, 0x3EA282), C(0x0C4A36), C(0xFFFFFF)},
                     Face{Glass(0xB6EED8, 0x72CCAA, 0x32A07C, 0x5CC29E), C(0x146248), C(0xFFFFFF),
                          C(0xFFFFFF, 120)},
                     Face{Glass(0x2A8A68, 0x1F7A5A, 0x0E5840, 0x186A4E), C(0x06301F), C(0xD8F4E8)}};
    const Faces cinnabar{
        Face{Glass(0xE8A07E, 0xCC5A38, 0xA02C14, 0xBC4428), C(0x5C1406), C(0xFFFFFF)},
        Face{Glass(0xF8C4A6, 0xE27A54, 0xBE4020, 0xD8603C), C(0x74200E), C(0xFFFFFF),
             C(0xFFF0D8, 120)},
        Face{Glass(0x9E3218, 0x8C2812, 0x641606, 0x7A200C), C(0x3E0A02), C(0xFFE2D4)}};
    return {Style::BlueGlass,
            "JADE",
            C(0xE3EFE7),
            Glass(0x5CB898, 0x23906C, 0x07684C, 0x13805E, 0.5),
            C(0xA4E4CC),
            C(0x04402E),
            C(0xF0FFF8, 90),
            7,
            4,
            -3,
            C(0xFFFFFF),
            Shape::Rounded,
            true,
            {jade, jade, jade, cinnabar},
            Shape::Rounded,
            5,
            true,
            Faces{Face{Glass(0xF8FDFA, 0xE3F3EA, 0xBBDFCC, 0xD7EFE2, 0.46), C(0x4A8C70), C(0)},
                  Face{Glass(0xFCFFFD, 0xE6F8EE, 0xA0DEC2, 0xC8F2DE, 0.46), C(0x1F9468), C(0),
                       C(0x86E6C0)},
                  Face{Glass(0xA8D6C0, 0x92CAB0, 0x68B092, 0x92CEB2, 0.46), C(0x1A6248), C(0)}},
            C(0x23946E),
            C(0x0F5E44),
            C(0xFFFFFF),
            C(0x4A8C70)};
}

} // namespace

const std::array<Style, kStyleCount>& AllStyles() {
    static const std::array<Style, kStyleCount> styles{Style::MacOS, Style::WinXP, Style::DeepBlue,
                                                       Style::Protein, Style::BlueGlass};
    return styles;
}

const Look& LookOf(Style style) {
    static const std::array<Look, kStyleCount> looks{MacOS(), WinXP(), DeepBlue(), Protein(),
                                                     BlueGlass()};
    const int index = static_cast<int>(style) - static_cast<int>(Style::MacOS);
    assert(index >= 0 && index < kStyleCount);
    assert(looks[index].style == style);
    return looks[index];
}

const Look& JadeLook() {
    static const Look look = Jade();
    return look;
}

} // namespace art
