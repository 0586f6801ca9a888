#include "ExpectedColours.h"
#include "controls/PropertyStore.h"
#include "controls/VistaButton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <cmath>

namespace {

constexpr int W = 30;
constexpr int H = 24;
// Where the upper body ends: 24 / 2.2 = 10.9.
constexpr int middle = 11;

constexpr QRgb back = qRgb(230, 230, 180);

// The vertical rectangle gradient: row `row` of `rows`, from `top` towards `bottom`, which it
// reaches only at the edge below the last row.
QRgb graded(QRgb top, QRgb bottom, int rows, int row)
{
    auto channel = [&](int t, int b) { return (t * (rows - row) + b * row) / rows; };
    return qRgb(channel(qRed(top), qRed(bottom)), channel(qGreen(top), qGreen(bottom)),
        channel(qBlue(top), qBlue(bottom)));
}

QString colourText(QRgb colour)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
}

QRgb pixelAt(const VistaButton &button, int x, int y)
{
    return button.Image().pixel(x, y) & 0x00ffffffu;
}

// A strip of `frames` frames of 10 x 8 pixels, frame k filled with frameColour(k) and its top
// left pixel in the key colour.
constexpr QRgb key = qRgb(0, 255, 0);
QRgb frameColour(int k)
{
    constexpr QRgb colours[] = { qRgb(200, 0, 0), qRgb(0, 0, 200), qRgb(200, 200, 0) };
    return colours[k];
}

QImage strip(int frames)
{
    QImage image(10 * frames, 8, QImage::Format_RGB32);
    for (int k = 0; k < frames; ++k) {
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 10; ++x)
                image.setPixel(10 * k + x, y, x == 0 && y == 0 ? key : frameColour(k));
        }
    }
    return image;
}

void sendMouse(QWidget &widget, QEvent::Type type, QPointF at, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

// The rectangle covered by pixels of `colour`, empty when there are none.
QRect area(const QImage &image, QRgb colour)
{
    QRect found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0x00ffffffu) == (colour & 0x00ffffffu))
                found |= QRect(x, y, 1, 1);
        }
    }
    return found;
}

} // namespace

class ButtonPaintingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<VistaButton> button;

    VistaButton &plainButton()
    {
        button = std::make_unique<VistaButton>();
        button->setCaption(QString());
        button->setBackColor(back);
        button->resize(W, H);
        return *button;
    }

private Q_SLOTS:
    void paintsTheColoursOfEachState_data();
    void paintsTheColoursOfEachState();
    void paintsTheCornerPixelsOnBothSides_data();
    void paintsTheCornerPixelsOnBothSides();
    void noBackgroundShowsTheBodyOnlyWhenHoveredOrPressed_data();
    void noBackgroundShowsTheBodyOnlyWhenHoveredOrPressed();
    void disabledCaptionIsGreyWhateverTheForeColour();
    void enabledCaptionUsesTheForeColour();
    void showsThePictureFrameOfTheLook_data();
    void showsThePictureFrameOfTheLook();
    void maskColourLeavesPixelsOut_data();
    void maskColourLeavesPixelsOut();
    void pressedPictureMovesByTheOffsetAtTheNextRepaint();
    void aHeldPressMovesThePictureAlsoInTheHoverLook_data();
    void aHeldPressMovesThePictureAlsoInTheHoverLook();
    void aWidePictureIsCutAtTheMarginAndTheCaptionFollowsIt();
    void captionWithoutPictureIsCentred();
    void regionLeavesOutTheFourCornerPixels();
    void tinyButtonsPaintWithoutFault_data();
    void tinyButtonsPaintWithoutFault();
    void theScreenShowsTheDrawing();
};

