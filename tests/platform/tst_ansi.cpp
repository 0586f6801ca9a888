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

    void appendingKeepsWhatWasThere()
    {
        QByteArray bytes("begin ");
        Ansi::appendEncoded(bytes, u"€ 5");
        QCOMPARE(bytes, QByteArray("begin \x80 5"));
    }

    void decodingAppendsAfterWhatWasThere()
    {
        QString text = QStringLiteral("begin ");
        const QString copy = text; // shares its characters: appending must not change it
        Ansi::appendDecoded(text, "\x80 5");
        Ansi::appendDecoded(text, "");
        Ansi::appendDecoded(text, "\xe9");
        QCOMPARE(text, QString::fromUtf16(u"begin € 5é"));
        QCOMPARE(copy, QStringLiteral("begin "));
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
