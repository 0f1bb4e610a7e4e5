#include "framework/graphics/TTextLayout.h"

#include "framework/graphics/DrawTextFlags.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

constexpr int kTabColumns = 8;
const QString kEllipsis = QStringLiteral("...");

// Tab stops every eight characters: GDI's default stops are eight average character widths.
QString ExpandTabs(const QString& text) {
    QString out;
    int column = 0;
    for (const QChar c : text) {
        if (c == u'\t') {
            const int spaces = kTabColumns - column % kTabColumns;
            out += QString(spaces, u' ');
            column += spaces;
            continue;
        }
        out += c;
        column = (c == u'\n' || c == u'\r') ? 0 : column + 1;
    }
    return out;
}

} // namespace

TPrefixedText ResolvePrefixes(const QString& text) {
    TPrefixedText out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            out.Text += text[i];
            continue;
        }
        if (++i == text.size())
            break;
        if (text[i] != u'&' && out.Mnemonic < 0)
            out.Mnemonic = int(out.Text.size());
        out.Text += text[i];
    }
    return out;
}

TTextLayout::TTextLayout(const QString& text, const QFontMetrics& metrics, int width,
                         unsigned flags)
    : metrics_(metrics), width_(width), flags_(flags) {
    if (text.isEmpty())
        return;
    const QString expanded = (flags & DT_EXPANDTABS) ? ExpandTabs(text) : text;
    if (flags & DT_SINGLELINE) {
        AddParagraph(expanded);
        return;
    }
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    for (const QString& paragraph : expanded.split(lineBreak))
        AddParagraph(paragraph);
}

int TTextLayout::Width() const {
    int widest = 0;
    for (const Line& line : lines_)
        widest = std::max(widest, line.Width);
    return widest;
}

int TTextLayout::Height() const {
    return int(lines_.size()) * LineHeight();
}

void TTextLayout::AddParagraph(const QString& paragraph) {
    const TPrefixedText resolved =
        (flags_ & DT_NOPREFIX) ? TPrefixedText{paragraph, -1} : ResolvePrefixes(paragraph);
    const bool wraps = (flags_ & DT_WORDBREAK) && !(flags_ & DT_SINGLELINE);
    if (!wraps) {
        AddLine(resolved.Text, resolved.Mnemonic);
        return;
    }
    for (const auto& [start, end] : WrapPoints(resolved.Text)) {
        const int mnemonic =
            resolved.Mnemonic >= start && resolved.Mnemonic < end ? resolved.Mnemonic - start : -1;
        AddLine(resolved.Text.mid(start, end - start), mnemonic);
    }
}

// The [start, end) pieces of the wrapped lines: each line takes as many whole words as fit into
// the width; a single word wider than the width stands on its own line, unbroken. The spaces at
// a break belong to no line.
std::vector<std::pair<int, int>> TTextLayout::WrapPoints(const QString& text) const {
    std::vector<std::pair<int, int>> pieces;
    const int length = int(text.size());
    int start = 0;
    do {
        int lineEnd = -1;
        for (int end = start + 1; end <= length; ++end) {
            const bool boundary = end == length || text[end] == u' ';
            if (!boundary)
                continue;
            if (lineEnd >= 0 && metrics_.horizontalAdvance(text.mid(start, end - start)) > width_)
                break;
            lineEnd = end;
        }
        lineEnd = std::max(lineEnd, start);
        pieces.emplace_back(start, lineEnd);
        start = lineEnd;
        while (start < length && text[start] == u' ')
            ++start;
    } while (start < length);
    return pieces;
}

void TTextLayout::AddLine(const QString& text, int mnemonic) {
    Line line{text, mnemonic, metrics_.horizontalAdvance(text)};
    if ((flags_ & DT_END_ELLIPSIS) && line.Width > width_) {
        QString shortened = text;
        while (!shortened.isEmpty() && metrics_.horizontalAdvance(shortened + kEllipsis) > width_)
            shortened.chop(1);
        if (line.Mnemonic >= shortened.size())
            line.Mnemonic = -1;
        line.Text = shortened + kEllipsis;
        line.Width = metrics_.horizontalAdvance(line.Text);
    }
    lines_.push_back(line);
}