void ButtonPaintingTest::paintsTheColoursOfEachState_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("expected");

    const QRgb focusTopRow = qRgb(166, 233, 251);
    const QRgb focusBottomRow = qRgb(132, 213, 239);
    const int upperRows = middle - 2;
    const int lowerRows = (H - 2) - middle;
    const int sideUpperRows = middle - 3;
    const int sideLowerRows = (H - 3) - middle;
    const int cx = W / 2;

    for (int state = 0; state < 5; ++state) {
        auto colour = [state](const char *name) { return expectedColour(name, state); };
        auto add = [state](const char *what, QPoint at, QRgb expected) {
            QTest::addRow("state %d, %s", state, what) << state << at << expected;
        };
        add("upper body, first row", { cx, 2 }, state == 3 ? focusTopRow : colour("G0"));
        add("upper body, last row", { cx, middle - 1 },
            graded(colour("G0"), colour("G1"), upperRows, upperRows - 1));
        add("lower body, first row", { cx, middle }, colour("G2"));
        add("lower body, last row", { cx, H - 3 },
            state == 3 ? focusBottomRow
                       : graded(colour("G2"), colour("G3"), lowerRows, lowerRows - 1));
        for (int x : { 1, W - 2 }) {
            const QString side = x == 1 ? QStringLiteral("left") : QStringLiteral("right");
            // Its first row (y 3) lies under a corner pixel.
            add(qPrintable(side + QStringLiteral(" column, upper second")), { x, 4 },
                graded(colour("G4"), colour("G5"), sideUpperRows, 1));
            add(qPrintable(side + QStringLiteral(" column, upper last")), { x, middle - 1 },
                graded(colour("G4"), colour("G5"), sideUpperRows, sideUpperRows - 1));
            add(qPrintable(side + QStringLiteral(" column, lower first")), { x, middle },
                colour("G6"));
            add(qPrintable(side + QStringLiteral(" column, lower last")), { x, H - 4 },
                graded(colour("G6"), colour("G7"), sideLowerRows, sideLowerRows - 1));
        }
        add("outer frame, top", { cx, 0 }, colour("C0"));
        add("outer frame, bottom", { cx, H - 1 }, colour("C0"));
        add("outer frame, left", { 0, H / 2 }, colour("C0"));
        add("outer frame, right", { W - 1, H / 2 }, colour("C0"));
        add("top inner line, start", { 3, 1 }, colour("C1"));
        add("top inner line, end", { W - 4, 1 }, colour("C1"));
        add("bottom inner line, start", { 3, H - 2 }, colour("C20"));
        add("bottom inner line, end", { W - 4, H - 2 }, colour("C20"));
        // Below the side columns the body starts at row 2 only in the columns 2 .. W - 3.
        add("below the upper side column", { 1, 2 }, colour("C8"));
    }

    // The pressed look's highlight runs, and where they stop.
    const QRgb pressedTop = qRgb(220, 237, 246);
    const QRgb pressedBottom = qRgb(109, 181, 220);
    const QRgb pressedSide = qRgb(220, 237, 245);
    QTest::newRow("pressed, top run left start") << 2 << QPoint(3, 2) << pressedTop;
    QTest::newRow("pressed, top run left end") << 2 << QPoint(6, 2) << pressedTop;
    QTest::newRow("pressed, top row after the left run")
        << 2 << QPoint(7, 2) << expectedColour("G0", 2);
    QTest::newRow("pressed, top run right start") << 2 << QPoint(W - 7, 2) << pressedTop;
    QTest::newRow("pressed, top run right end") << 2 << QPoint(W - 4, 2) << pressedTop;
    QTest::newRow("pressed, bottom run start") << 2 << QPoint(3, H - 3) << pressedBottom;
    QTest::newRow("pressed, bottom run end") << 2 << QPoint(6, H - 3) << pressedBottom;
    QTest::newRow("pressed, no bottom run on the right")
        << 2 << QPoint(W - 4, H - 3)
        << graded(expectedColour("G2", 2), expectedColour("G3", 2), lowerRows, lowerRows - 1);
    QTest::newRow("pressed, left side pixel") << 2 << QPoint(2, 3) << pressedSide;
    QTest::newRow("pressed, right side pixel") << 2 << QPoint(W - 3, 3) << pressedSide;

    // The focused look's rim inside the frame.
    QTest::newRow("focused, top row start") << 3 << QPoint(3, 2) << focusTopRow;
    QTest::newRow("focused, top row end") << 3 << QPoint(W - 4, 2) << focusTopRow;
    QTest::newRow("focused, bottom row start") << 3 << QPoint(3, H - 3) << focusBottomRow;
    QTest::newRow("focused, bottom row end") << 3 << QPoint(W - 4, H - 3) << focusBottomRow;
    for (int x : { 2, W - 3 }) {
        QTest::addRow("focused, column %d upper first", x)
            << 3 << QPoint(x, 3) << qRgb(165, 232, 251);
        QTest::addRow("focused, column %d upper last", x)
            << 3 << QPoint(x, middle - 1)
            << graded(qRgb(165, 232, 251), qRgb(161, 230, 249), sideUpperRows, sideUpperRows - 1);
        QTest::addRow("focused, column %d lower first", x)
            << 3 << QPoint(x, middle) << qRgb(146, 222, 245);
        QTest::addRow("focused, column %d lower last", x)
            << 3 << QPoint(x, H - 4)
            << graded(qRgb(146, 222, 245), qRgb(133, 213, 240), sideLowerRows, sideLowerRows - 1);
    }
}

