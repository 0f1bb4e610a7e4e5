// Blocks of bytes carried inside the program, looked up by name and type without regard to
// case, as the program's resources are.
#pragma once

#include <QString>
#include <cstddef>
#include <span>

class ResourceStore {
public:
    // Makes a block known; the bytes must outlive the program (static data).
    static void Register(const QString& name, const QString& type, std::span<const std::byte> data);
    static void Unregister(const QString& name, const QString& type);
    // Throws EResourceError when there is no such resource.
    static std::span<const std::byte> Find(const QString& name, const QString& type);
};
