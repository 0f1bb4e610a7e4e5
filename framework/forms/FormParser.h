// Reads the text of a form description:
//
//   object Form1: TForm1
//     Caption = '短信查询 V1.0'
//     Font.Style = [fsBold]
//     object Label1: TLabel ... end
//   end
//
// Strings are quoted with ' (a doubled quote stands for one) and may be joined with + and
// #nnn character codes; sets are [a, b]; lists are ( ... ); collections are < item ... end >.
#pragma once

#include "framework/forms/FormNode.h"

#include <QString>

class FormParser {
public:
    // Throws EReadError for anything malformed, naming the line and what it was reading: the
    // object, or its property ("Form1.Font.Name", an item of a collection by its place,
    // "suiForm1.TitleBarButtons[0].Top").
    static FormNode Parse(const QString& text);

private:
    explicit FormParser(const QString& text) : text_(text) {}
    FormNode ParseObject();
    std::vector<FormProperty> ParseProperties(bool inItem);
    FormProperty ParseProperty();
    FormValue ParseValue();
    FormValue ParseString();
    FormValue ParseNumber();
    FormValue ParseSet();
    FormValue ParseList();
    FormValue ParseCollection();
    FormValue ParseBinary();
    QString ReadIdentifier();
    QString ReadDottedIdentifier();
    QString ReadQuotedPiece();
    void SkipBlanks();
    bool AtKeyword(const char* keyword);
    void Expect(QChar c);
    [[noreturn]] void Fail(const QString& what) const;
    QChar Peek() const { return pos_ < text_.size() ? text_[pos_] : QChar(); }

    const QString& text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    QString where_; // the object or the property being read
};
