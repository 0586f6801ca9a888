#include "platform/Surface.h"

#include <QTest>

namespace {

QRgb rgb(QRgb colour)
{
    return colour & 0x00ffffffu;
}

constexpr QRgb paper = qRgb(10, 20, 30);

// Every pixel of `surface` outside `inside` still has the colour `colour`.
bool untouchedOutside(const Surface &surface, const QRect &inside, QRgb colour)
{
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            if (!inside.contains(x, y) && rgb(surface.pixel(x, y)) != rgb(colour))
                return false;
        }
    }
    return true;
}

QRect inked(const Surface &surface, QRgb background)
{
    QRect found;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            if (rgb(surface.pixel(x, y)) != rgb(background))
                found |= QRect(x, y, 1, 1);
        }
    }
    return found;
}

} // namespace

class SurfaceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void clearAndPixels();
    void pixelsOutsideAreIgnored();
    void gradientRowsFollowTheRectangleGradient_data();
    void gradientRowsFollowTheRectangleGradient();
    void gradientFillsOnlyItsRectangle_data();
    void gradientFillsOnlyItsRectangle();
    void copyTakesEveryPixelAndKeyedCopyLeavesTheKeyOut();
    void copiesAreClippedAtBothSurfaces_data();
    void copiesAreClippedAtBothSurfaces();
    void measuredTextGivesWidestLineAndHeight();
    void textIsDrawnInsideItsRectangle_data();
    void textIsDrawnInsideItsRectangle();
    void centredAndLeftText();
};

void SurfaceTest::clearAndPixels()
{
    Surface s(QSize(4, 3));
    s.clear(paper);
    QCOMPARE(rgb(s.pixel(3, 2)), rgb(paper));
    s.setPixel(1, 2, qRgb(1, 2, 3));
    QCOMPARE(rgb(s.pixel(1, 2)), rgb(qRgb(1, 2, 3)));
    QVERIFY(untouchedOutside(s, QRect(1, 2, 1, 1), paper));
    s.fillRect(QRect(1, 0, 2, 2), qRgb(9, 9, 9));
    QCOMPARE(inked(s, paper), QRect(1, 0, 2, 3));
}

void SurfaceTest::pixelsOutsideAreIgnored()
{
    Surface s(QSize(3, 3));
    s.clear(paper);
    for (QPoint p : { QPoint(-1, 0), QPoint(3, 0), QPoint(0, -1), QPoint(0, 3) })
        s.setPixel(p.x(), p.y(), qRgb(255, 255, 255));
    s.fillRect(QRect(-5, -5, 4, 20), qRgb(255, 255, 255));
    QVERIFY(untouchedOutside(s, QRect(), paper));
    QCOMPARE(rgb(s.pixel(-1, 0)), rgb(qRgb(0, 0, 0)));
}

void SurfaceTest::gradientRowsFollowTheRectangleGradient_data()
{
    QTest::addColumn<QRgb>("top");
    QTest::addColumn<QRgb>("bottom");
    QTest::addColumn<QList<int>>("reds");
    // The first row has the top colour; the bottom colour would come on the row below.
    QTest::newRow("two rows, 0 to 255")
        << qRgb(0, 0, 0) << qRgb(255, 0, 0) << QList<int>({ 0, 127 });
    QTest::newRow("four rows, 0 to 255")
        << qRgb(0, 0, 0) << qRgb(255, 0, 0) << QList<int>({ 0, 63, 127, 191 });
    QTest::newRow("four rows, 255 down to 0")
        << qRgb(255, 0, 0) << qRgb(0, 0, 0) << QList<int>({ 255, 191, 127, 63 });
    QTest::newRow("one row") << qRgb(200, 0, 0) << qRgb(0, 0, 0) << QList<int>({ 200 });
    QTest::newRow("three rows, 242 to 235")
        << qRgb(242, 0, 0) << qRgb(235, 0, 0) << QList<int>({ 242, 239, 237 });
    QTest::newRow("equal colours")
        << qRgb(77, 0, 0) << qRgb(77, 0, 0) << QList<int>({ 77, 77, 77 });
}

