// A font as components store it: a family name, a height in pixels (negative: character height
// without internal leading), a colour, a style set and a character set.
#pragma once

#include "framework/core/TObject.h"
#include "framework/core/Types.h"

#include <QFont>
#include <functional>

class TFont : public TPersistent {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(Framework::TFontStyles Style READ Style WRITE SetStyle)
    Q_PROPERTY(Framework::TFontCharset Charset READ Charset WRITE SetCharset)
public:
    TFont();

    QString Name() const { return name_; }
    void SetName(const QString& name);
    int Height() const { return height_; }
    void SetHeight(int height);
    // Points at 96 pixels per inch.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(TFontCharset charset);

    void Assign(const TPersistent* source) override;
    bool SameAs(const TFont& other) const;

    // The toolkit font: family through the start-up substitutions, pixel size from Height.
    QFont ToQFont() const;

    // Called after every change; the owning control repaints or passes the font on.
    std::function<void()> OnChange;

private:
    void Changed();

    QString name_ = QStringLiteral("MS Sans Serif");
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_;
    TFontCharset charset_ = TFontCharset::DEFAULT_CHARSET;
};