void ButtonPaintingTest::paintsTheColoursOfEachState()
{
    QFETCH(int, state);
    QFETCH(QPoint, at);
    QFETCH(QRgb, expected);

    VistaButton &b = plainButton();
    b.DrawButton(state);
    QCOMPARE(colourText(pixelAt(b, at.x(), at.y())), colourText(expected));
}

void ButtonPaintingTest::paintsTheCornerPixelsOnBothSides_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("expected");

    struct Corner {
        const char *name;
        int x;
        int y;
    };
    const Corner corners[] = {
        { "C2", 1, 0 },
        { "C3", 2, 0 },
        { "C4", 0, 1 },
        { "C5", 1, 1 },
        { "C6", 2, 1 },
        { "C7", 0, 2 },
        { "C8", 1, 2 },
        { "C9", 2, 2 },
        { "C10", 0, 3 },
        { "C11", 1, 3 },
        { "C12", 1, H - 1 },
        { "C13", 2, H - 1 },
        { "C14", 0, H - 2 },
        { "C15", 1, H - 2 },
        { "C16", 2, H - 2 },
        { "C17", 0, H - 3 },
        { "C18", 1, H - 3 },
        { "C19", 2, H - 3 },
    };
    for (int state = 0; state < 5; ++state) {
        for (const Corner &c : corners) {
            const QRgb colour = expectedColour(c.name, state);
            QTest::addRow("state %d, %s left", state, c.name)
                << state << QPoint(c.x, c.y) << colour;
            QTest::addRow("state %d, %s right", state, c.name)
                << state << QPoint(W - 1 - c.x, c.y) << colour;
        }
    }
}

void ButtonPaintingTest::paintsTheCornerPixelsOnBothSides()
{
    QFETCH(int, state);
    QFETCH(QPoint, at);
    QFETCH(QRgb, expected);

    VistaButton &b = plainButton();
    b.DrawButton(state);
    QCOMPARE(colourText(pixelAt(b, at.x(), at.y())), colourText(expected));
}

void ButtonPaintingTest::noBackgroundShowsTheBodyOnlyWhenHoveredOrPressed_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("body");
    QTest::newRow("normal") << 0 << false;
    QTest::newRow("hover") << 1 << true;
    QTest::newRow("pressed") << 2 << true;
    QTest::newRow("focused") << 3 << false;
    QTest::newRow("disabled") << 4 << false;
}

void ButtonPaintingTest::noBackgroundShowsTheBodyOnlyWhenHoveredOrPressed()
{
    QFETCH(int, state);
    QFETCH(bool, body);

    VistaButton &b = plainButton();
    b.setNoBackground(true);
    b.DrawButton(state);
    if (body) {
        QCOMPARE(colourText(pixelAt(b, W / 2, 0)), colourText(expectedColour("C0", state)));
        QCOMPARE(colourText(pixelAt(b, W / 2, middle)), colourText(expectedColour("G2", state)));
    } else {
        QCOMPARE(area(b.Image(), back), QRect(0, 0, W, H));
    }
}