void SurfaceTest::gradientRowsFollowTheRectangleGradient()
{
    QFETCH(QRgb, top);
    QFETCH(QRgb, bottom);
    QFETCH(QList<int>, reds);

    Surface s(QSize(3, int(reds.size()) + 2));
    s.clear(paper);
    s.gradientRect(1, 1, 2, 1 + int(reds.size()), top, bottom);
    for (int row = 0; row < reds.size(); ++row)
        QCOMPARE(qRed(s.pixel(1, 1 + row)), reds[row]);
    QVERIFY(untouchedOutside(s, QRect(1, 1, 1, int(reds.size())), paper));
}

void SurfaceTest::gradientFillsOnlyItsRectangle_data()
{
    QTest::addColumn<QRect>("corners"); // x1, y1 as the top left, x2, y2 as the bottom right
    QTest::addColumn<QRect>("filled");
    QTest::newRow("plain") << QRect(QPoint(2, 1), QPoint(5, 4)) << QRect(2, 1, 3, 3);
    QTest::newRow("x swapped") << QRect(QPoint(5, 1), QPoint(2, 4)) << QRect(2, 1, 3, 3);
    QTest::newRow("no columns") << QRect(QPoint(3, 1), QPoint(3, 4)) << QRect();
    QTest::newRow("no rows") << QRect(QPoint(2, 4), QPoint(5, 4)) << QRect();
    QTest::newRow("rows upside down") << QRect(QPoint(2, 4), QPoint(5, 1)) << QRect();
    QTest::newRow("past every edge") << QRect(QPoint(-3, -2), QPoint(20, 20)) << QRect(0, 0, 8, 6);
    QTest::newRow("wholly outside") << QRect(QPoint(9, 1), QPoint(12, 4)) << QRect();
}

void SurfaceTest::gradientFillsOnlyItsRectangle()
{
    QFETCH(QRect, corners);
    QFETCH(QRect, filled);
    Surface s(QSize(8, 6));
    s.clear(paper);
    const QRgb colour = qRgb(200, 100, 50);
    s.gradientRect(
        corners.left(), corners.top(), corners.right(), corners.bottom(), colour, colour);
    QCOMPARE(inked(s, paper), filled);
}

void SurfaceTest::copyTakesEveryPixelAndKeyedCopyLeavesTheKeyOut()
{
    QImage source(3, 2, QImage::Format_RGB32);
    source.fill(qRgb(200, 0, 0));
    source.setPixel(1, 0, qRgb(0, 255, 0));

    Surface plain(QSize(5, 5));
    plain.clear(paper);
    plain.copy(source, QRect(0, 0, 3, 2), QPoint(1, 2));
    QCOMPARE(rgb(plain.pixel(2, 2)), rgb(qRgb(0, 255, 0)));
    QCOMPARE(rgb(plain.pixel(1, 3)), rgb(qRgb(200, 0, 0)));
    QCOMPARE(inked(plain, paper), QRect(1, 2, 3, 2));

    Surface keyed(QSize(5, 5));
    keyed.clear(paper);
    keyed.copyKeyed(source, QRect(0, 0, 3, 2), QPoint(1, 2), qRgb(0, 255, 0));
    QCOMPARE(rgb(keyed.pixel(2, 2)), rgb(paper));
    QCOMPARE(rgb(keyed.pixel(1, 2)), rgb(qRgb(200, 0, 0)));
    QCOMPARE(rgb(keyed.pixel(3, 3)), rgb(qRgb(200, 0, 0)));
}

void SurfaceTest::copiesAreClippedAtBothSurfaces_data()
{
    QTest::addColumn<QRect>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("inside") << QRect(1, 1, 2, 2) << QPoint(0, 0) << QRect(0, 0, 2, 2);
    QTest::newRow("target left and above")
        << QRect(0, 0, 4, 4) << QPoint(-2, -1) << QRect(0, 0, 2, 3);
    QTest::newRow("target right and below")
        << QRect(0, 0, 4, 4) << QPoint(4, 3) << QRect(4, 3, 2, 2);
    QTest::newRow("source beyond its image")
        << QRect(2, 2, 5, 5) << QPoint(1, 1) << QRect(1, 1, 2, 2);
    QTest::newRow("source before its image")
        << QRect(-1, 0, 3, 1) << QPoint(1, 1) << QRect(2, 1, 2, 1);
    QTest::newRow("negative width") << QRect(0, 0, -2, 3) << QPoint(1, 1) << QRect();
    QTest::newRow("zero height") << QRect(0, 0, 2, 0) << QPoint(1, 1) << QRect();
}

