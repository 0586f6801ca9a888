#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A bank file's bytes, read with a bound: a statement of even a busy year is a few megabytes, so
// anything much larger (a disk image, /dev/zero) is refused before it fills the memory.

// Larger files are refused.
inline constexpr qint64 GrootsteBankBestand = 64 * 1024 * 1024;

// The bytes of the file at `pad`; nothing when it is missing, a folder, not readable or larger
// than `grens` bytes, with the reason in Dutch in `fout`.
std::optional<QByteArray> LeesBankBestand(
    const QString &pad, QString *fout, qint64 grens = GrootsteBankBestand);
