#include "framework/forms/FormReader.h"

#include "framework/core/Exception.h"
#include "framework/core/TCollection.h"
#include "framework/core/TCustomForm.h"
#include "framework/forms/ClassRegistry.h"
#include "framework/forms/FormParser.h"
#include "framework/forms/Identifiers.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TPicture.h"

#include <QFile>
#include <QMetaProperty>

namespace {

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EReadError(QStringLiteral("Form description %1 not found").arg(path));
    return QString::fromUtf8(file.readAll());
}

QString KindName(FormValue::Kind kind) {
    switch (kind) {
    case FormValue::Kind::Integer:
        return QStringLiteral("an integer");
    case FormValue::Kind::Float:
        return QStringLiteral("a number");
    case FormValue::Kind::String:
        return QStringLiteral("a string");
    case FormValue::Kind::Identifier:
        return QStringLiteral("an identifier");
    case FormValue::Kind::Set:
        return QStringLiteral("a set");
    case FormValue::Kind::List:
        return QStringLiteral("a list");
    case FormValue::Kind::Collection:
        return QStringLiteral("a collection");
    case FormValue::Kind::Binary:
        return QStringLiteral("binary data");
    }
    return {};
}

std::optional<QVariant> EnumValue(const QMetaProperty& mp, const FormValue& v) {
    const QMetaEnum e = mp.enumerator();
    bool ok = false;
    int value = 0;
    if (v.kind == FormValue::Kind::Identifier)
        value = e.keyToValue(v.text.toLatin1().constData(), &ok);
    else if (v.kind == FormValue::Kind::Set && e.isFlag())
        ok = v.items.isEmpty() || (value = e.keysToValue(v.items.join(u'|').toLatin1(), &ok), ok);
    else if (v.kind == FormValue::Kind::Integer)
        value = static_cast<int>(v.integer), ok = true;
    if (!ok)
        return std::nullopt;
    return QVariant(value);
}

std::optional<QVariant> PlainValue(const QMetaType& type, const FormValue& v) {
    using K = FormValue::Kind;
    switch (type.id()) {
    case QMetaType::Bool:
        if (v.kind == K::Identifier && v.text.compare(u"true", Qt::CaseInsensitive) == 0)
            return QVariant(true);
        if (v.kind == K::Identifier && v.text.compare(u"false", Qt::CaseInsensitive) == 0)
            return QVariant(false);
        return std::nullopt;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        if (v.kind == K::Integer)
            return QVariant(v.integer);
        if (v.kind == K::Identifier)
            if (const auto id = Identifiers::ToInt(v.text))
                return QVariant(*id);
        return std::nullopt;
    case QMetaType::Double:
        if (v.kind == K::Float)
            return QVariant(v.real);
        if (v.kind == K::Integer)
            return QVariant(double(v.integer));
        return std::nullopt;
    case QMetaType::QString:
        if (v.kind == K::String)
            return QVariant(v.text);
        return std::nullopt;
    case QMetaType::QChar:
        // 'x' or #n: one character, #0 for none.
        if (v.kind == K::String && v.text.size() == 1)
            return QVariant(v.text.front());
        return std::nullopt;
    case QMetaType::QStringList:
        if (v.kind == K::List)
            return QVariant(v.items);
        if (v.kind == K::String)
            return QVariant(QStringList{v.text});
        return std::nullopt;
    case QMetaType::QByteArray:
        if (v.kind == K::Binary)
            return QVariant(QByteArray::fromHex(v.text.toLatin1()));
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

// Picture properties hold a TPicture or a bare TBitmap.
bool IsGraphic(const QObject* object) {
    return qobject_cast<const TPicture*>(object) || qobject_cast<const TBitmap*>(object);
}

TBitmap* BitmapOf(QObject* graphic) {
    if (auto* picture = qobject_cast<TPicture*>(graphic))
        return picture->Bitmap();
    return qobject_cast<TBitmap*>(graphic);
}

// A picture's data starts with its graphic class; a bare bitmap's with its length.
void LoadStoredGraphic(QObject* graphic, const QByteArray& data) {
    if (auto* picture = qobject_cast<TPicture*>(graphic))
        picture->LoadFromStoredData(data);
    else
        BitmapOf(graphic)->LoadFromStoredData(data);
}

// Forms read their descriptions through this reader.
const bool gInstalled = [] {
    TCustomForm::SetDescriptionReader(&FormReader::ReadForm);
    return true;
}();

} // namespace

void FormReader::ReadForm(TCustomForm* form) {
    const QString className = QString::fromLatin1(form->metaObject()->className());
    const FormNode root =
        FormParser::Parse(ReadText(QStringLiteral(":/forms/%1.dfm").arg(className)));
    ReadInto(form, root);
}

void FormReader::ReadInto(TComponent* root, const FormNode& node) {
    if (node.className.compare(QLatin1String(root->metaObject()->className()),
                               Qt::CaseInsensitive) != 0)
        throw EReadError(QStringLiteral("Form description of %1 is for class %2")
                             .arg(QLatin1String(root->metaObject()->className()), node.className));
    FormReader reader(root);
    root->BeginLoading();
    root->SetName(node.name);
    reader.AssignAll(root, node.name, node.properties);
    reader.ReadChildren(node, root->HoldsChildComponents() ? root : nullptr);
    reader.ResolveFixups();
    root->EndLoading();
    for (TComponent* c : reader.created_)
        c->EndLoading();
    root->Loaded();
    for (TComponent* c : reader.created_)
        c->Loaded();
}

void FormReader::ReadChildren(const FormNode& node, TComponent* parent) {
    for (const FormNode& child : node.children) {
        if (!ClassRegistry::IsRegistered(child.className))
            Fail(child.line, child.name, QStringLiteral("class %1 not found").arg(child.className));
        TComponent* component = nullptr;
        Attempt(child.line, child.name, [&] {
            component = ClassRegistry::Create(child.className, root_);
            created_.push_back(component);
            component->BeginLoading();
            component->SetName(child.name);
            component->SetParentComponent(parent);
        });
        AssignAll(component, child.name, child.properties);
        ReadChildren(child, component->HoldsChildComponents() ? component : parent);
    }
}

void FormReader::AssignAll(QObject* object, const QString& where,
                           const std::vector<FormProperty>& properties) {
    for (const FormProperty& property : properties)
        Assign(object, where, property);
}

void FormReader::Assign(QObject* object, const QString& where, const FormProperty& property) {
    const QString at = where + u'.' + property.path;
    // "Font.Name": walk the sub-objects down to the last name.
    const QStringList parts = property.path.split(u'.');
    QObject* target = object;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const int index = target->metaObject()->indexOfProperty(parts[i].toLatin1().constData());
        if (index < 0)
            Fail(property.line, at, QStringLiteral("property %1 does not exist").arg(parts[i]));
        target = target->metaObject()->property(index).read(target).value<QObject*>();
        if (!target)
            Fail(property.line, at, QStringLiteral("%1 holds no object").arg(parts[i]));
    }
    AssignValue(target, parts.last().toLatin1(), at, property);
}

