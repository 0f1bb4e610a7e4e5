// Reading skinned components from form descriptions that store every value they publish: a
// form with a handler for each kind of event, and the pieces such descriptions are made of.
#pragma once

#include "framework/core/TForm.h"
#include "framework/forms/FormParser.h"
#include "framework/forms/FormReader.h"

#include <QStringList>
#include <cstdint>

// The root of the descriptions: one slot per event signature, named after it. Outside the
// namespace, since a description names its root by the bare class name.
class TStoredForm : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;

public slots:
    void Notify(TObject*) {}
    void Mouse(TObject*, TMouseButton, TShiftState, int, int) {}
    void MouseMoved(TObject*, TShiftState, int, int) {}
    void Key(TObject*, std::uint16_t&, TShiftState) {}
    void KeyPressed(TObject*, char16_t&) {}
    void DragDrop(TObject*, TObject*, int, int) {}
    void DragOver(TObject*, TObject*, int, int, TDragState, bool&) {}
    void EndDrag(TObject*, TObject*, int, int) {}
    void StartDrag(TObject*, TObject*&) {}
    void TitleButton(TObject*, int) {}
};

namespace StoredFormSupport {

// One stored object of `className` called `name`, with the value lines in the order given;
// `inner` are objects stored inside it.
inline QString StoredObject(const QString& name, const QString& className,
                            const QStringList& values, const QString& inner = {}) {
    QString text = QStringLiteral("  object %1: %2\n").arg(name, className);
    for (const QString& value : values)
        text += QStringLiteral("    %1\n").arg(value);
    return text + inner + QStringLiteral("  end\n");
}

// Reads the objects into `form` (a TStoredForm called Form1).
inline void ReadStored(TStoredForm& form, const QString& objects) {
    FormReader::ReadInto(&form, FormParser::Parse(QStringLiteral("object Form1: TStoredForm\n") +
                                                  objects + QStringLiteral("end\n")));
}

// A stored font, as every control with a font of its own stores it.
inline QStringList StoredFont() {
    return {QStringLiteral("Font.Charset = DEFAULT_CHARSET"),
            QStringLiteral("Font.Color = clWindowText"), QStringLiteral("Font.Height = -12"),
            QStringLiteral("Font.Name = 'Tahoma'"), QStringLiteral("Font.Style = []")};
}

} // namespace StoredFormSupport
