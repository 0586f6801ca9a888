#include "controls/OleColour.h"

namespace {

QPalette::ColorRole systemColourRole(int index)
{
    // The system colour indexes a button is likely to meet; others take the window colour.
    switch (index) {
    case 5: // window
        return QPalette::Base;
    case 8: // window text
        return QPalette::Text;
    case 13: // highlight
        return QPalette::Highlight;
    case 14: // highlighted text
        return QPalette::HighlightedText;
    case 15: // button face
        return QPalette::Button;
    case 18: // button text
        return QPalette::ButtonText;
    case 24: // tooltip text
        return QPalette::ToolTipText;
    default:
        return QPalette::Window;
    }
}

} // namespace

OleColour toOleColour(const QColor &colour)
{
    const QRgb rgb = colour.rgb();
    return OleColour(qRed(rgb)) | OleColour(qGreen(rgb)) << 8 | OleColour(qBlue(rgb)) << 16;
}

QRgb resolveOleColour(OleColour colour, const QPalette &palette)
{
    if (colour & 0x80000000u)
        return palette.color(QPalette::Active, systemColourRole(int(colour & 0xffu))).rgb();
    return qRgb(int(colour & 0xffu), int(colour >> 8 & 0xffu), int(colour >> 16 & 0xffu));
}
