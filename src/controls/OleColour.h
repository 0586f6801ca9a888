#pragma once

#include <QColor>
#include <QPalette>

// Colours as the stored properties carry them: 0x00BBGGRR, or with the top bit set an index
// into the system colours (0x8000000F is the button face).
using OleColour = quint32;

inline constexpr OleColour oleButtonFace = 0x8000000Fu;

OleColour toOleColour(const QColor &colour);
// System colours are taken from `palette`, so the button follows the desktop's look.
QRgb resolveOleColour(OleColour colour, const QPalette &palette);
