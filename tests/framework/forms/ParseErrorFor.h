// The parser's error text for a form description, or a note that there was none.
#pragma once

#include "framework/core/Exception.h"
#include "framework/forms/FormParser.h"

#include <QString>

inline QString ParseErrorFor(const QString& text) {
    try {
        FormParser::Parse(text);
    } catch (const EReadError& error) {
        return error.Message();
    }
    return QStringLiteral("(no error)");
}
