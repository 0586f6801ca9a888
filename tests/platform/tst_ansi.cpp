#include "platform/Ansi.h"

#include <QSet>
#include <QTest>

class AnsiTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyByteReadsAsItsOwnCharacterAndBack()
    {
        QByteArray bytes;
        for (int byte = 0; byte < 256; ++byte)
            bytes.append(static_cast<char>(byte));

        const QString text = Ansi::decode(bytes);
        QCOMPARE(text.size(), 256);
        QCOMPARE(QSet<QChar>(text.cbegin(), text.cend()).size(), 256);
        QCOMPARE(Ansi::encode(text), bytes);
    }

    void knownCharacters_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("character");
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("undefined 0x81") << 0x81 << 0x0081;
        QTest::newRow("undefined 0x8D") << 0x8D << 0x008D;
        QTest::newRow("undefined 0x8F") << 0x8F << 0x008F;
        QTest::newRow("undefined 0x90") << 0x90 << 0x0090;
        QTest::newRow("undefined 0x9D") << 0x9D << 0x009D;
        QTest::newRow("low quote") << 0x82 << 0x201A;
        QTest::newRow("trade mark") << 0x99 << 0x2122;
        QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
        QTest::newRow("no-break space") << 0xA0 << 0x00A0;
        QTest::newRow("e acute") << 0xE9 << 0x00E9;
        QTest::newRow("y diaeresis") << 0xFF << 0x00FF;
        QTest::newRow("letter") << 0x41 << 0x0041;
        QTest::newRow("NUL") << 0x00 << 0x0000;
    }

    void knownCharacters()
    {
        QFETCH(int, byte);
        QFETCH(int, character);
        const QByteArray bytes(1, static_cast<char>(byte));
        const QString text(QChar(static_cast<char16_t>(character)));
        QCOMPARE(Ansi::decode(bytes), text);
        QCOMPARE(Ansi::encode(text), bytes);
    }

    void characterOutsideTheCodePageIsAQuestionMark_data()
    {
        QTest::addColumn<QString>("character");
        QTest::newRow("A macron") << QString(QChar(0x0100));
        QTest::newRow("C1 control without a byte") << QString(QChar(0x0080));
        QTest::newRow("kip sign") << QString(QChar(0x20AD));
        QTest::newRow("CJK") << QString(QChar(0x4E2D));
        QTest::newRow("beyond 16 bits") << QString::fromUcs4(U"\U0001F600");
        QTest::newRow("lone high surrogate") << QString(QChar(0xD83D));
        QTest::newRow("lone low surrogate") << QString(QChar(0xDE00));
    }

    void characterOutsideTheCodePageIsAQuestionMark()
    {
        QFETCH(QString, character);
        QCOMPARE(Ansi::encode(QStringLiteral("a") + character + u'b'), QByteArray("a?b"));
    }

    // Plain bytes go sixteen at a time: a byte above 0x7F anywhere in or after such a stretch
    // must still get its own character.
    void decodingAtAPlace_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("euro");
        for (const int length : { 0, 1, 15, 16, 17, 31, 32, 33, 100 }) {
            QTest::addRow("%d plain", length) << length << -1;
            for (const int euro : { 0, 7, 15, 16, 31, 32, 99 }) {
                if (euro < length)
                    QTest::addRow("%d, euro at %d", length, euro) << length << euro;
            }
        }
    }

    void decodingAtAPlace()
    {
        QFETCH(int, length);
        QFETCH(int, euro);
        QByteArray bytes;
        QString expected;
        for (int i = 0; i < length; ++i) {
            bytes.append(i == euro ? '\x80' : static_cast<char>('a' + i % 26));
            expected.append(i == euro ? QChar(0x20AC) : QChar(u'a' + i % 26));
        }
        std::vector<char16_t> out(static_cast<size_t>(length) + 1, u'#');
        char16_t *end = Ansi::decode(bytes, out.data());
        QCOMPARE(end - out.data(), length);
        QCOMPARE(QStringView(out.data(), length), expected);
        QCOMPARE(out.back(), u'#');
    }

    // The same for encoding, eight characters at a time: a character that is not ASCII, or
    // not in the code page at all, anywhere among them keeps its own byte.
    void encodingAtAPlace_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("special");
        QTest::addColumn<QString>("character");
        QTest::addColumn<QByteArray>("byte");
        for (const int length : { 0, 1, 7, 8, 9, 15, 16, 17, 40 }) {
            QTest::addRow("%d plain", length) << length << -1 << QString() << QByteArray();
            for (const int special : { 0, 3, 7, 8, 15, 16, 39 }) {
                if (special >= length)
                    continue;
                QTest::addRow("%d, euro at %d", length, special)
                    << length << special << QString(QChar(0x20AC)) << QByteArray("\x80");
                QTest::addRow("%d, e acute at %d", length, special)
                    << length << special << QString(QChar(0xE9)) << QByteArray("\xe9");
                QTest::addRow("%d, CJK at %d", length, special)
                    << length << special << QString(QChar(0x4E2D)) << QByteArray("?");
                QTest::addRow("%d, DEL at %d", length, special)
                    << length << special << QString(QChar(0x7F)) << QByteArray("\x7f");
            }
        }
    }

    void encodingAtAPlace()
    {
        QFETCH(int, length);
        QFETCH(int, special);
        QFETCH(QString, character);
        QFETCH(QByteArray, byte);
        QString text;
        QByteArray expected;
        for (int i = 0; i < length; ++i) {
            text.append(i == special ? character : QString(QChar(u'A' + i % 26)));
            expected.append(i == special ? byte : QByteArray(1, static_cast<char>('A' + i % 26)));
        }
        QByteArray out(length + 1, '#');
        char *end = Ansi::encode(text, out.data());
        QCOMPARE(end - out.data(), length);
        QCOMPARE(out.left(length), expected);
        QCOMPARE(out.back(), '#');
    }

    void decodingReusesNoOldCharacters()
    {
        QString text = QStringLiteral("a much longer text than what follows");
        Ansi::decode("kort", text);
        QCOMPARE(text, QStringLiteral("kort"));
    }
};

QTEST_APPLESS_MAIN(AnsiTest)
#include "tst_ansi.moc"
