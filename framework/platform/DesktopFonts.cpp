#include "framework/platform/DesktopFonts.h"

#include <QApplication>

QFont DesktopFonts::Menu() {
    return QApplication::font("QMenu");
}
