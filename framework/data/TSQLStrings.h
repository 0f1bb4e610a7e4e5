// The statement of a query as lines of text. Every change is reported through OnChange so that
// the query can close: a changed statement never runs against an old result.
#pragma once

#include <QStringList>
#include <functional>

class TSQLStrings {
public:
    void Clear();
    void Add(const QString& line);
    int Count() const { return static_cast<int>(lines_.size()); }
    QString Strings(int index) const;
    // The lines joined with line breaks: the statement as the engine gets it.
    QString Text() const { return lines_.join(u'\n'); }

    QStringList Lines() const { return lines_; }
    void SetLines(const QStringList& lines);

    std::function<void()> OnChange;

private:
    void Changed();

    QStringList lines_;
};
