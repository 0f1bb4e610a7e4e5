// The lines DrawText puts into a rectangle: tabs expanded, "&" prefixes resolved, text broken
// at words and shortened with "..." as the format flags ask.
#pragma once

#include <QFontMetrics>
#include <QString>
#include <utility>
#include <vector>

// A caption with its "&" prefixes resolved: "&x" underlines x (the first such character only),
// "&&" is a literal "&", and a lone "&" at the end is dropped.
struct TPrefixedText {
    QString Text;
    int Mnemonic = -1; // index of the underlined character in Text, -1 for none
};
TPrefixedText ResolvePrefixes(const QString& text);

class TTextLayout {
public:
    struct Line {
        QString Text;
        int Mnemonic = -1; // index of the underlined character in Text, -1 for none
        int Width = 0;
    };

    // width: the rectangle's width, used by DT_WORDBREAK and DT_END_ELLIPSIS. The metrics are
    // kept by reference and must outlive the layout.
    TTextLayout(const QString& text, const QFontMetrics& metrics, int width, unsigned flags);

    const std::vector<Line>& Lines() const { return lines_; }
    int Width() const;
    int Height() const;
    int LineHeight() const { return metrics_.height(); }

private:
    void AddParagraph(const QString& paragraph);
    void AddLine(const QString& text, int mnemonic);
    std::vector<std::pair<int, int>> WrapPoints(const QString& text) const;

    const QFontMetrics& metrics_;
    int width_;
    unsigned flags_;
    std::vector<Line> lines_;
};
