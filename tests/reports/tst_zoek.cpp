// `geldlog zoek` and `geldlog jaar` as a script sees them: every entry found with its total, and
// a year that is no year refused.
#include "LijstGroep.h"
#include "TestProgramma.h"
#include "cli/Opdrachtregel.h"

#include <QTest>
#include <QTextStream>

using namespace Qt::StringLiterals;

class TestZoek : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gevondenPostenEnHunTotaal_data()
    {
        QTest::addColumn<QStringList>("argumenten");
        QTest::addColumn<int>("afloop");
        QTest::addColumn<QString>("uit");
        QTest::addColumn<QString>("fout");

        QTest::newRow("every year, by date, ignoring case")
            << QStringList { u"zoek"_s, u"ENERGIE"_s } << 0
            << u"2025-12-05  Kas           Energie        -118,00\n"
               "2026-01-05  2026 Januari  Eneco energie  -142,35\n"
               "2026-01-20  2026 Januari  Energie terug    40,00\n"
               "3 posten: inkomsten € 40,00, uitgaven € 260,35, saldo € -220,35\n"_s
            << u"1 post zonder leesbare datum niet meegeteld\n"_s;
        QTest::newRow("one year")
            << QStringList { u"zoek"_s, u"energie"_s, u"--jaar"_s, u"2025"_s } << 0
            << u"2025-12-05  Kas  Energie  -118,00\n"
               "1 post: inkomsten € 0,00, uitgaven € 118,00, saldo € -118,00\n"_s
            << u"1 post zonder leesbare datum niet meegeteld\n"_s;
        QTest::newRow("nothing found")
            << QStringList { u"zoek"_s, u"vakantie"_s } << 0
            << u"0 posten: inkomsten € 0,00, uitgaven € 0,00, saldo € 0,00\n"_s
            << u"1 post zonder leesbare datum niet meegeteld\n"_s;
        QTest::newRow("a search year that is no year")
            << QStringList { u"zoek"_s, u"energie"_s, u"--jaar"_s, u"20x6"_s } << 2 << QString()
            << u"Het jaar \"20x6\" is geen jaartal.\nZie \"geldlog --help\".\n"_s;
        QTest::newRow("a table year that is no year")
            << QStringList { u"jaar"_s, u"20x6"_s } << 2 << QString()
            << u"Het jaar \"20x6\" is geen jaartal.\nZie \"geldlog --help\".\n"_s;
    }

    void gevondenPostenEnHunTotaal()
    {
        QFETCH(QStringList, argumenten);
        QFETCH(int, afloop);
        QFETCH(QString, uit);
        QFETCH(QString, fout);

        TestProgramma test;
        test.schrijfData(u"2026 Januari.lst"_s,
            Groep("2026-01-20", "Energie terug", "40", "")
                + Groep("2026-01-05", " Eneco energie", "", "142,345")
                + Groep("2026-01-06", "Huur", "", "825") + Groep("-", "Energie", "", "100"));
        test.schrijfData(u"Kas.lst"_s,
            Groep("2025-12-05", "Energie", "", "118") + Groep("5 januari", "Energie", "", "99"));

        QString gedrukt;
        QString gemeld;
        QTextStream uitStroom(&gedrukt);
        QTextStream foutStroom(&gemeld);
        QCOMPARE(VoerOpdrachtUit(
                     test.map(), QStringList { u"geldlog"_s } + argumenten, uitStroom, foutStroom),
            afloop);
        uitStroom.flush();
        foutStroom.flush();
        QCOMPARE(gedrukt, uit);
        QCOMPARE(gemeld, fout);
    }
};

QTEST_GUILESS_MAIN(TestZoek)
#include "tst_zoek.moc"
