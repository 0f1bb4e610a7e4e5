// Writes a few valid theme files into the folder named on the command line, as the fuzzer's
// starting corpus: a full theme, an empty chain, odd names and sizes, text entries.
#include "skin/support/ThemeFileWriter.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

namespace {

using W = ThemeFileWriter;

W FullTheme() {
    W writer;
    writer.AddImage("ButtonImage", W::Bmp({Qt::red, Qt::green, Qt::blue}, 4, 3))
        .AddBool("ButtonTransparentBool", 1)
        .AddImage("TitleBarButtonImage", W::Bmp({Qt::black, Qt::white}, 2, 2))
        .AddInt("TitleBarButtonLeftOffsetInt", 4)
        .AddInt("TitleBarButtonRightOffsetInt", -3)
        .AddInt("FormRoundCornerInt", 11)
        .AddInt("FormBackgroundColor", 0xE7E7E7)
        .AddInt("FormBorderColor", 0xC82C00);
    return writer;
}

W OddEntries() {
    W writer;
    writer.AddInt("formroundcornerint", 13)
        .AddInt("FormRoundCornerInt", 2)
        .Add("ShortInt", W::Integer, QByteArrayLiteral("\x01\x02"))
        .Add("EmptyBool", W::Boolean, {})
        .Add("Unknown", 7, QByteArrayLiteral("\x01\0\0\0"))
        .AddImage("CheckBoxImage", "not a bitmap");
    return writer;
}

W Texts() {
    W writer;
    writer.AddText("Author", "Velmora")
        .AddText("Name", {})
        .AddBool("TitleBarButtonTransparentBool", 0);
    return writer;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // painting the seed bitmaps needs one
    if (argc != 2) {
        std::fputs("usage: theme_file_seeds FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    try {
        if (!folder.mkpath(QStringLiteral(".")))
            throw std::runtime_error("cannot create the seed folder");
        FullTheme().Save(folder.filePath(QStringLiteral("full.theme")));
        W().Save(folder.filePath(QStringLiteral("empty.theme")));
        OddEntries().Save(folder.filePath(QStringLiteral("odd.theme")));
        Texts().Save(folder.filePath(QStringLiteral("texts.theme")));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "theme_file_seeds: %s\n", error.what());
        return 1;
    }
    return 0;
}
