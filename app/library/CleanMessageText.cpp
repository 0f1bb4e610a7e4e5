#include "app/library/CleanMessageText.h"

#include "app/library/SourceNotes.h"

#include <array>

namespace {

struct Replacement {
    QString pattern;
    QString with;
};

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// In the order they apply: the long note holds the short note's words, so it goes first.
const std::array<Replacement, 5>& Replacements() {
    static const std::array<Replacement, 5> table{{
        {FromUtf8(duanxin::LongSourceNote()), QString()},
        {FromUtf8(duanxin::ShortSourceNote()), QString()},
        {QStringLiteral("|☆|"), QStringLiteral("我")},
        {QStringLiteral("|〓|"), QStringLiteral("你")},
        {QStringLiteral("|※|"), QStringLiteral("他")},
    }};
    return table;
}

} // namespace

QString CleanMessageText(const QString& text) {
    // Each step scans left to right and resumes after what it inserted, so an inserted pronoun
    // is never matched again; none of the patterns can start inside a surrogate pair.
    QString result = text;
    for (const Replacement& r : Replacements())
        result.replace(r.pattern, r.with, Qt::CaseSensitive);
    return result;
}
