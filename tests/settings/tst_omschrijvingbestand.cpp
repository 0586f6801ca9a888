// The descriptions file as OK writes it: the exact bytes, and a failed write that keeps the
// old file.
#include "SchijfVol.h"
#include "TestProgramma.h"
#include "common/Omschrijvingen.h"
#include "settings/OmschrijvingBestand.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TstOmschrijvingBestand : public QObject {
    Q_OBJECT

    static QString pad(const TestProgramma &test)
    {
        return test.dataMap() + QStringLiteral("Omschrijving.txt");
    }

private Q_SLOTS:
    void schrijftElkeRegelMetCrLf_data()
    {
        QTest::addColumn<QStringList>("omschrijvingen");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("geen") << QStringList() << QByteArray();
        QTest::newRow("in de gegeven volgorde") << QStringList { QStringLiteral("Zorg"),
            QStringLiteral("auto") } << QByteArray("Zorg\r\nauto\r\n");
        QTest::newRow("dubbel, en zoals getypt") << QStringList { QStringLiteral(" Huur "),
            QStringLiteral("Huur"), QStringLiteral("Huur"), QStringLiteral("   ") }
                                                 << QByteArray(" Huur \r\nHuur\r\nHuur\r\n   \r\n");
        QTest::newRow("Windows-1252")
            << QStringList { QStringLiteral("Café €5"), QStringLiteral("Łódź") }
            << QByteArray("Caf\xe9 \x80"
                          "5\r\n?\xf3"
                          "d?\r\n");
    }

    void schrijftElkeRegelMetCrLf()
    {
        QFETCH(QStringList, omschrijvingen);
        QFETCH(QByteArray, bytes);
        TestProgramma test;
        // Whatever was there is replaced whole, also by an empty list.
        test.schrijfData(QStringLiteral("Omschrijving.txt"), QByteArray(5000, 'x'));
        QString fout;
        QVERIFY(SchrijfOmschrijvingen(test.programma(), omschrijvingen, &fout));
        QCOMPARE(fout, QString());
        QVERIFY(QFile::exists(pad(test)));
        QCOMPARE(test.leesData(QStringLiteral("Omschrijving.txt")), bytes);
        QCOMPARE(QDir(test.dataMap()).entryList(QDir::Files),
            QStringList { QStringLiteral("Omschrijving.txt") });
    }

    // What is written reads back as the same lines, whatever they hold.
    void leestTerugWatGeschrevenIs()
    {
        TestProgramma test;
        const QStringList omschrijvingen { QStringLiteral("a,b"), QStringLiteral("\"x\""),
            QStringLiteral(" "), QStringLiteral("ÿ"), QString(300, u'q') };
        QVERIFY(SchrijfOmschrijvingen(test.programma(), omschrijvingen, nullptr));
        QCOMPARE(LeesOmschrijvingBestand(test.programma()), omschrijvingen);
    }

    void mislukteSchrijfHoudtHetOudeBestand_data()
    {
        QTest::addColumn<int>("aantal");
        // Small enough to stay in the file's buffer until the end, and more than that.
        QTest::newRow("klein") << 10;
        QTest::newRow("groot") << 10000;
    }

    void mislukteSchrijfHoudtHetOudeBestand()
    {
        QFETCH(int, aantal);
        TestProgramma test;
        const QByteArray oud("Huur\r\nZorg\r\n");
        test.schrijfData(QStringLiteral("Omschrijving.txt"), oud);
        QStringList omschrijvingen;
        for (int i = 0; i < aantal; ++i)
            omschrijvingen << QStringLiteral("Omschrijving %1").arg(i);

        QString fout;
        bool geschreven = true;
        {
            const SchijfVol vol(oud.size());
            geschreven = SchrijfOmschrijvingen(test.programma(), omschrijvingen, &fout);
        }
        QVERIFY(!geschreven);
        QVERIFY2(fout.startsWith(QStringLiteral("Kan %1 niet schrijven: ").arg(pad(test))),
            qPrintable(fout));
        QCOMPARE(test.leesData(QStringLiteral("Omschrijving.txt")), oud);
        QCOMPARE(QDir(test.dataMap()).entryList(QDir::Files),
            QStringList { QStringLiteral("Omschrijving.txt") });
    }

    void zonderDataMapWordtNietsGemaakt()
    {
        TestProgramma test;
        QVERIFY(QDir(test.dataMap()).removeRecursively());
        QString fout;
        QVERIFY(!SchrijfOmschrijvingen(test.programma(), { QStringLiteral("Huur") }, &fout));
        QCOMPARE(fout,
            QStringLiteral("De map %1 bestaat niet.").arg(test.map() + QStringLiteral("/Data")));
        QVERIFY(!QDir(test.dataMap()).exists());
    }
};

QTEST_MAIN(TstOmschrijvingBestand)
#include "tst_omschrijvingbestand.moc"
