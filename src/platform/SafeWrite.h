#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Writes a file's whole content; false (with the reason in `error`) when it could not.
using FileWriter = std::function<bool(QIODevice &device, QString *error)>;

// Writes the file through `writer` into a temporary file beside it and puts it in the old
// one's place only when everything was written, so a failed write never destroys the old file.
// The folder must exist; it is never created. On failure `error` says why, in Dutch.
bool writeFileSafely(const QString &path, const FileWriter &writer, QString *error);
