// Files compiled into the program as Qt resources, found by name as the program's resources
// are: ":/FOLDER/NAME.SUFFIX", tried as given and then in upper case.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QtResources {
public:
    // The resource's path, or nothing when there is no such resource.
    static std::optional<QString> Locate(const QString& folder, const QString& name,
                                         const QString& suffix);
    // The file's bytes, or nothing when there is no such resource.
    static std::optional<QByteArray> Read(const QString& folder, const QString& name,
                                          const QString& suffix);
};
