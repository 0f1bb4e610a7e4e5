// Creates a form's components from its form description and assigns their stored values by
// name, in stored order; component references are resolved once every component exists, and
// every component is told "loaded" at the end. A picture property (TPicture or TBitmap) takes
// either the name of a bitmap resource, `Glyph = 'NAME'`, or its stored data in hex,
// `Glyph.Data = {...}` (see TPicture::LoadFromStoredData and TBitmap::LoadFromStoredData).
#pragma once

#include "framework/forms/FormNode.h"

#include <functional>
#include <vector>

class QObject;
class TComponent;
class TCustomForm;

class FormReader {
public:
    // Reads ":/forms/<class name>.dfm" into the form.
    static void ReadForm(TCustomForm* form);
    // Reads a parsed description into `root` (used by tests with descriptions of their own).
    static void ReadInto(TComponent* root, const FormNode& node);

private:
    struct Fixup {
        QObject* object;
        QByteArray property;
        QString componentName;
        int line;
    };

    explicit FormReader(TComponent* root) : root_(root) {}
    // `parent` holds the objects stored inside the node: a windowed control, a menu or a menu
    // item, or null.
    void ReadChildren(const FormNode& node, TComponent* parent);
    void AssignAll(QObject* object, const std::vector<FormProperty>& properties);
    void Assign(QObject* object, const FormProperty& property);
    void AssignValue(QObject* target, const QByteArray& name, const FormProperty& property);
    void AssignCollection(QObject* collection, const FormProperty& property);
    void ResolveFixups();
    // Runs the part of an assignment that may raise (a picture's load, a setter); its error
    // becomes a read error naming the line and the property, with the error's own text whole.
    static void Attempt(int line, const QString& path, const std::function<void()>& action);
    [[noreturn]] static void Fail(int line, const QString& why);
    [[noreturn]] static void Fail(const FormProperty& property, const QString& why);

    TComponent* root_;
    std::vector<TComponent*> created_; // in creation order
    std::vector<Fixup> fixups_;
};
