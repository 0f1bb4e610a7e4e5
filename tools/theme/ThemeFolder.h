// A theme kept as a folder people edit: one BMP file per image role, named by the role's theme
// key (ButtonImage.bmp), and theme.txt with "key = value" lines for the other roles and, under
// a "[text]" heading, free text entries (Name, Author, ...). Colours are written #RRGGBB or
// 0x00BBGGRR, Booleans true or false, integers in decimal; "#" begins a comment line.
#pragma once

#include "ThemeContent.h"

#include <QString>

inline constexpr char kThemeValuesFile[] = "theme.txt";

// Raises EConvertError listing every fault found, each naming its file (and line), when the
// folder is no theme folder or holds anything pack cannot take.
ThemeContent ReadThemeFolder(const QString& folder);
// Writes the content into `folder`, which must not exist yet or be empty (EFileError
// otherwise, and when a file cannot be written). `origin` goes into theme.txt's first comment.
void WriteThemeFolder(const ThemeContent& content, const QString& folder, const QString& origin);
// How theme.txt writes a role's value: "#RRGGBB", "true", "-3".
QString ValueText(TsuiThemeRole role, std::int32_t value);
