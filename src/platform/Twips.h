#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

// The windows are laid out in twips: 1440 to the inch, 15 to a pixel at 96 dpi.
namespace twips {

inline constexpr int perPixel = 15;
inline constexpr int perPoint = 20;

// Nearest whole pixel, halves to the even neighbour.
int toPixels(double twips);

QPoint point(int left, int top);
QSize size(int width, int height);
QRect rect(int left, int top, int width, int height);

// A font sized in pixels for its points at 96 dpi, whatever the screen reports, so the
// measured layout holds on every display.
QFont font(const QString &family, double points, bool bold = false, bool italic = false);

} // namespace twips
