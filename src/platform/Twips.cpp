#include "platform/Twips.h"

#include <cmath>

namespace twips {

int toPixels(double twips)
{
    // std::nearbyint rounds halves to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(twips / perPixel));
}

QPoint point(int left, int top)
{
    return { toPixels(left), toPixels(top) };
}

QSize size(int width, int height)
{
    return { toPixels(width), toPixels(height) };
}

QRect rect(int left, int top, int width, int height)
{
    return { point(left, top), size(width, height) };
}

QFont font(const QString &family, double points, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(toPixels(points * perPoint));
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

} // namespace twips
