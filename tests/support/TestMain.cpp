// Every unit test program runs with one offscreen application object, as the program itself does.
#include <QApplication>
#include <gtest/gtest.h>

namespace {

QtMessageHandler gToolkitHandler = nullptr;

// The offscreen platform says so each time a popup asks for the keyboard or to be raised;
// the tests' output keeps to what matters.
void QuietOffscreenNotices(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    gToolkitHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    gToolkitHandler = qInstallMessageHandler(QuietOffscreenNotices);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
