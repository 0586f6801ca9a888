#include "SchijfVol.h"
#include "platform/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

FileWriter Writes(QByteArray bytes)
{
    return [bytes](QIODevice &device, QString *) { return device.write(bytes) == bytes.size(); };
}

} // namespace

class SafeWriteTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesANewFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"nieuw.lst"_qs);
        QString error;
        QVERIFY(writeFileSafely(path, Writes("inhoud\r\n"), &error));
        QCOMPARE(error, QString());
        QCOMPARE(Read(path), QByteArray("inhoud\r\n"));
    }

    void replacesTheOldFileWhole()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"oud.lst"_qs);
        Write(path, QByteArray(1000, 'o'));
        QVERIFY(writeFileSafely(path, Writes("kort"), nullptr));
        QCOMPARE(Read(path), QByteArray("kort"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { u"oud.lst"_qs });
    }

    void failingWriterKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("writtenBeforeFailing");
        QTest::newRow("nothing") << 0;
        QTest::newRow("one byte") << 1;
        QTest::newRow("part") << 100;
        QTest::newRow("more than the old file") << (1 << 20);
    }

    void failingWriterKeepsTheOldFile()
    {
        QFETCH(int, writtenBeforeFailing);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"oud.lst"_qs);
        const QByteArray old = "oude inhoud\r\n";
        Write(path, old);

        QString error;
        const bool written = writeFileSafely(
            path,
            [&](QIODevice &device, QString *reason) {
                device.write(QByteArray(writtenBeforeFailing, 'n'));
                *reason = u"schijf vol"_qs;
                return false;
            },
            &error);

        QVERIFY(!written);
        QCOMPARE(
            error, u"Kan %1 niet schrijven: schijf vol"_qs.arg(QDir::toNativeSeparators(path)));
        QCOMPARE(Read(path), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { u"oud.lst"_qs });
    }

    void missingFolderIsReportedAndNotCreated()
    {
        QTemporaryDir folder;
        const QString data = folder.filePath(u"Data"_qs);
        QString error;
        QVERIFY(!writeFileSafely(data + u"/x.lst"_qs, Writes("x"), &error));
        QCOMPARE(error, u"De map %1 bestaat niet."_qs.arg(QDir::toNativeSeparators(data)));
        QVERIFY(!QFileInfo::exists(data));
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void targetThatCannotBeAFileIsReported()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"map.lst"_qs);
        QVERIFY(QDir(folder.path()).mkdir(u"map.lst"_qs));
        QString error;
        QVERIFY(!writeFileSafely(path, Writes("x"), &error));
        // The reason is told in Dutch, not in the system's English.
        QCOMPARE(error,
            u"Kan %1 niet schrijven: er staat een map met die naam."_qs.arg(
                QDir::toNativeSeparators(path)));
        QVERIFY(QFileInfo(path).isDir());
    }

    // A disk that fills up, whether while the writer writes or only when the last buffered
    // bytes go out at the end: the old file stays whole.
    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("small, buffered until the end") << 100;
        QTest::newRow("large") << (1 << 20);
    }

    void fullDiskKeepsTheOldFile()
    {
        QFETCH(int, size);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"oud.lst"_qs);
        const QByteArray old = "oude inhoud\r\n";
        Write(path, old);

        QString error;
        bool written = true;
        {
            const SchijfVol full(old.size());
            written = writeFileSafely(path, Writes(QByteArray(size, 'n')), &error);
        }
        QVERIFY(!written);
        QCOMPARE(error,
            u"Kan %1 niet schrijven: het bestand wordt te groot voor deze schijf."_qs.arg(
                QDir::toNativeSeparators(path)));
        QCOMPARE(Read(path), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { u"oud.lst"_qs });
    }
};

QTEST_APPLESS_MAIN(SafeWriteTest)
#include "tst_safewrite.moc"
