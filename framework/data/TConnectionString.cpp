#include "framework/data/TConnectionString.h"

#include "framework/core/Exception.h"

namespace {

[[noreturn]] void MalformedString() {
    throw EDatabaseError(QStringLiteral(
        "The connection string is malformed: every part must be a key, '=' and a value."));
}

bool IsQuote(QChar c) {
    return c == u'"' || c == u'\'';
}

// Reads a quoted value starting at the opening quote; `pos` ends after the closing one.
QString ReadQuoted(const QString& text, qsizetype& pos) {
    const QChar quote = text[pos++];
    QString value;
    while (pos < text.size()) {
        const QChar c = text[pos++];
        if (c != quote) {
            value += c;
        } else if (pos < text.size() && text[pos] == quote) {
            value += quote;
            ++pos;
        } else {
            return value;
        }
    }
    MalformedString();
}

// Reads the value after "=" up to the next ";" (or the end); `pos` ends on that ";".
QString ReadValue(const QString& text, qsizetype& pos) {
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
    if (pos < text.size() && IsQuote(text[pos])) {
        QString value = ReadQuoted(text, pos);
        const qsizetype end = text.indexOf(u';', pos);
        // Only blanks may follow the closing quote.
        if (!text.mid(pos, end < 0 ? -1 : end - pos).trimmed().isEmpty())
            MalformedString();
        pos = end < 0 ? text.size() : end;
        return value;
    }
    const qsizetype end = text.indexOf(u';', pos);
    const qsizetype stop = end < 0 ? text.size() : end;
    QString value = text.mid(pos, stop - pos).trimmed();
    pos = stop;
    return value;
}

} // namespace

TConnectionString TConnectionString::Parse(const QString& text) {
    TConnectionString result;
    qsizetype pos = 0;
    while (pos < text.size()) {
        if (text[pos].isSpace() || text[pos] == u';') {
            ++pos; // blanks and empty pieces between two ";"
            continue;
        }
        const qsizetype equals = text.indexOf(u'=', pos);
        const qsizetype semicolon = text.indexOf(u';', pos);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals))
            MalformedString();
        const QString key = text.mid(pos, equals - pos).trimmed();
        if (key.isEmpty())
            MalformedString();
        pos = equals + 1;
        QString value = ReadValue(text, pos);
        result.pairs_.emplace_back(key, std::move(value));
    }
    return result;
}

const QString* TConnectionString::Find(const QString& key) const {
    const QString wanted = key.trimmed();
    for (auto it = pairs_.rbegin(); it != pairs_.rend(); ++it)
        if (it->first.compare(wanted, Qt::CaseInsensitive) == 0)
            return &it->second;
    return nullptr;
}

bool TConnectionString::Contains(const QString& key) const {
    return Find(key) != nullptr;
}

QString TConnectionString::Value(const QString& key) const {
    const QString* value = Find(key);
    return value ? *value : QString();
}
