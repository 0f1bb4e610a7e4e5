// Writes a resource carried inside the program out to a file.
#pragma once

#include <QString>

// Writes the bytes of resource `name` of type `type` to `fileName`, replacing any file of that
// name. The bytes go to a temporary file in the same folder first, which then takes the name in
// one step: a copy of the program still reading the old file keeps reading it whole.
void ExtractResource(const QString& name, const QString& type, const QString& fileName);