void ButtonPaintingTest::disabledCaptionIsGreyWhateverTheForeColour()
{
    VistaButton &b = plainButton();
    b.resize(120, 40);
    QFont big = b.font();
    big.setPixelSize(24);
    b.setFont(big);
    b.setCaption(QStringLiteral("IIII"));
    b.setForeColor(QColor(200, 0, 0));
    b.setEnabled(false);

    QVERIFY(!area(b.Image(), qRgb(131, 131, 131)).isEmpty());
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            const QRgb p = b.Image().pixel(x, y);
            QVERIFY2(qRed(p) <= qGreen(p) + 5, qPrintable(colourText(p)));
        }
    }
}

void ButtonPaintingTest::enabledCaptionUsesTheForeColour()
{
    VistaButton &b = plainButton();
    b.resize(120, 40);
    QFont big = b.font();
    big.setPixelSize(24);
    b.setFont(big);
    b.setCaption(QStringLiteral("IIII"));
    b.setForeColor(QColor(200, 0, 0));

    const QRect text = area(b.Image(), qRgb(200, 0, 0));
    QVERIFY(!text.isEmpty());
    QVERIFY(area(b.Image(), qRgb(131, 131, 131)).isEmpty());
    // One line, vertically centred.
    QVERIFY2(std::abs((text.top() + text.bottom()) - (b.height() - 1)) <= 4,
        qPrintable(QStringLiteral("text rows %1..%2").arg(text.top()).arg(text.bottom())));
}

void ButtonPaintingTest::showsThePictureFrameOfTheLook_data()
{
    QTest::addColumn<int>("frames");
    QTest::addColumn<bool>("fromStore");
    QTest::addColumn<QString>("look");
    QTest::addColumn<int>("expectedFrame");

    QTest::newRow("normal, 2 frames") << 2 << false << QStringLiteral("normal") << 0;
    QTest::newRow("hover, 2 frames") << 2 << false << QStringLiteral("hover") << 0;
    QTest::newRow("pressed, 2 frames") << 2 << false << QStringLiteral("pressed") << 0;
    QTest::newRow("disabled, 2 frames") << 2 << false << QStringLiteral("disabled") << 1;
    QTest::newRow("disabled, 1 frame") << 1 << false << QStringLiteral("disabled") << 0;
    QTest::newRow("pressed, 3 frames from the store")
        << 3 << true << QStringLiteral("pressed") << 2;
    QTest::newRow("disabled, 3 frames from the store")
        << 3 << true << QStringLiteral("disabled") << 1;
    QTest::newRow("hover, 3 frames from the store") << 3 << true << QStringLiteral("hover") << 0;
}

void ButtonPaintingTest::showsThePictureFrameOfTheLook()
{
    QFETCH(int, frames);
    QFETCH(bool, fromStore);
    QFETCH(QString, look);
    QFETCH(int, expectedFrame);

    VistaButton &b = plainButton();
    b.resize(40, 30);
    b.setWidgetUnderPointer([&b] { return &b; });
    if (fromStore) {
        PropertyStore store;
        b.WriteProperties(store);
        store.write(QStringLiteral("picture"), strip(frames));
        store.write(QStringLiteral("pictures"), qint64(frames));
        b.ReadProperties(store);
    } else {
        b.setPicture(strip(frames));
        b.setPictures(frames);
    }

    if (look == u"hover") {
        sendMouse(b, QEvent::MouseMove, { 20, 15 }, Qt::NoButton);
    } else if (look == u"pressed") {
        sendMouse(b, QEvent::MouseButtonPress, { 20, 15 }, Qt::LeftButton);
    } else if (look == u"disabled") {
        b.setEnabled(false);
    }

    // The frame sits centred: x (40 - 10) / 2 = 15, y (30 - 8) / 2 = 11.
    QCOMPARE(colourText(pixelAt(b, 20, 15)), colourText(frameColour(expectedFrame)));
    QCOMPARE(area(b.Image(), frameColour(expectedFrame)), QRect(15, 11, 10, 8));
}

void ButtonPaintingTest::maskColourLeavesPixelsOut_data()
{
    QTest::addColumn<bool>("useMask");
    QTest::newRow("with mask colour") << true;
    QTest::newRow("without mask colour") << false;
}

