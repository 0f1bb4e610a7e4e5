// Where the program's own file is, so that files installed beside it are found wherever it was
// started from.
#pragma once

#include <QString>

class ProgramFolder {
public:
    // The folder of the application's ExeName. Code that runs before or without a TApplication
    // (a library's tests, a tool) gets the folder of the toolkit application's program; empty
    // when neither exists.
    static QString Path();
};
