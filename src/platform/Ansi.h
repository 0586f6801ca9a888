#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1252, the 8-bit code page of every data file. Lossless for every byte: the five bytes
// the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the characters of the
// same number and back, so whatever a file holds is written back unchanged.
namespace Ansi {

// One character per byte.
QString decode(QByteArrayView bytes);
// The same into `text`, reusing its storage when a reader decodes line after line.
void decode(QByteArrayView bytes, QString &text);
// The same written at `out`, which has room for bytes.size() characters; returns the end. So
// many lines are decoded into one block without a string for each.
char16_t *decode(QByteArrayView bytes, char16_t *out);

// One byte per character; a character outside the code page becomes "?".
QByteArray encode(QStringView text);
// The same written at `out`, which has room for text.size() bytes; returns the end.
char *encode(QStringView text, char *out);

} // namespace Ansi
