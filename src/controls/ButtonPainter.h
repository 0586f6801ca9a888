#pragma once

#include "platform/Surface.h"

#include <QImage>
#include <QRegion>
#include <QString>

// Everything the painting of a push button depends on, colours already resolved.
struct ButtonLook {
    QString caption;
    QRgb foreColour = 0;
    QRgb backColour = 0;
    bool noBackground = false;
    // The prepared picture strip (32-bit, unscaled), or a null image for no picture.
    QImage strip;
    int pictures = 1;
    int pictureOffset = 0;
    // A mouse button or the space bar is down on the button. This, not the look, moves the
    // picture by the offset and shows the pressed frame: held and dragged off the button, it
    // keeps both in the hover look.
    bool pressed = false;
    bool useMaskColour = false;
    QRgb maskColour = 0;
};

// Paints a push button onto its surface in one of the five states: 0 normal, 1 hover,
// 2 pressed, 3 focused, 4 disabled.
class ButtonPainter {
public:
    ButtonPainter(Surface &surface, const ButtonLook &look);

    void DrawButton(int state);
    // The picture and the caption beside it, as one group centred in the button.
    void DrawCaption(int state);
    // Draws the picture frame for `state` beside a caption `textWidth` wide and returns how
    // many pixels were cut off its left side.
    int DrawPicture(int state, int textWidth);

private:
    int frameWidth() const;

    Surface &m_surface;
    const ButtonLook &m_look;
};

// The button's window shape: its rectangle without the four outermost corner pixels.
QRegion MakeRegion(QSize size);
