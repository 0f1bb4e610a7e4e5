// Root of every framework object: a Qt object, so that properties are published through the
// meta-object system and can be read and set by name.
#pragma once

#include <QObject>

class TObject : public QObject {
    Q_OBJECT
public:
    TObject() = default;
    // The class name as the form descriptions and the skin layer spell it.
    QString ClassName() const { return QString::fromLatin1(metaObject()->className()); }
    bool InheritsFrom(const char* className) const { return inherits(className); }
};

// Data carried by a property that stands for a whole sub-object (a font, a collection).
class TPersistent : public TObject {
    Q_OBJECT
public:
    // Copies the other object's published values; the default knows nothing to copy.
    virtual void Assign(const TPersistent* source);
};
