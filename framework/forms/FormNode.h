// A form description as read from its text: objects with their stored properties in stored
// order, and the objects inside them.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct FormProperty;

// One stored collection item: its properties in stored order.
struct FormItem {
    std::vector<FormProperty> properties;
};

struct FormValue {
    enum class Kind { Integer, Float, String, Identifier, Set, List, Collection, Binary };
    Kind kind = Kind::Integer;
    qint64 integer = 0;
    double real = 0;
    QString text;      // string, identifier, or binary data in hex
    QStringList items; // set members or list strings
    std::vector<FormItem> collection;
};

struct FormProperty {
    QString path; // "Font.Name" for a property of a sub-object
    FormValue value;
    int line = 0;
};

struct FormNode {
    QString name;
    QString className;
    std::vector<FormProperty> properties;
    std::vector<FormNode> children;
    int line = 0;
};