void FormReader::AssignValue(QObject* target, const QByteArray& name, const QString& where,
                             const FormProperty& property) {
    const FormValue& v = property.value;
    const int line = property.line;
    if (name.startsWith("On") && v.kind == FormValue::Kind::Identifier) {
        auto* component = qobject_cast<TComponent*>(target);
        bool bound = false;
        Attempt(line, where, [&] {
            bound = component && component->BindEvent(name, TMethod{root_, v.text.toLatin1()});
        });
        if (bound)
            return;
    }
    if (name == "Data" && v.kind == FormValue::Kind::Binary && IsGraphic(target)) {
        Attempt(line, where,
                [&] { LoadStoredGraphic(target, QByteArray::fromHex(v.text.toLatin1())); });
        return;
    }
    const int index = target->metaObject()->indexOfProperty(name.constData());
    if (index < 0)
        Fail(line, where, QStringLiteral("property %1 does not exist").arg(QLatin1String(name)));
    const QMetaProperty mp = target->metaObject()->property(index);
    std::optional<QVariant> value;
    if (mp.isEnumType()) {
        value = EnumValue(mp, v);
    } else if (mp.metaType().flags() & QMetaType::PointerToQObject) {
        if (mp.isWritable() && v.kind == FormValue::Kind::Identifier) {
            fixups_.push_back({target, name, v.text, where, line});
            return;
        }
        QObject* sub = mp.read(target).value<QObject*>();
        if (sub && v.kind == FormValue::Kind::Collection) {
            AssignCollection(sub, where, property);
            return;
        }
        if (IsGraphic(sub) && v.kind == FormValue::Kind::String) {
            Attempt(line, where, [&] { BitmapOf(sub)->LoadFromResourceName(v.text); });
            return;
        }
    } else {
        value = PlainValue(mp.metaType(), v);
    }
    if (!value)
        Fail(line, where,
             QStringLiteral("%1 is no valid value for %2")
                 .arg(KindName(v.kind), QLatin1String(name)));
    bool written = false;
    Attempt(line, where, [&] { written = mp.write(target, *value); });
    if (!written)
        Fail(line, where, QStringLiteral("%1 cannot be assigned").arg(QLatin1String(name)));
}

void FormReader::AssignCollection(QObject* object, const QString& where,
                                  const FormProperty& property) {
    auto* collection = qobject_cast<TCollection*>(object);
    if (!collection)
        Fail(property.line, where, QStringLiteral("%1 is no collection").arg(property.path));
    collection->Clear();
    const std::vector<FormItem>& items = property.value.collection;
    for (std::size_t i = 0; i < items.size(); ++i)
        AssignAll(collection->Add(), QStringLiteral("%1[%2]").arg(where).arg(i),
                  items[i].properties);
}

void FormReader::ResolveFixups() {
    for (const Fixup& fixup : fixups_) {
        if (!fixup.object)
            continue;
        QObject* component = nullptr;
        if (fixup.componentName.compare(u"nil", Qt::CaseInsensitive) != 0) {
            component = fixup.componentName.compare(root_->Name(), Qt::CaseInsensitive) == 0
                            ? root_
                            : root_->FindComponent(fixup.componentName);
            if (!component)
                Fail(fixup.line, fixup.where,
                     QStringLiteral("component %1 not found").arg(fixup.componentName));
        }
        const QMetaProperty mp = fixup.object->metaObject()->property(
            fixup.object->metaObject()->indexOfProperty(fixup.property.constData()));
        QVariant value = QVariant::fromValue(component);
        if (component && !value.convert(mp.metaType()))
            Fail(fixup.line, fixup.where,
                 QStringLiteral("%1 does not fit %2")
                     .arg(fixup.componentName, QLatin1String(fixup.property)));
        if (!component)
            value = QVariant(mp.metaType(), nullptr);
        Attempt(fixup.line, fixup.where, [&] { mp.write(fixup.object, value); });
    }
}

void FormReader::Attempt(int line, const QString& where, const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& error) {
        Fail(line, where, error.Message());
    }
}

void FormReader::Fail(int line, const QString& where, const QString& why) {
    throw EReadError(QStringLiteral("Form description, line %1: %2: %3").arg(line).arg(where, why));
}
