#include "controls/PropertyStore.h"

#include <QRegularExpression>
#include <QTest>

class PropertyStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textFormReadsBackEveryKindOfValue_data();
    void textFormReadsBackEveryKindOfValue();
    void keysMatchWithoutRegardToCase();
    void keysKeepTheOrderTheyWereFirstWritten();
    void missingOrOtherKindOfValueGivesTheFallback();
    void damagedLinesAreSkipped();
};

void PropertyStoreTest::textFormReadsBackEveryKindOfValue_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("plain text") << QStringLiteral("text") << QVariant(QStringLiteral("Opslaan"));
    QTest::newRow("empty text") << QStringLiteral("text") << QVariant(QString());
    QTest::newRow("text with quotes, backslashes and line breaks")
        << QStringLiteral("text") << QVariant(QStringLiteral("a \"b\" \\c\r\nd\te = f"));
    QTest::newRow("text outside Latin-1")
        << QStringLiteral("text") << QVariant(QStringLiteral("€ ≠ ✓"));
    QTest::newRow("negative number") << QStringLiteral("number") << QVariant(qint64(-2147483633));
    QTest::newRow("zero") << QStringLiteral("number") << QVariant(qint64(0));
    QTest::newRow("true") << QStringLiteral("flag") << QVariant(true);
    QTest::newRow("false") << QStringLiteral("flag") << QVariant(false);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    QTest::newRow("font") << QStringLiteral("font") << QVariant(font);
    QImage picture(7, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            picture.setPixel(x, y, qRgb(x * 30, y * 80, 255 - x));
    QTest::newRow("picture") << QStringLiteral("picture") << QVariant(picture);
    QTest::newRow("no picture") << QStringLiteral("picture") << QVariant(QImage());
}

void PropertyStoreTest::textFormReadsBackEveryKindOfValue()
{
    QFETCH(QString, kind);
    QFETCH(QVariant, value);
    const QString key = QStringLiteral("waarde");

    PropertyStore store;
    store.write(QStringLiteral("voor"), true);
    if (kind == u"text")
        store.write(key, value.toString());
    else if (kind == u"number")
        store.write(key, value.toLongLong());
    else if (kind == u"flag")
        store.write(key, value.toBool());
    else if (kind == u"font")
        store.write(key, value.value<QFont>());
    else
        store.write(key, value.value<QImage>());
    store.write(QStringLiteral("na"), qint64(7));

    const PropertyStore back = PropertyStore::fromText(store.toText());
    QCOMPARE(back.keys(), store.keys());
    QCOMPARE(back.toText(), store.toText());
    if (kind == u"text") {
        QCOMPARE(back.readText(key, QStringLiteral("?")), value.toString());
    } else if (kind == u"number") {
        QCOMPARE(back.readNumber(key, 99), value.toLongLong());
    } else if (kind == u"flag") {
        QCOMPARE(back.readFlag(key, !value.toBool()), value.toBool());
    } else if (kind == u"font") {
        const QFont read = back.readFont(key, QFont());
        QCOMPARE(read.family(), QStringLiteral("Arial"));
        QCOMPARE(read.pixelSize(), 13);
        QVERIFY(read.bold());
    } else {
        QImage fallback(1, 1, QImage::Format_RGB32);
        const QImage read = back.readPicture(key, fallback);
        const QImage expected = value.value<QImage>();
        QCOMPARE(read.isNull(), expected.isNull());
        if (!expected.isNull())
            QCOMPARE(read.convertToFormat(QImage::Format_RGB32), expected);
    }
    QCOMPARE(back.readFlag(QStringLiteral("voor"), false), true);
    QCOMPARE(back.readNumber(QStringLiteral("na"), 0), 7);
}

void PropertyStoreTest::keysMatchWithoutRegardToCase()
{
    PropertyStore store;
    store.write(QStringLiteral("Caption"), QStringLiteral("een"));
    QCOMPARE(store.readText(QStringLiteral("CAPTION"), QString()), QStringLiteral("een"));
    QVERIFY(store.contains(QStringLiteral("caption")));
    store.write(QStringLiteral("cApTiOn"), QStringLiteral("twee"));
    QCOMPARE(store.keys(), QStringList { QStringLiteral("caption") });
    QCOMPARE(store.readText(QStringLiteral("Caption"), QString()), QStringLiteral("twee"));

    const PropertyStore read = PropertyStore::fromText(QStringLiteral("ForeColor = 255\n"));
    QCOMPARE(read.readNumber(QStringLiteral("forecolor"), 0), 255);
    QCOMPARE(read.keys(), QStringList { QStringLiteral("forecolor") });
}

void PropertyStoreTest::keysKeepTheOrderTheyWereFirstWritten()
{
    PropertyStore store;
    for (const char *key : { "zeta", "alfa", "midden" })
        store.write(QString::fromLatin1(key), qint64(1));
    store.write(QStringLiteral("alfa"), qint64(2));
    QCOMPARE(store.keys(),
        QStringList({ QStringLiteral("zeta"), QStringLiteral("alfa"), QStringLiteral("midden") }));
    QVERIFY(store.toText().startsWith(QStringLiteral("zeta = 1\nalfa = 2\n")));
}

void PropertyStoreTest::missingOrOtherKindOfValueGivesTheFallback()
{
    PropertyStore store;
    store.write(QStringLiteral("getal"), qint64(5));
    store.write(QStringLiteral("tekst"), QStringLiteral("5"));
    QCOMPARE(
        store.readText(QStringLiteral("getal"), QStringLiteral("terug")), QStringLiteral("terug"));
    QCOMPARE(store.readNumber(QStringLiteral("tekst"), 9), 9);
    QCOMPARE(store.readFlag(QStringLiteral("getal"), true), true);
    QCOMPARE(store.readNumber(QStringLiteral("ontbreekt"), -4), -4);
    QImage fallback(2, 2, QImage::Format_RGB32);
    fallback.fill(Qt::red);
    QCOMPARE(store.readPicture(QStringLiteral("ontbreekt"), fallback), fallback);
    QCOMPARE(store.readFont(QStringLiteral("tekst"), QFont(QStringLiteral("Courier"))).family(),
        QStringLiteral("Courier"));
}

void PropertyStoreTest::damagedLinesAreSkipped()
{
    const QString text = QStringLiteral("caption = \"goed\"\r\n"
                                        "zonder gelijkteken\n"
                                        "open = \"niet afgesloten\n"
                                        "staart = \"tekst\" rommel\n"
                                        "plaatje = png \"!!geen base64!!\"\n"
                                        "letter = font \"\"\n"
                                        "= 5\n"
                                        "getal = 12x\n"
                                        "\n"
                                        "enabled = false\n");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("QFont::fromString")));
    const PropertyStore store = PropertyStore::fromText(text);
    QCOMPARE(store.keys(), QStringList({ QStringLiteral("caption"), QStringLiteral("enabled") }));
    QCOMPARE(store.readText(QStringLiteral("caption"), QString()), QStringLiteral("goed"));
    QCOMPARE(store.readFlag(QStringLiteral("enabled"), true), false);
}

QTEST_MAIN(PropertyStoreTest)
#include "tst_propertystore.moc"
