#include "controls/ButtonPainter.h"

#include "controls/ButtonColours.h"

#include <algorithm>
#include <cmath>

namespace {

// Nearest whole pixel, halves to the even neighbour.
int nearest(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

struct CornerPixel {
    int x;
    int y;
    bool fromBottom; // y counts up from the bottom row
};

// The positions of frame colours 2 to 19, on the left side; the right side mirrors them.
constexpr CornerPixel cornerPixels[18] = {
    { 1, 0, false },
    { 2, 0, false },
    { 0, 1, false },
    { 1, 1, false },
    { 2, 1, false },
    { 0, 2, false },
    { 1, 2, false },
    { 2, 2, false },
    { 0, 3, false },
    { 1, 3, false },
    { 1, 1, true },
    { 2, 1, true },
    { 0, 2, true },
    { 1, 2, true },
    { 2, 2, true },
    { 0, 3, true },
    { 1, 3, true },
    { 2, 3, true },
};

constexpr int normalState = 0;
constexpr int pressedState = 2;
constexpr int focusedState = 3;
constexpr int disabledState = 4;

constexpr QRgb disabledText = qRgb(131, 131, 131);

// Extra highlights of the pressed look.
constexpr QRgb pressedTopRun = qRgb(220, 237, 246);
constexpr QRgb pressedBottomRun = qRgb(109, 181, 220);
constexpr QRgb pressedSidePixel = qRgb(220, 237, 245);

// Extra highlights of the focused look.
constexpr QRgb focusedTopRow = qRgb(166, 233, 251);
constexpr QRgb focusedBottomRow = qRgb(132, 213, 239);
constexpr QRgb focusedUpperTop = qRgb(165, 232, 251);
constexpr QRgb focusedUpperBottom = qRgb(161, 230, 249);
constexpr QRgb focusedLowerTop = qRgb(146, 222, 245);
constexpr QRgb focusedLowerBottom = qRgb(133, 213, 240);

// A run of pixels from x1 to x2 inclusive on row y.
QRect run(int x1, int x2, int y)
{
    return QRect(QPoint(x1, y), QPoint(x2, y));
}

} // namespace

ButtonPainter::ButtonPainter(Surface &surface, const ButtonLook &look)
    : m_surface(surface)
    , m_look(look)
{
}

void ButtonPainter::DrawButton(int state)
{
    if (m_surface.size().isEmpty())
        return;
    const int w = m_surface.width();
    const int h = m_surface.height();

    m_surface.clear(m_look.backColour);
    if (m_look.noBackground
        && (state == normalState || state == focusedState || state == disabledState)) {
        DrawCaption(state);
        return;
    }

    const ButtonColours &colours = buttonColours(state);
    const auto &g = colours.gradient;
    const int middle = nearest(h / 2.2);
    m_surface.gradientRect(2, 2, w - 2, middle, g[0], g[1]);
    m_surface.gradientRect(2, middle, w - 2, h - 2, g[2], g[3]);
    m_surface.gradientRect(1, 3, 2, middle, g[4], g[5]);
    m_surface.gradientRect(w - 2, 3, w - 1, middle, g[4], g[5]);
    m_surface.gradientRect(1, middle, 2, h - 3, g[6], g[7]);
    m_surface.gradientRect(w - 2, middle, w - 1, h - 3, g[6], g[7]);

    if (state == pressedState) {
        m_surface.fillRect(run(3, 6, 2), pressedTopRun);
        m_surface.fillRect(run(w - 7, w - 4, 2), pressedTopRun);
        m_surface.fillRect(run(3, 6, h - 3), pressedBottomRun);
        m_surface.setPixel(2, 3, pressedSidePixel);
        m_surface.setPixel(w - 3, 3, pressedSidePixel);
    } else if (state == focusedState) {
        m_surface.fillRect(run(3, w - 4, 2), focusedTopRow);
        m_surface.fillRect(run(3, w - 4, h - 3), focusedBottomRow);
        for (int x : { 2, w - 3 }) {
            m_surface.gradientRect(x, 3, x + 1, middle, focusedUpperTop, focusedUpperBottom);
            m_surface.gradientRect(x, middle, x + 1, h - 3, focusedLowerTop, focusedLowerBottom);
        }
    }

    // The frame goes over picture and caption.
    DrawCaption(state);

    const auto &c = colours.frame;
    m_surface.fillRect(run(0, w - 1, 0), c[0]);
    m_surface.fillRect(run(0, w - 1, h - 1), c[0]);
    m_surface.fillRect(QRect(0, 0, 1, h), c[0]);
    m_surface.fillRect(QRect(w - 1, 0, 1, h), c[0]);
    m_surface.fillRect(run(3, w - 4, 1), c[1]);
    m_surface.fillRect(run(3, w - 4, h - 2), c[20]);
    for (int i = 0; i < 18; ++i) {
        const CornerPixel &p = cornerPixels[i];
        const int y = p.fromBottom ? h - p.y : p.y;
        m_surface.setPixel(p.x, y, c[2 + i]);
        m_surface.setPixel(w - 1 - p.x, y, c[2 + i]);
    }
}

int ButtonPainter::frameWidth() const
{
    // A frame count below one would divide by nothing; such a strip is one frame.
    return nearest(double(m_look.strip.width()) / std::max(m_look.pictures, 1));
}

void ButtonPainter::DrawCaption(int state)
{
    const int w = m_surface.width();
    const int h = m_surface.height();
    const QRgb colour = state == disabledState ? disabledText : m_look.foreColour;

    const QRect measured = m_surface.measureText(m_look.caption, QRect(0, 0, w, h));
    const int clip = DrawPicture(state, measured.left() + measured.width());

    const int left = m_look.strip.isNull() ? 3 : frameWidth() + 8 - clip;
    const int top = nearest((h - measured.height()) / 2.0);
    const int bottom = nearest((h + measured.height()) / 2.0);
    m_surface.drawText(m_look.caption, QRect(QPoint(left, top), QPoint(w - 4, bottom - 1)),
        clip > 0 ? Surface::TextAlign::Left : Surface::TextAlign::Centre, colour);
}

int ButtonPainter::DrawPicture(int state, int textWidth)
{
    if (m_look.strip.isNull())
        return 0;
    const int w = m_surface.width();
    const int h = m_surface.height();
    const int ph = m_look.strip.height();
    const int fw = frameWidth();

    double x = m_look.caption.isEmpty() ? (w - fw) / 2.0 : (w - textWidth - fw - 5) / 2.0;
    int y = nearest((h - ph) / 2.0);
    if (m_look.pressed) {
        x += m_look.pictureOffset;
        y += m_look.pictureOffset;
    }

    // Keep the picture inside a 3-pixel margin, cutting what does not fit.
    double rightOverflow = 0;
    if (x + fw > w - 3)
        rightOverflow = (w - 3) - x - fw;
    double leftClip = 0;
    if (x < 3) {
        leftClip = 3 - x;
        x = 3;
    }
    int bottomOverflow = 0;
    if (y + ph > h - 3)
        bottomOverflow = h - 3 - y - ph;
    int topClip = 0;
    if (y < 3) {
        topClip = 3 - y;
        y = 3;
    }

    int frame = 0;
    if (m_look.pictures >= 2 && state == disabledState)
        frame = 1;
    else if (m_look.pictures == 3 && m_look.pressed)
        frame = 2;

    const QRect from(nearest(frame * fw + leftClip), topClip,
        nearest(fw - leftClip + rightOverflow), ph - topClip + bottomOverflow);
    const QPoint to(nearest(x), y);
    if (m_look.useMaskColour)
        m_surface.copyKeyed(m_look.strip, from, to, m_look.maskColour);
    else
        m_surface.copy(m_look.strip, from, to);
    return nearest(leftClip);
}

QRegion MakeRegion(QSize size)
{
    QRegion region(0, 0, size.width(), size.height());
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    for (QPoint corner :
        { QPoint(0, 0), QPoint(0, bottom), QPoint(right, 0), QPoint(right, bottom) })
        region -= QRegion(corner.x(), corner.y(), 1, 1);
    return region;
}
