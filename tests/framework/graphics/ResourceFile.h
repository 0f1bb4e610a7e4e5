// A Qt resource made up while a test runs: one file, :/<folder>/<name>, registered for the
// lifetime of the object.
#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QResource>
#include <QString>

// A minimal compiled resource (rcc format 1, big-endian): tree nodes for the root, the folder
// and the file, its data, then the names with Qt's resource hash.
class ResourceFile {
public:
    ResourceFile(const QString& folder, const QString& name, const QByteArray& content) {
        constexpr quint16 kDirectory = 2;
        constexpr quint16 kAnyTerritory = 0;
        constexpr quint16 kLanguageC = 1;
        const QByteArray names = Name(folder) + Name(name);
        QByteArray tree;
        QDataStream nodes(&tree, QIODevice::WriteOnly);
        nodes << quint32(0) << kDirectory << quint32(1) << quint32(1);
        nodes << quint32(0) << kDirectory << quint32(1) << quint32(2);
        nodes << quint32(Name(folder).size()) << quint16(0) << kAnyTerritory << kLanguageC
              << quint32(0);
        const quint32 treeAt = 20;
        const quint32 dataAt = treeAt + quint32(tree.size());
        QDataStream out(&rcc_, QIODevice::WriteOnly);
        out.writeRawData("qres", 4);
        out << quint32(1) << treeAt << dataAt << quint32(dataAt + 4 + content.size());
        out.writeRawData(tree.constData(), int(tree.size()));
        out << quint32(content.size());
        out.writeRawData(content.constData(), int(content.size()));
        out.writeRawData(names.constData(), int(names.size()));
        registered_ = QResource::registerResource(Data());
    }
    ~ResourceFile() {
        if (registered_)
            QResource::unregisterResource(Data());
    }
    ResourceFile(const ResourceFile&) = delete;
    ResourceFile& operator=(const ResourceFile&) = delete;
    bool Registered() const { return registered_; }

private:
    const uchar* Data() const { return reinterpret_cast<const uchar*>(rcc_.constData()); }
    static QByteArray Name(const QString& name) {
        quint32 hash = 0;
        for (const QChar c : name) {
            hash = (hash << 4) + c.unicode();
            hash ^= (hash & 0xf0000000) >> 23;
            hash &= 0x0fffffff;
        }
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << quint16(name.size()) << hash;
        for (const QChar c : name)
            out << quint16(c.unicode());
        return bytes;
    }

    QByteArray rcc_;
    bool registered_ = false;
};
