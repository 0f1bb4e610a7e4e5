// The file theme: a non-visual component naming a theme file, which skinned components use
// through their FileTheme property when their UIStyle is FromThemeFile.
#pragma once

#include "framework/core/TComponent.h"
#include "framework/core/Types.h"

#include <QString>
#include <memory>

class TBitmap;
class TsuiFileThemeMgr;
enum TsuiThemeRole : int; // skin/SUIThemes.h

class TsuiFileTheme : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString ThemeFile READ ThemeFile WRITE SetThemeFile)
public:
    explicit TsuiFileTheme(TComponent* AOwner);
    ~TsuiFileTheme() override;

    // The resolved path of the file named last.
    QString ThemeFile() const { return themeFile_; }
    // Takes the value as a path, or else its file name in the program's folder, and reads that
    // file; a name found in neither place changes nothing. The same string again does nothing.
    // Raises EFileError when the file cannot be read or is damaged: ThemeFile then holds the new
    // path, IsValid keeps its value and the lookups answer as without a file until the next
    // successful assignment. After a successful read, the owner form's skinned components that
    // use this theme get it assigned again, so they re-read their look.
    void SetThemeFile(const QString& value);

    // Whether a theme file has been read; stays true when a later name is not found.
    bool IsValid() const { return valid_; }

    // Null `graphic`: nothing happens. Raises EResourceError when the file
    // has no valid image for the role; without a file the bitmap stays as it is.
    void GetBitmap(TsuiThemeRole role, TBitmap* graphic) const;
    // Frame `frameIndex` (from 1) of `frameCount` equal-width frames of the role's image.
    // Without a file, `graphic` becomes empty (the cut of an empty strip).
    void GetFrameBitmap(TsuiThemeRole role, TBitmap* graphic, int frameCount, int frameIndex) const;
    // Without a file: false, 0, 0. A missing entry: false, -1, -1.
    bool GetBool(TsuiThemeRole role) const;
    int GetInt(TsuiThemeRole role) const;
    TColor GetColor(TsuiThemeRole role) const;

private:
    QString FindThemeFile(const QString& value) const;
    void ReapplyToOwnerForm();

    QString themeFile_;
    std::unique_ptr<TsuiFileThemeMgr> manager_; // owned
    bool valid_ = false;
};
