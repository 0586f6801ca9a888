#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

// A 32-bit memory drawing surface with the few operations a self-drawn control needs: clearing,
// single pixels, filled and vertically graded rectangles, plain and key-colour copies, and
// word-wrapped text. Every operation clips to the surface, so odd sizes never write outside it.
class Surface {
public:
    enum class TextAlign { Centre, Left };

    Surface() = default;
    explicit Surface(QSize size);

    // Keeps the content when the size is unchanged; a new size starts from black.
    void resize(QSize size);
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    QSize size() const { return m_image.size(); }
    const QImage &image() const { return m_image; }

    void clear(QRgb colour);
    void setPixel(int x, int y, QRgb colour);
    // Black outside the surface.
    QRgb pixel(int x, int y) const;
    void fillRect(const QRect &rect, QRgb colour);

    // Fills columns [x1, x2) and rows [y1, y2) with a vertical gradient: `top` on the first
    // row, reaching `bottom` at the bottom edge, as the Windows rectangle gradient does (the
    // last row is one step short of it). x1 > x2 fills the same columns as x2, x1; a rectangle
    // without rows draws nothing.
    void gradientRect(int x1, int y1, int x2, int y2, QRgb top, QRgb bottom);

    // Copies `from` of `source` unscaled to `to`. The keyed copy leaves out every pixel whose
    // colour is `key` (alpha ignored). An empty or negative area copies nothing.
    void copy(const QImage &source, const QRect &from, QPoint to);
    void copyKeyed(const QImage &source, const QRect &from, QPoint to, QRgb key);

    void setFont(const QFont &font);
    const QFont &font() const { return m_font; }

    // Word-wrapped text laid out within `bounds`'s width. The result's right edge is that of
    // the widest line measured from bounds.left(), its height that of all lines together.
    QRect measureText(const QString &text, const QRect &bounds) const;
    // Draws word-wrapped text from the top of `rect`, clipped to it.
    void drawText(const QString &text, const QRect &rect, TextAlign align, QRgb colour);

private:
    template<typename Keep> void copyPixels(const QImage &source, QRect from, QPoint to, Keep keep);

    QImage m_image;
    QFont m_font;
};
