// The fonts the desktop gives the program's standard parts.
#pragma once

#include <QFont>

class DesktopFonts {
public:
    // The font of the desktop's menus (the toolkit's for its menu class).
    static QFont Menu();
};
