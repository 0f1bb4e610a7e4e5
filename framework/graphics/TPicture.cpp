#include "framework/graphics/TPicture.h"

#include "framework/core/Exception.h"
#include "framework/graphics/TBitmap.h"

TPicture::TPicture() : bitmap_(std::make_unique<TBitmap>()) {
    bitmap_->OnChange = [this] {
        if (OnChange)
            OnChange();
    };
}

TPicture::~TPicture() {
    bitmap_->OnChange = nullptr;
}

void TPicture::SetBitmap(const TBitmap* bitmap) {
    if (bitmap)
        bitmap_->Assign(*bitmap);
    else
        bitmap_->SetSize(0, 0);
}

int TPicture::Width() const {
    return bitmap_->Width();
}

int TPicture::Height() const {
    return bitmap_->Height();
}

bool TPicture::Empty() const {
    return bitmap_->Empty();
}

void TPicture::LoadFromResourceName(const QString& name) {
    bitmap_->LoadFromResourceName(name);
}

void TPicture::LoadFromStoredData(const QByteArray& data) {
    if (data.isEmpty())
        throw EReadError(QStringLiteral("Picture data is empty"));
    const auto nameLength = static_cast<unsigned char>(data[0]);
    if (data.size() < 1 + nameLength)
        throw EReadError(QStringLiteral("Picture data is too short"));
    const QString className = QString::fromLatin1(data.mid(1, nameLength));
    if (className.compare(u"TBitmap", Qt::CaseInsensitive) != 0)
        throw EReadError(
            QStringLiteral("Picture data holds a %1; only TBitmap can be read").arg(className));
    bitmap_->LoadFromStoredData(data.mid(1 + nameLength));
}

void TPicture::Assign(const TPersistent* source) {
    if (const auto* picture = qobject_cast<const TPicture*>(source))
        SetBitmap(picture->Bitmap());
    else if (const auto* bitmap = qobject_cast<const TBitmap*>(source))
        SetBitmap(bitmap);
    else
        TPersistent::Assign(source);
}
