// What a theme holds, independent of where it is kept: a theme file, a theme folder or a
// built-in style. Packing it always gives the same bytes: the roles in role order, then the
// texts in their own order.
#pragma once

#include "skin/SUIThemes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class TsuiThemeFileReader;

struct ThemeContent {
    std::map<TsuiThemeRole, QByteArray> Images; // a complete BMP file
    // An integer, a colour (0x00BBGGRR) or a Boolean (0, 1).
    std::map<TsuiThemeRole, std::int32_t> Values;
    std::vector<std::pair<QByteArray, QString>> Texts; // free entries: ASCII name, text

    // Whether the role has a value or a picture here.
    bool Answers(TsuiThemeRole role) const;
};

// A theme file's content as pack would take it back, and what of the file it leaves out.
struct ThemeReading {
    ThemeContent Content;
    // One line per entry no role uses: unknown names, the wrong kind, a second entry of a name,
    // a picture that does not decode, a text that no theme folder line can hold.
    QStringList Unused;
};

// The role whose theme key this is, letter case aside; none when no role has that key.
std::optional<TsuiThemeRole> RoleOfKey(const QString& key);
// Whether a name can be a free text entry's: 1 to 64 ASCII letters, digits and "-_.", and no
// role's key.
bool IsTextName(const QString& name);

// Whether the bytes are a BMP file the skin can draw.
bool IsBmpPicture(const QByteArray& bytes);

QByteArray PackTheme(const ThemeContent& content);
ThemeReading ReadTheme(const TsuiThemeFileReader& reader);
// A built-in style (MacOS to BlueGlass) as a theme: its pictures' files as they are carried in
// the program, its values, and its name as the text entry "Name".
ThemeContent ExportStyle(TsuiUIStyle style);