void ButtonPaintingTest::maskColourLeavesPixelsOut()
{
    QFETCH(bool, useMask);
    VistaButton &b = plainButton();
    b.resize(40, 30);
    b.setPicture(strip(2));
    b.setUseMaskColor(useMask);
    const QRgb keyed = pixelAt(b, 15, 11);
    b.setPicture(QImage());
    const QRgb body = pixelAt(b, 15, 11);
    QCOMPARE(colourText(keyed), colourText(useMask ? body : key));
}

void ButtonPaintingTest::pressedPictureMovesByTheOffsetAtTheNextRepaint()
{
    VistaButton &b = plainButton();
    b.resize(40, 30);
    b.setPicture(strip(2));
    sendMouse(b, QEvent::MouseButtonPress, { 20, 15 }, Qt::LeftButton);
    QCOMPARE(b.State(), 2);
    const QImage before = b.Image().copy();
    const QRect unmoved = area(before, frameColour(0));

    b.setPictureOffset(3);
    QCOMPARE(b.Image(), before);

    b.setCaption(QString());
    QCOMPARE(area(b.Image(), frameColour(0)), unmoved.translated(3, 3));

    // Only the pressed look moves the picture.
    sendMouse(b, QEvent::MouseButtonRelease, { 20, 15 }, Qt::NoButton);
    QCOMPARE(b.State(), 1);
    QCOMPARE(area(b.Image(), frameColour(0)), unmoved);
}

void ButtonPaintingTest::aHeldPressMovesThePictureAlsoInTheHoverLook_data()
{
    QTest::addColumn<int>("frames");
    QTest::addColumn<bool>("held");
    QTest::addColumn<QPointF>("pointer");
    QTest::addColumn<int>("expectedState");
    QTest::addColumn<int>("expectedFrame");
    QTest::addColumn<int>("shift");

    const QPointF inside(20, 15);
    const QPointF below(20, 45);
    QTest::newRow("2 frames, held, pointer on the button") << 2 << true << inside << 2 << 0 << 3;
    QTest::newRow("2 frames, held, pointer moved off") << 2 << true << below << 1 << 0 << 3;
    QTest::newRow("3 frames, held, pointer on the button") << 3 << true << inside << 2 << 2 << 3;
    QTest::newRow("3 frames, held, pointer moved off") << 3 << true << below << 1 << 2 << 3;
    QTest::newRow("3 frames, hover without a press") << 3 << false << inside << 1 << 0 << 0;
}

void ButtonPaintingTest::aHeldPressMovesThePictureAlsoInTheHoverLook()
{
    QFETCH(int, frames);
    QFETCH(bool, held);
    QFETCH(QPointF, pointer);
    QFETCH(int, expectedState);
    QFETCH(int, expectedFrame);
    QFETCH(int, shift);

    VistaButton &b = plainButton();
    b.resize(40, 30);
    b.setWidgetUnderPointer([&b] { return &b; });
    PropertyStore store;
    b.WriteProperties(store);
    store.write(QStringLiteral("picture"), strip(frames));
    store.write(QStringLiteral("pictures"), qint64(frames));
    store.write(QStringLiteral("pictureoffset"), qint64(3));
    b.ReadProperties(store);

    if (held)
        sendMouse(b, QEvent::MouseButtonPress, { 20, 15 }, Qt::LeftButton);
    sendMouse(b, QEvent::MouseMove, pointer, held ? Qt::LeftButton : Qt::NoButton);
    QCOMPARE(b.State(), expectedState);
    // Unpressed, the frame sits centred at (15, 11).
    QCOMPARE(area(b.Image(), frameColour(expectedFrame)), QRect(15 + shift, 11 + shift, 10, 8));
}

