// The shipped library's messages in stored order, read straight from the generated file, not
// through the program: what the tests compare the program's answers with.
#pragma once

#include <QStringList>

#ifndef DUANXIN_LIBRARY_FILE
#error "DUANXIN_LIBRARY_FILE must name the generated library"
#endif

// Empty when the file cannot be read; a null value is an empty text.
QStringList LibraryRows();
