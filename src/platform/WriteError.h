#pragma once

#include <QString>

class QIODevice;

// Why the system refused to write, told in Dutch from its error number (errno): a full disk, a
// file too large for the disk, no permission, a missing folder, a read-only disk, or another
// reason. The system's own texts are English; no text shown to the user comes from them.
QString writeErrorReason(int systemError);

// Writes all `size` bytes to `device`. When it takes fewer, false with the reason in `error`,
// taken from the system's error number right after the failing write.
bool writeAll(QIODevice &device, const char *bytes, qint64 size, QString *error);