void ButtonPaintingTest::aWidePictureIsCutAtTheMarginAndTheCaptionFollowsIt()
{
    VistaButton &b = plainButton();
    b.resize(100, 30);
    QImage wide(80, 20, QImage::Format_RGB32);
    wide.fill(frameColour(2));
    b.setPicture(wide);
    b.setPictures(1);
    b.setForeColor(Qt::black);
    b.setCaption(QStringLiteral("lang"));

    const QImage image = b.Image();
    const QRect picture = area(image, frameColour(2));
    // Cut on the left at the margin, so narrower than the frame.
    QCOMPARE(picture.left(), 3);
    QVERIFY(picture.width() < 80);
    QCOMPARE(picture.height(), 20);

    // The first column with text in it, right of the picture.
    int textLeft = -1;
    for (int x = picture.right() + 1; x < 97 && textLeft < 0; ++x) {
        for (int y = 3; y < 27; ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                textLeft = x;
                break;
            }
        }
    }
    QVERIFY(textLeft > 0);
    const int gap = textLeft - picture.right() - 1;
    // Five pixels between picture and caption, plus at most the letter's own side bearing.
    QVERIFY2(gap >= 5 && gap <= 6, qPrintable(QString::number(gap)));
}

void ButtonPaintingTest::captionWithoutPictureIsCentred()
{
    VistaButton &b = plainButton();
    b.resize(120, 30);
    b.setForeColor(Qt::black);
    b.setCaption(QStringLiteral("Midden"));
    QRect text;
    for (int y = 3; y < 27; ++y) {
        for (int x = 3; x < 117; ++x) {
            if (qGray(b.Image().pixel(x, y)) < 128)
                text |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY(!text.isEmpty());
    const int leftSpace = text.left();
    const int rightSpace = 119 - text.right();
    QVERIFY2(std::abs(leftSpace - rightSpace) <= 2,
        qPrintable(QStringLiteral("%1 / %2").arg(leftSpace).arg(rightSpace)));
}

void ButtonPaintingTest::regionLeavesOutTheFourCornerPixels()
{
    QWidget window;
    window.resize(100, 60);
    auto *b = new VistaButton(&window);
    b->setGeometry(10, 10, W, H);
    window.show();

    const QRegion region = b->mask();
    QCOMPARE(region.boundingRect(), QRect(0, 0, W, H));
    for (QPoint corner :
        { QPoint(0, 0), QPoint(W - 1, 0), QPoint(0, H - 1), QPoint(W - 1, H - 1) }) {
        QVERIFY(!region.contains(corner));
        QCOMPARE(window.childAt(b->pos() + corner), nullptr);
    }
    for (QPoint inside :
        { QPoint(1, 0), QPoint(0, 1), QPoint(W - 2, H - 1), QPoint(W - 1, H - 2) }) {
        QVERIFY(region.contains(inside));
        QCOMPARE(window.childAt(b->pos() + inside), b);
    }
    int pixels = 0;
    for (const QRect &r : region)
        pixels += r.width() * r.height();
    QCOMPARE(pixels, W * H - 4);

    // A new size gets a new shape.
    b->resize(50, 20);
    QVERIFY(!b->mask().contains(QPoint(49, 19)));
    QVERIFY(b->mask().contains(QPoint(48, 19)));
}

void ButtonPaintingTest::tinyButtonsPaintWithoutFault_data()
{
    QTest::addColumn<QSize>("size");
    for (QSize s : { QSize(0, 0), QSize(1, 1), QSize(2, 3), QSize(3, 2), QSize(5, 5), QSize(7, 4) })
        QTest::addRow("%dx%d", s.width(), s.height()) << s;
}

void ButtonPaintingTest::tinyButtonsPaintWithoutFault()
{
    QFETCH(QSize, size);
    VistaButton &b = plainButton();
    b.setCaption(QStringLiteral("Opslaan"));
    b.setPicture(strip(3));
    b.resize(size);
    for (int state = 0; state < 5; ++state)
        b.DrawButton(state);
    QCOMPARE(b.Image().size(), size);
}

void ButtonPaintingTest::theScreenShowsTheDrawing()
{
    QWidget window;
    window.resize(100, 60);
    auto *b = new VistaButton(&window);
    b->setBackColor(back);
    b->setGeometry(10, 10, W, H);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QImage shown = b->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (QPoint at : { QPoint(W / 2, 0), QPoint(1, 0), QPoint(W / 2, middle), QPoint(2, H - 2) })
        QCOMPARE(colourText(shown.pixel(at) & 0xffffff), colourText(pixelAt(*b, at.x(), at.y())));
}

QTEST_MAIN(ButtonPaintingTest)
#include "tst_buttonpainting.moc"
