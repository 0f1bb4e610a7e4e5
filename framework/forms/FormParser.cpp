#include "framework/forms/FormParser.h"

#include "framework/core/Exception.h"

#include <utility>

namespace {
bool IsIdentStart(QChar c) {
    return c.isLetter() || c == u'_';
}
bool IsIdentChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}
} // namespace

FormNode FormParser::Parse(const QString& text) {
    FormParser parser(text);
    parser.SkipBlanks();
    FormNode root = parser.ParseObject();
    parser.SkipBlanks();
    if (parser.pos_ < text.size())
        parser.Fail(QStringLiteral("text after the last 'end'"));
    return root;
}

void FormParser::Fail(const QString& what) const {
    const QString where = where_.isEmpty() ? QString() : where_ + QStringLiteral(": ");
    throw EReadError(QStringLiteral("Form description, line %1: %2%3").arg(line_).arg(where, what));
}

void FormParser::SkipBlanks() {
    while (pos_ < text_.size()) {
        const QChar c = text_[pos_];
        if (c == u'\n')
            ++line_;
        if (!c.isSpace())
            break;
        ++pos_;
    }
}

bool FormParser::AtKeyword(const char* keyword) {
    SkipBlanks();
    const QString word = QString::fromLatin1(keyword);
    if (text_.mid(pos_, word.size()).compare(word, Qt::CaseInsensitive) != 0)
        return false;
    const qsizetype after = pos_ + word.size();
    return after >= text_.size() || !IsIdentChar(text_[after]);
}

void FormParser::Expect(QChar c) {
    SkipBlanks();
    if (Peek() != c)
        Fail(QStringLiteral("'%1' expected").arg(c));
    ++pos_;
}

QString FormParser::ReadIdentifier() {
    SkipBlanks();
    if (!IsIdentStart(Peek()))
        Fail(QStringLiteral("identifier expected"));
    const qsizetype start = pos_;
    while (pos_ < text_.size() && IsIdentChar(text_[pos_]))
        ++pos_;
    return text_.mid(start, pos_ - start);
}

QString FormParser::ReadDottedIdentifier() {
    QString name = ReadIdentifier();
    while (Peek() == u'.') {
        ++pos_;
        name += u'.' + ReadIdentifier();
    }
    return name;
}

FormNode FormParser::ParseObject() {
    if (!AtKeyword("object"))
        Fail(QStringLiteral("'object' expected"));
    FormNode node;
    node.line = line_;
    pos_ += 6;
    node.name = ReadIdentifier();
    const QString outer = std::exchange(where_, node.name);
    Expect(u':');
    node.className = ReadIdentifier();
    node.properties = ParseProperties(false);
    while (AtKeyword("object"))
        node.children.push_back(ParseObject());
    if (!AtKeyword("end"))
        Fail(QStringLiteral("'end' expected"));
    pos_ += 3;
    where_ = outer;
    return node;
}

std::vector<FormProperty> FormParser::ParseProperties(bool inItem) {
    std::vector<FormProperty> properties;
    while (true) {
        SkipBlanks();
        if (pos_ >= text_.size() || AtKeyword("end") || (!inItem && AtKeyword("object")))
            return properties;
        properties.push_back(ParseProperty());
    }
}

FormProperty FormParser::ParseProperty() {
    FormProperty property;
    property.line = line_;
    property.path = ReadDottedIdentifier();
    const QString outer = std::exchange(where_, where_ + u'.' + property.path);
    Expect(u'=');
    property.value = ParseValue();
    where_ = outer;
    return property;
}

FormValue FormParser::ParseValue() {
    SkipBlanks();
    const QChar c = Peek();
    if (c == u'\'' || c == u'#')
        return ParseString();
    if (c.isDigit() || c == u'-' || c == u'$')
        return ParseNumber();
    if (c == u'[')
        return ParseSet();
    if (c == u'(')
        return ParseList();
    if (c == u'<')
        return ParseCollection();
    if (c == u'{')
        return ParseBinary();
    if (IsIdentStart(c)) {
        FormValue v;
        v.kind = FormValue::Kind::Identifier;
        v.text = ReadDottedIdentifier();
        return v;
    }
    Fail(QStringLiteral("value expected"));
}

