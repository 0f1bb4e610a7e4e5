// Creates a form's components from its form description and assigns their stored values by
// name, in stored order; component references are resolved once every component exists, and
// every component is told "loaded" at the end. A picture property (TPicture or TBitmap) takes
// either the name of a bitmap resource, `Glyph = 'NAME'`, or its stored data in hex,
// `Glyph.Data = {...}` (see TPicture::LoadFromStoredData and TBitmap::LoadFromStoredData).
#pragma once

#include "framework/forms/FormNode.h"

#include <QPointer>
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
    // `where` names what a value belongs to in errors: the component's name, then the property's
    // path, an item of a collection by its place: "suiForm1.TitleBarButtons[0].PicNormal".
    struct Fixup {
        QPointer<QObject> object; // gone when the collection item it was is replaced
        QByteArray property;
        QString componentName;
        QString where;
        int line;
    };

    explicit FormReader(TComponent* root) : root_(root) {}
    // `parent` holds the objects stored inside the node: a windowed control, a menu or a menu
    // item, or null.
    void ReadChildren(const FormNode& node, TComponent* parent);
    void AssignAll(QObject* object, const QString& where,
                   const std::vector<FormProperty>& properties);
    void Assign(QObject* object, const QString& where, const FormProperty& property);
    void AssignValue(QObject* target, const QByteArray& name, const QString& where,
                     const FormProperty& property);
    void AssignCollection(QObject* collection, const QString& where, const FormProperty& property);
    void ResolveFixups();
    // Runs the part of reading that may raise (creating a component, a picture's load, a
    // setter); its error becomes a read error naming the line and what was read, with the
    // error's own text whole.
    static void Attempt(int line, const QString& where, const std::function<void()>& action);
    [[noreturn]] static void Fail(int line, const QString& where, const QString& why);

    TComponent* root_;
    std::vector<TComponent*> created_; // in creation order
    std::vector<Fixup> fixups_;
};
