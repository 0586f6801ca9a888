#include "controls/PropertyStore.h"
#include "controls/VistaButton.h"

#include <QTest>

namespace {

QImage twoFrames()
{
    QImage strip(20, 8, QImage::Format_RGB32);
    strip.fill(QColor(200, 0, 0));
    for (int y = 0; y < 8; ++y)
        for (int x = 10; x < 20; ++x)
            strip.setPixel(x, y, qRgb(0, 0, 200));
    return strip;
}

} // namespace

class ButtonPropertiesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesEveryKeyInItsOrder();
    void everyPropertyReadsBack();
    void missingKeysKeepThePresentValues();
    void missingBackColorIsTheButtonFace();
    void storedDisabledButtonIsDisabledWithoutTabStop();
    void storedFrameCountIsTakenAsStored_data();
    void storedFrameCountIsTakenAsStored();
    void numbersOutOfRangeKeepThePresentValue();
};

void ButtonPropertiesTest::writesEveryKeyInItsOrder()
{
    VistaButton button;
    PropertyStore store;
    button.WriteProperties(store);
    const QStringList expected = { QStringLiteral("_extentx"), QStringLiteral("_extenty"),
        QStringLiteral("caption"), QStringLiteral("forecolor"), QStringLiteral("font"),
        QStringLiteral("picture"), QStringLiteral("pictures"), QStringLiteral("usemaskcolor"),
        QStringLiteral("maskcolor"), QStringLiteral("enabled"), QStringLiteral("nobackground"),
        QStringLiteral("backcolor"), QStringLiteral("pictureoffset") };
    QCOMPARE(store.keys(), expected);
    // The button face is written as the system colour it is, not as today's shade of it.
    QCOMPARE(store.readNumber(QStringLiteral("backcolor"), 0), qint64(qint32(0x8000000F)));
    QCOMPARE(store.readNumber(QStringLiteral("maskcolor"), 0), 0x00FF00);
}

void ButtonPropertiesTest::everyPropertyReadsBack()
{
    VistaButton original;
    original.resize(57, 31);
    original.setCaption(QStringLiteral("Vaste \"lasten\""));
    original.setForeColor(QColor(10, 20, 30));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setItalic(true);
    original.setFont(font);
    original.setPicture(twoFrames());
    original.setPictures(1);
    original.setUseMaskColor(false);
    original.setMaskColor(QColor(1, 2, 3));
    original.setEnabled(false);
    original.setNoBackground(true);
    original.setBackColor(QColor(230, 230, 180));
    original.setPictureOffset(-2);

    PropertyStore store;
    original.WriteProperties(store);
    VistaButton copy;
    copy.ReadProperties(PropertyStore::fromText(store.toText()));

    QCOMPARE(copy.size(), QSize(57, 31));
    QCOMPARE(copy.Caption(), original.Caption());
    QCOMPARE(copy.ForeColor(), QColor(10, 20, 30));
    QCOMPARE(copy.font().pixelSize(), 15);
    QVERIFY(copy.font().italic());
    QCOMPARE(copy.Picture().convertToFormat(QImage::Format_RGB32), twoFrames());
    QCOMPARE(copy.Pictures(), 1);
    QVERIFY(!copy.UseMaskColor());
    QCOMPARE(copy.MaskColor(), QColor(1, 2, 3));
    QVERIFY(!copy.isEnabled());
    QCOMPARE(copy.State(), 4);
    QVERIFY(copy.NoBackground());
    QCOMPARE(copy.BackColor(), QColor(230, 230, 180));
    QCOMPARE(copy.PictureOffset(), -2);
    QCOMPARE(copy.Image(), original.Image());
}

void ButtonPropertiesTest::missingKeysKeepThePresentValues()
{
    VistaButton button;
    button.setCaption(QStringLiteral("Blijft"));
    button.setForeColor(QColor(5, 6, 7));
    button.setPictures(1);
    button.setPictureOffset(4);
    PropertyStore store;
    store.write(QStringLiteral("NoBackground"), true);
    button.ReadProperties(store);
    QCOMPARE(button.Caption(), QStringLiteral("Blijft"));
    QCOMPARE(button.ForeColor(), QColor(5, 6, 7));
    QCOMPARE(button.Pictures(), 1);
    QCOMPARE(button.PictureOffset(), 4);
    QVERIFY(button.UseMaskColor());
    QVERIFY(button.NoBackground());
    QVERIFY(button.isEnabled());
}

void ButtonPropertiesTest::missingBackColorIsTheButtonFace()
{
    VistaButton button;
    button.setBackColor(QColor(1, 1, 1));
    button.ReadProperties(PropertyStore());
    QCOMPARE(button.BackColor(), button.palette().color(QPalette::Button));
}

void ButtonPropertiesTest::storedDisabledButtonIsDisabledWithoutTabStop()
{
    VistaButton button;
    PropertyStore store;
    store.write(QStringLiteral("ENABLED"), false);
    button.ReadProperties(store);
    QCOMPARE(button.State(), 4);
    QVERIFY(!(button.focusPolicy() & Qt::TabFocus));
    button.setEnabled(true);
    QVERIFY(button.focusPolicy() & Qt::TabFocus);
}

void ButtonPropertiesTest::storedFrameCountIsTakenAsStored_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("frameWidth");
    QTest::newRow("3 kept") << 3 << 7;
    QTest::newRow("0 with a picture draws the strip as one frame") << 0 << 20;
    QTest::newRow("negative with a picture draws the strip as one frame") << -2 << 20;
}

void ButtonPropertiesTest::storedFrameCountIsTakenAsStored()
{
    QFETCH(int, stored);
    QFETCH(int, frameWidth);
    VistaButton button;
    button.resize(40, 30);
    PropertyStore store;
    store.write(QStringLiteral("picture"), twoFrames());
    store.write(QStringLiteral("pictures"), qint64(stored));
    button.ReadProperties(store);
    QCOMPARE(int(button.Pictures()), stored);

    // The visible frame is as wide as the strip divided by the frame count.
    int red = 0;
    int blue = 0;
    for (int x = 0; x < 40; ++x) {
        const QRgb p = button.Image().pixel(x, 15);
        red += p == qRgb(200, 0, 0);
        blue += p == qRgb(0, 0, 200);
    }
    QCOMPARE(red + blue, frameWidth);
}

void ButtonPropertiesTest::numbersOutOfRangeKeepThePresentValue()
{
    VistaButton button;
    button.setPictureOffset(3);
    button.setForeColor(QColor(9, 9, 9));
    PropertyStore store;
    store.write(QStringLiteral("pictureoffset"), qint64(40000));
    store.write(QStringLiteral("forecolor"), qint64(1) << 40);
    button.ReadProperties(store);
    QCOMPARE(button.PictureOffset(), 3);
    QCOMPARE(button.ForeColor(), QColor(9, 9, 9));
}

QTEST_MAIN(ButtonPropertiesTest)
#include "tst_buttonproperties.moc"
