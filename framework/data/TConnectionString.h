// A connection string taken apart: "key=value" pairs separated by ";". Keys are compared without
// regard to case and trimmed; a value may be quoted with " or ' (a doubled quote inside stands for
// one) so that it can hold ";" or blanks at its ends; an unquoted value is trimmed.
#pragma once

#include <QString>
#include <utility>
#include <vector>

class TConnectionString {
public:
    // Raises EDatabaseError for a pair without "=" or a quote that is never closed.
    static TConnectionString Parse(const QString& text);

    bool Contains(const QString& key) const;
    // The empty text for a key that is not there; the last of repeated keys wins.
    QString Value(const QString& key) const;

private:
    const QString* Find(const QString& key) const;

    std::vector<std::pair<QString, QString>> pairs_; // key, value; in the order written
};
