#include "framework/data/TSQLStrings.h"

void TSQLStrings::Clear() {
    lines_.clear();
    Changed();
}

void TSQLStrings::Add(const QString& line) {
    lines_.append(line);
    Changed();
}

QString TSQLStrings::Strings(int index) const {
    Q_ASSERT(index >= 0 && index < Count());
    return lines_.at(index);
}

void TSQLStrings::SetLines(const QStringList& lines) {
    lines_ = lines;
    Changed();
}

void TSQLStrings::Changed() {
    if (OnChange)
        OnChange();
}
