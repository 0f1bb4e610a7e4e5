// The value of a picture property: one bitmap, owned. Form descriptions name a bitmap resource
// of the program (`Picture = 'NAME'`) or hold the picture's data (`Picture.Data = {...}`).
#pragma once

#include "framework/core/TObject.h"

#include <QByteArray>
#include <functional>
#include <memory>

class TBitmap;

class TPicture : public TPersistent {
    Q_OBJECT
public:
    TPicture();
    ~TPicture() override;

    // Never null; its OnChange belongs to the picture (use the picture's).
    TBitmap* Bitmap() const { return bitmap_.get(); }
    // Copies the bitmap's pixels; null empties the picture.
    void SetBitmap(const TBitmap* bitmap);
    int Width() const;
    int Height() const;
    bool Empty() const;

    // Raises EResourceError as TBitmap::LoadFromResourceName does.
    void LoadFromResourceName(const QString& name);
    // The data form descriptions store: the graphic's class name as a counted string (one
    // length byte, then the name), then that graphic's own data; only "TBitmap" is known (see
    // TBitmap::LoadFromStoredData). Raises EReadError for anything else and keeps the picture.
    void LoadFromStoredData(const QByteArray& data);

    // Takes a picture's or a bitmap's pixels.
    void Assign(const TPersistent* source) override;

    // Called after every change of the bitmap.
    std::function<void()> OnChange;

private:
    std::unique_ptr<TBitmap> bitmap_;
};
