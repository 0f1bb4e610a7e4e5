// Turns a stored message into the text a user sends: the collector's source notes removed and
// the person placeholders filled with 我, 你 and 他.
#pragma once

#include <QString>

QString CleanMessageText(const QString& text);
