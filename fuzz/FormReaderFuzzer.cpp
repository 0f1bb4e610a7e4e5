// Arbitrary text as a form description: the parser, then the reader into a fresh form, must end
// with a form or with one of the framework's errors, never read outside a buffer, use what they
// freed or leak what they made. Whatever class the description names for its root, it is read
// into that form, so that every input reaches the reader.
#include "framework/core/Exception.h"
#include "framework/core/TForm.h"
#include "framework/forms/FormParser.h"
#include "framework/forms/FormReader.h"

#include <QApplication>
#include <cstddef>
#include <cstdint>

namespace {

// One handler for each signature of event a description binds, named after it.
class TFuzzForm : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;

public slots:
    void Notify(TObject*) {}
    void Closing(TObject*, TCloseAction&) {}
    void Mouse(TObject*, TMouseButton, TShiftState, int, int) {}
    void Moving(TObject*, TShiftState, int, int) {}
    void Key(TObject*, std::uint16_t&, TShiftState) {}
    void Typed(TObject*, char16_t&) {}
    void DragDrop(TObject*, TObject*, int, int) {}
    void DragOver(TObject*, TObject*, int, int, TDragState, bool&) {}
    void EndDrag(TObject*, TObject*, int, int) {}
    void StartDrag(TObject*, TObject*&) {}
    void TitleButton(TObject*, int) {}
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv); // controls and their fonts need one
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        FormNode root = FormParser::Parse(text);
        root.className = QString::fromLatin1(TFuzzForm::staticMetaObject.className());
        TFuzzForm form(nullptr);
        FormReader::ReadInto(&form, root);
    } catch (const Exception&) {
    }
    return 0;
}

#include "FormReaderFuzzer.moc"
