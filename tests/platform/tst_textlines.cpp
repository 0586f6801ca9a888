#include "platform/TextLines.h"

#include "platform/Ansi.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>

namespace {

QStringList ReadAll(
    const QByteArray &bytes, qsizetype maxLineLength = TextLines::DefaultMaxLineLength)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    TextLines lines(buffer, maxLineLength);
    QStringList result;
    while (!lines.atEnd())
        result << lines.readLine();
    return result;
}

// A device that hands out its bytes and then fails, as a disk with a bad sector would.
class FailingDevice final : public QIODevice {
public:
    explicit FailingDevice(QByteArray bytes)
        : m_bytes(std::move(bytes))
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_pos == m_bytes.size())
            return -1;
        const qint64 n = std::min<qint64>(maxSize, m_bytes.size() - m_pos);
        memcpy(data, m_bytes.constData() + m_pos, n);
        m_pos += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_pos = 0;
};

} // namespace

class TextLinesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splitsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        const auto l = [](std::initializer_list<const char16_t *> texts) {
            QStringList list;
            for (const char16_t *text : texts)
                list << QString::fromUtf16(text);
            return list;
        };
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << l({ u"a", u"b" });
        QTest::newRow("CR") << QByteArray("a\rb\r") << l({ u"a", u"b" });
        QTest::newRow("LF") << QByteArray("a\nb\n") << l({ u"a", u"b" });
        QTest::newRow("mixed") << QByteArray("a\r\nb\rc\nd\r\n") << l({ u"a", u"b", u"c", u"d" });
        QTest::newRow("last line without terminator") << QByteArray("a\r\nb") << l({ u"a", u"b" });
        QTest::newRow("nothing") << QByteArray() << QStringList();
        QTest::newRow("one empty line") << QByteArray("\r\n") << l({ u"" });
        QTest::newRow("empty lines") << QByteArray("\r\n\r\n") << l({ u"", u"" });
        QTest::newRow("LF then CR is two lines") << QByteArray("a\n\rb") << l({ u"a", u"", u"b" });
        QTest::newRow("CR CR LF is two lines") << QByteArray("\r\r\n") << l({ u"", u"" });
        QTest::newRow("blanks kept") << QByteArray(" a \r\n") << l({ u" a " });
        QTest::newRow("NUL bytes") << QByteArray(
            "a\0b\r\n\0", 6) << QStringList { QString::fromUtf16(u"a\0b", 3), QString(QChar(0)) };
        QTest::newRow("Windows-1252") << QByteArray("\x80 caf\xe9\r\n") << l({ u"€ café" });
    }

    void splitsLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(ReadAll(bytes), lines);
    }

    // Wherever the device's bytes are cut into pieces, a CR LF stays one terminator.
    void crLfAcrossAnyPieceBoundary_data()
    {
        QTest::addColumn<int>("length");
        for (int power = 12; power <= 21; ++power) {
            for (int offset : { -2, -1, 0 }) {
                const int length = (1 << power) + offset;
                QTest::addRow("%d", length) << length;
            }
        }
    }

    void crLfAcrossAnyPieceBoundary()
    {
        QFETCH(int, length);
        const QByteArray line(length, 'x');
        const QStringList lines = ReadAll(line + "\r\n" + "\r\nz");
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0).size(), length);
        QCOMPARE(lines.at(1), QString());
        QCOMPARE(lines.at(2), QStringLiteral("z"));
    }

    void megabyteLine()
    {
        QByteArray bytes(1 << 20, 'x');
        bytes[12345] = '\0';
        const QStringList lines = ReadAll(bytes + "\r\nend");
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0), Ansi::decode(bytes));
        QCOMPARE(lines.at(1), QStringLiteral("end"));
    }

    void overlongLineKeepsItsStart_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("short") << 30;
        QTest::newRow("across pieces") << 3 * 1024 * 1024;
    }

    void overlongLineKeepsItsStart()
    {
        QFETCH(int, length);
        QByteArray line(length, 'y');
        line.replace(0, 10, "0123456789");
        const QStringList lines = ReadAll(line + "\r\nnext\r\n", 10);
        QCOMPARE(lines, (QStringList { QStringLiteral("0123456789"), QStringLiteral("next") }));
    }

    // Junk reads as lines: the same lines as splitting the bytes at every CR LF, CR and LF.
    void binaryJunk_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        for (quint32 seed : { 1u, 2u, 3u }) {
            QRandomGenerator random(seed);
            QByteArray bytes(1 << 20, Qt::Uninitialized);
            for (char &byte : bytes)
                byte = static_cast<char>(random.bounded(256));
            QTest::addRow("seed %u", seed) << bytes;
        }
        QByteArray terminators;
        for (int i = 0; i < 300000; ++i)
            terminators.append("\r\n\n\r"[i % 4]);
        QTest::newRow("terminators only") << terminators;
    }

    void binaryJunk()
    {
        QFETCH(QByteArray, bytes);
        QByteArray joined = bytes;
        joined.replace("\r\n", "\n").replace('\r', '\n');
        if (joined.endsWith('\n'))
            joined.chop(1);
        QStringList expected;
        if (!bytes.isEmpty()) {
            for (const QByteArray &line : joined.split('\n'))
                expected << Ansi::decode(line);
        }
        QCOMPARE(ReadAll(bytes), expected);
    }

    void skippingALineIsReadingIt()
    {
        QBuffer buffer;
        buffer.setData("een\r\ntwee\rdrie\nvier");
        buffer.open(QIODevice::ReadOnly);
        TextLines lines(buffer);
        lines.skipLine();
        QCOMPARE(lines.readLine(), QStringLiteral("twee"));
        lines.skipLine();
        QCOMPARE(lines.readLine(), QStringLiteral("vier"));
        QVERIFY(lines.atEnd());
        QCOMPARE(lines.readLine(), QString());
        QVERIFY(!lines.failed());
    }

    void readErrorEndsTheLines()
    {
        FailingDevice device("een\r\ntwee\r\n");
        TextLines lines(device);
        QCOMPARE(lines.readLine(), QStringLiteral("een"));
        QCOMPARE(lines.readLine(), QStringLiteral("twee"));
        QVERIFY(lines.atEnd());
        QVERIFY(lines.failed());
    }

    void closedDeviceHasNoLines()
    {
        QBuffer buffer;
        TextLines lines(buffer);
        QVERIFY(lines.atEnd());
        QVERIFY(lines.failed());
    }
};

QTEST_APPLESS_MAIN(TextLinesTest)
#include "tst_textlines.moc"