void SurfaceTest::copiesAreClippedAtBothSurfaces()
{
    QFETCH(QRect, from);
    QFETCH(QPoint, to);
    QFETCH(QRect, expected);
    // Each source pixel carries its own position, so a shifted copy shows.
    QImage source(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            source.setPixel(x, y, qRgb(100 + x, 100 + y, 0));

    for (bool keyedCopy : { false, true }) {
        Surface s(QSize(6, 5));
        s.clear(paper);
        if (keyedCopy)
            s.copyKeyed(source, from, to, qRgb(0, 255, 0));
        else
            s.copy(source, from, to);
        QCOMPARE(inked(s, paper), expected);
        if (!expected.isEmpty()) {
            const QPoint at = expected.topLeft();
            const QPoint sourceAt = from.topLeft() + (at - to);
            QCOMPARE(rgb(s.pixel(at.x(), at.y())), rgb(source.pixel(sourceAt)));
        }
    }
}

void SurfaceTest::measuredTextGivesWidestLineAndHeight()
{
    Surface s(QSize(200, 100));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    s.setFont(font);

    const QRect one = s.measureText(QStringLiteral("Vaste"), QRect(0, 0, 200, 100));
    const QRect wide = s.measureText(QStringLiteral("Vaste lasten"), QRect(0, 0, 200, 100));
    QCOMPARE(one.height(), wide.height());
    QVERIFY(wide.width() > one.width());

    // Too narrow for both words: two lines, as wide as the wider word.
    const QRect wrapped
        = s.measureText(QStringLiteral("Vaste lasten"), QRect(0, 0, one.width() + 10, 100));
    const QRect second = s.measureText(QStringLiteral("lasten"), QRect(0, 0, 200, 100));
    QCOMPARE(wrapped.height(), 2 * one.height());
    QCOMPARE(wrapped.width(), std::max(one.width(), second.width()));
    QCOMPARE(wrapped.topLeft(), QPoint(0, 0));

    // The right edge counts from the left of the bounds.
    const QRect moved = s.measureText(QStringLiteral("Vaste"), QRect(30, 5, 100, 50));
    QCOMPARE(moved.left() + moved.width(), 30 + one.width());

    QCOMPARE(s.measureText(QString(), QRect(0, 0, 50, 50)).size(), QSize(0, 0));
}

void SurfaceTest::textIsDrawnInsideItsRectangle_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::newRow("roomy") << QRect(10, 10, 150, 60);
    QTest::newRow("too narrow for the words") << QRect(20, 10, 12, 40);
    QTest::newRow("too low for two lines") << QRect(20, 10, 40, 8);
}

void SurfaceTest::textIsDrawnInsideItsRectangle()
{
    QFETCH(QRect, rect);
    Surface s(QSize(200, 100));
    s.clear(qRgb(255, 255, 255));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    s.setFont(font);
    s.drawText(
        QStringLiteral("Opslaan als nieuwe lijst"), rect, Surface::TextAlign::Left, qRgb(0, 0, 0));
    const QRect ink = inked(s, qRgb(255, 255, 255));
    QVERIFY(!ink.isEmpty());
    QVERIFY2(rect.contains(ink),
        qPrintable(QStringLiteral("%1,%2 %3x%4")
                       .arg(ink.x())
                       .arg(ink.y())
                       .arg(ink.width())
                       .arg(ink.height())));
}

void SurfaceTest::centredAndLeftText()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    const QRect rect(0, 0, 200, 30);
    auto inkFor = [&](Surface::TextAlign align) {
        Surface s(QSize(200, 30));
        s.clear(qRgb(255, 255, 255));
        s.setFont(font);
        s.drawText(QStringLiteral("Midden"), rect, align, qRgb(0, 0, 0));
        return inked(s, qRgb(255, 255, 255));
    };
    const QRect left = inkFor(Surface::TextAlign::Left);
    const QRect centred = inkFor(Surface::TextAlign::Centre);
    QVERIFY(left.left() <= 2);
    QVERIFY(std::abs(centred.left() - (199 - centred.right())) <= 2);
    QCOMPARE(centred.width(), left.width());
}

QTEST_MAIN(SurfaceTest)
#include "tst_surface.moc"
