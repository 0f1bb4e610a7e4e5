#include "framework/graphics/TFont.h"

#include <cmath>

namespace {
constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;
} // namespace

TFont::TFont() = default;

void TFont::SetName(const QString& name) {
    if (name_ != name) {
        name_ = name;
        Changed();
    }
}

void TFont::SetHeight(int height) {
    if (height_ != height) {
        height_ = height;
        Changed();
    }
}

int TFont::Size() const {
    return -static_cast<int>(std::lround(double(height_) * kPointsPerInch / kPixelsPerInch));
}

void TFont::SetSize(int points) {
    SetHeight(-static_cast<int>(std::lround(double(points) * kPixelsPerInch / kPointsPerInch)));
}

void TFont::SetColor(TColor color) {
    if (color_ != color) {
        color_ = color;
        Changed();
    }
}

void TFont::SetStyle(TFontStyles style) {
    if (style_ != style) {
        style_ = style;
        Changed();
    }
}

void TFont::SetCharset(TFontCharset charset) {
    if (charset_ != charset) {
        charset_ = charset;
        Changed();
    }
}

void TFont::Assign(const TPersistent* source) {
    const auto* other = qobject_cast<const TFont*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (SameAs(*other))
        return;
    name_ = other->name_;
    height_ = other->height_;
    color_ = other->color_;
    style_ = other->style_;
    charset_ = other->charset_;
    Changed();
}

bool TFont::SameAs(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ &&
           style_ == other.style_ && charset_ == other.charset_;
}

QFont TFont::ToQFont() const {
    QFont font(name_);
    // A negative height is the character height; a positive one includes the internal leading,
    // which the toolkit does not model, so both map to the pixel size.
    font.setPixelSize(std::max(1, std::abs(height_)));
    font.setBold(style_.testFlag(Framework::fsBold));
    font.setItalic(style_.testFlag(Framework::fsItalic));
    font.setUnderline(style_.testFlag(Framework::fsUnderline));
    font.setStrikeOut(style_.testFlag(Framework::fsStrikeOut));
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void TFont::Changed() {
    if (OnChange)
        OnChange();
}
