#include "platform/Surface.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

constexpr QRgb opaque(QRgb colour)
{
    return colour | 0xff000000u;
}

int textFlags(Surface::TextAlign align)
{
    return Qt::TextWordWrap | Qt::AlignTop
        | (align == Surface::TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
}

} // namespace

Surface::Surface(QSize size)
{
    resize(size);
}

void Surface::resize(QSize size)
{
    if (size == m_image.size())
        return;
    if (size.isEmpty()) {
        m_image = QImage();
        return;
    }
    m_image = QImage(size, QImage::Format_RGB32);
    m_image.fill(opaque(0));
}

void Surface::clear(QRgb colour)
{
    if (!m_image.isNull())
        m_image.fill(opaque(colour));
}

void Surface::setPixel(int x, int y, QRgb colour)
{
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return;
    reinterpret_cast<QRgb *>(m_image.scanLine(y))[x] = opaque(colour);
}

QRgb Surface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return opaque(0);
    return reinterpret_cast<const QRgb *>(m_image.constScanLine(y))[x];
}

void Surface::fillRect(const QRect &rect, QRgb colour)
{
    const QRect area = rect.intersected(m_image.rect());
    if (area.isEmpty())
        return;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        std::fill(row + area.left(), row + area.right() + 1, opaque(colour));
    }
}

void Surface::gradientRect(int x1, int y1, int x2, int y2, QRgb top, QRgb bottom)
{
    if (x1 > x2)
        std::swap(x1, x2);
    const int rows = y2 - y1;
    if (rows <= 0 || x1 == x2)
        return;
    const int left = std::max(x1, 0);
    const int right = std::min(x2, width());
    const int first = std::max(y1, 0);
    const int last = std::min(y2, height());
    if (left >= right)
        return;

    // Channels run in 16 bits, as the vertices of a gradient fill carry them.
    const auto channel = [rows](int from, int to, int step) {
        const qint64 wide = qint64(from) * 256 * (rows - step) + qint64(to) * 256 * step;
        return int(wide / rows / 256);
    };
    for (int y = first; y < last; ++y) {
        const int step = y - y1;
        const QRgb colour = qRgb(channel(qRed(top), qRed(bottom), step),
            channel(qGreen(top), qGreen(bottom), step), channel(qBlue(top), qBlue(bottom), step));
        auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        std::fill(row + left, row + right, colour);
    }
}

template<typename Keep>
void Surface::copyPixels(const QImage &source, QRect from, QPoint to, Keep keep)
{
    if (from.width() <= 0 || from.height() <= 0 || source.isNull() || m_image.isNull())
        return;
    // Clip against the source, then against this surface, moving the target along.
    const QRect inSource = from.intersected(source.rect());
    to += inSource.topLeft() - from.topLeft();
    const QRect target = QRect(to, inSource.size()).intersected(m_image.rect());
    if (target.isEmpty())
        return;
    const QPoint sourceStart = inSource.topLeft() + (target.topLeft() - to);

    const QImage pixels
        = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
        ? source
        : source.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < target.height(); ++row) {
        const auto *in = reinterpret_cast<const QRgb *>(pixels.constScanLine(sourceStart.y() + row))
            + sourceStart.x();
        auto *out = reinterpret_cast<QRgb *>(m_image.scanLine(target.top() + row)) + target.left();
        for (int column = 0; column < target.width(); ++column) {
            if (keep(in[column]))
                out[column] = opaque(in[column]);
        }
    }
}

void Surface::copy(const QImage &source, const QRect &from, QPoint to)
{
    copyPixels(source, from, to, [](QRgb) { return true; });
}

void Surface::copyKeyed(const QImage &source, const QRect &from, QPoint to, QRgb key)
{
    const QRgb colour = key & 0x00ffffffu;
    copyPixels(source, from, to, [colour](QRgb pixel) { return (pixel & 0x00ffffffu) != colour; });
}

void Surface::setFont(const QFont &font)
{
    m_font = font;
}

QRect Surface::measureText(const QString &text, const QRect &bounds) const
{
    if (text.isEmpty())
        return { bounds.topLeft(), QSize(0, 0) };
    const QFontMetrics metrics
        = m_image.isNull() ? QFontMetrics(m_font) : QFontMetrics(m_font, &m_image);
    const QRect used = metrics.boundingRect(bounds, textFlags(TextAlign::Centre), text);
    return { bounds.topLeft(), used.size() };
}

void Surface::drawText(const QString &text, const QRect &rect, TextAlign align, QRgb colour)
{
    if (text.isEmpty() || m_image.isNull() || rect.isEmpty())
        return;
    QPainter painter(&m_image);
    painter.setFont(m_font);
    painter.setPen(QColor::fromRgb(colour));
    painter.drawText(rect, textFlags(align), text);
}
