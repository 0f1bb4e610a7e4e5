// Named integer constants that form descriptions use for colours and cursors.
#pragma once

#include <QString>
#include <optional>

class Identifiers {
public:
    static std::optional<int> ToInt(const QString& identifier);
};
