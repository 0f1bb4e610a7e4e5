// Answers theme roles from the theme file loaded last, through its reader.
#pragma once

#include "framework/core/Types.h"

#include <QString>
#include <memory>

class TBitmap;
class TsuiThemeFileReader;
enum TsuiThemeRole : int; // skin/SUIThemes.h

class TsuiFileThemeMgr {
public:
    TsuiFileThemeMgr();
    ~TsuiFileThemeMgr();
    TsuiFileThemeMgr(const TsuiFileThemeMgr&) = delete;
    TsuiFileThemeMgr& operator=(const TsuiFileThemeMgr&) = delete;

    // False, keeping the current reader, when no file exists at that name. Otherwise the
    // current reader goes and the file is read; when that raises (EFileError), no reader is left.
    bool Load(const QString& fileName);

    // Roles are named by their theme keys in the file.
    // Loads `graphic` from the role's image; without a reader `graphic` stays as it is. Raises
    // EResourceError when the file has no such image or its bytes are no valid bitmap.
    void GetBitmap(TsuiThemeRole role, TBitmap& graphic) const;
    // Without a reader: false, 0 and 0. A missing entry: false, -1 and -1.
    bool GetBool(TsuiThemeRole role) const;
    int GetInt(TsuiThemeRole role) const;
    TColor GetColor(TsuiThemeRole role) const; // colours are integer entries, 0x00BBGGRR

private:
    std::unique_ptr<TsuiThemeFileReader> reader_; // owned; none until a file is loaded
};