QString FormParser::ReadQuotedPiece() {
    // 'text' with '' for a quote, or #nnn for one character.
    QString out;
    if (Peek() == u'#') {
        ++pos_;
        const qsizetype start = pos_;
        while (Peek().isDigit())
            ++pos_;
        bool ok = false;
        const uint code = text_.mid(start, pos_ - start).toUInt(&ok);
        if (!ok || code > 0x10FFFF)
            Fail(QStringLiteral("bad character code"));
        out += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        return out;
    }
    ++pos_;
    while (true) {
        if (pos_ >= text_.size() || text_[pos_] == u'\n')
            Fail(QStringLiteral("unterminated string"));
        const QChar ch = text_[pos_++];
        if (ch != u'\'') {
            out += ch;
            continue;
        }
        if (Peek() == u'\'') {
            out += u'\'';
            ++pos_;
            continue;
        }
        return out;
    }
}

FormValue FormParser::ParseString() {
    FormValue v;
    v.kind = FormValue::Kind::String;
    while (true) {
        v.text += ReadQuotedPiece();
        // Pieces join directly ('a'#13'b') or with a plus sign across lines.
        if (Peek() == u'\'' || Peek() == u'#')
            continue;
        const qsizetype save = pos_;
        const int saveLine = line_;
        SkipBlanks();
        if (Peek() == u'+') {
            ++pos_;
            SkipBlanks();
            if (Peek() == u'\'' || Peek() == u'#')
                continue;
            Fail(QStringLiteral("string expected after '+'"));
        }
        pos_ = save;
        line_ = saveLine;
        return v;
    }
}

FormValue FormParser::ParseNumber() {
    FormValue v;
    const qsizetype start = pos_;
    if (Peek() == u'$') {
        ++pos_;
        while (pos_ < text_.size() && isxdigit(text_[pos_].toLatin1()))
            ++pos_;
        bool ok = false;
        v.integer = text_.mid(start + 1, pos_ - start - 1).toLongLong(&ok, 16);
        if (!ok)
            Fail(QStringLiteral("bad hexadecimal number"));
        return v;
    }
    if (Peek() == u'-')
        ++pos_;
    while (Peek().isDigit())
        ++pos_;
    bool isFloat = false;
    if (Peek() == u'.') {
        isFloat = true;
        ++pos_;
        while (Peek().isDigit())
            ++pos_;
    }
    const QString digits = text_.mid(start, pos_ - start);
    bool ok = false;
    if (isFloat) {
        v.kind = FormValue::Kind::Float;
        v.real = digits.toDouble(&ok);
    } else {
        v.integer = digits.toLongLong(&ok);
    }
    if (!ok)
        Fail(QStringLiteral("bad number '%1'").arg(digits));
    return v;
}

FormValue FormParser::ParseSet() {
    FormValue v;
    v.kind = FormValue::Kind::Set;
    Expect(u'[');
    SkipBlanks();
    if (Peek() == u']') {
        ++pos_;
        return v;
    }
    while (true) {
        v.items << ReadIdentifier();
        SkipBlanks();
        if (Peek() == u']') {
            ++pos_;
            return v;
        }
        Expect(u',');
    }
}

FormValue FormParser::ParseList() {
    FormValue v;
    v.kind = FormValue::Kind::List;
    Expect(u'(');
    while (true) {
        SkipBlanks();
        if (Peek() == u')') {
            ++pos_;
            return v;
        }
        const FormValue item = ParseValue();
        if (item.kind != FormValue::Kind::String)
            Fail(QStringLiteral("only strings can stand in a list"));
        v.items << item.text;
    }
}

FormValue FormParser::ParseCollection() {
    FormValue v;
    v.kind = FormValue::Kind::Collection;
    Expect(u'<');
    while (true) {
        SkipBlanks();
        if (Peek() == u'>') {
            ++pos_;
            return v;
        }
        if (!AtKeyword("item"))
            Fail(QStringLiteral("'item' expected"));
        pos_ += 4;
        const QString outer =
            std::exchange(where_, QStringLiteral("%1[%2]").arg(where_).arg(v.collection.size()));
        FormItem item;
        item.properties = ParseProperties(true);
        if (!AtKeyword("end"))
            Fail(QStringLiteral("'end' expected"));
        pos_ += 3;
        where_ = outer;
        v.collection.push_back(std::move(item));
    }
}

FormValue FormParser::ParseBinary() {
    FormValue v;
    v.kind = FormValue::Kind::Binary;
    Expect(u'{');
    while (true) {
        SkipBlanks();
        if (pos_ >= text_.size())
            Fail(QStringLiteral("unterminated binary data"));
        const QChar c = text_[pos_++];
        if (c == u'}' && v.text.size() % 2 != 0)
            Fail(QStringLiteral("binary data ends in half a byte"));
        if (c == u'}')
            return v;
        if (!isxdigit(c.toLatin1()))
            Fail(QStringLiteral("bad binary data"));
        v.text += c;
    }
}
