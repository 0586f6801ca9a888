// The year overview: which entries count in the table and how, what `geldlog zoek` and
// `geldlog jaar --csv` print, and the chart's scale on a surface that records what is drawn.
#include "LijstGroep.h"
#include "ModelRows.h"
#include "TestProgramma.h"
#include "cli/Opdrachtregel.h"
#include "lists/LijstBestand.h"
#include "reports/Grafiek.h"
#include "yearview/JaarModel.h"
#include "lists/Posten.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QTest>
#include <QTextStream>

#include <limits>

using namespace Qt::StringLiterals;

using Bestanden = QList<QPair<QString, QByteArray>>;
Q_DECLARE_METATYPE(JaarRij)

class TestJaaroverzicht : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tabelVan2026_data()
    {
        QTest::addColumn<Bestanden>("bestanden"); // a file without bytes cannot be read
        QTest::addColumn<QString>("zoektekst");
        QTest::addColumn<QStringList>("rijen");
        QTest::addColumn<QStringList>("nietMeegeteld");
        // The lists of 2026 alone, whose balances add up to the year's total.
        QTest::addColumn<QStringList>("jaarLijsten");

        // A fixed cost dated "-" counts in the month its list is named after, in either order,
        // as the overview counts it in the list's balance.
        QTest::newRow("grouped ignoring case and blanks, as written most, in whole cents")
            << Bestanden { { u"April 2026.lst"_s,
                               Groep("2026-04-06", "albert heijn", "1,005", "1,005")
                                   + Groep("-", "Albert Heijn", "", "1") },
                   { u"2026 Maart.lst"_s,
                       Groep("2026-03-02", "Albert Heijn", "2,675", "")
                           + Groep("2026-03-09", " Albert Heijn ", "0,1", "-12")
                           + Groep("2026-03-16", "Albert Heijn", "0.2", "abc") } }
            << QString()
            << QStringList { u"Albert Heijn |  |  | 14,98 | -1,00 |  |  |  |  |  |  |  |  | 13,98"_s,
                   u"Totaal |  |  | 14,98 | -1,00 |  |  |  |  |  |  |  |  | 13,98"_s }
            << QStringList() << QStringList { u"April 2026.lst"_s, u"2026 Maart.lst"_s };
        QTest::newRow("by the entry's own date, not the list's name")
            << Bestanden { { u"Kas.lst"_s,
                               Groep("2026-01-31", "Kas", "", "5")
                                   + Groep("2026-12-01", "Kas", "", "7")
                                   + Groep("2025-12-31", "Kas", "", "100") },
                   { u"2026 Februari.lst"_s, Groep("2026-03-01", "Huur", "", "825") } }
            << QString()
            << QStringList { u"Huur |  |  | -825,00 |  |  |  |  |  |  |  |  |  | -825,00"_s,
                   u"Kas | -5,00 |  |  |  |  |  |  |  |  |  |  | -7,00 | -12,00"_s,
                   u"Totaal | -5,00 |  | -825,00 |  |  |  |  |  |  |  |  | -7,00 | -837,00"_s }
            << QStringList() << QStringList();
        // The empty lines an editor leaves at the end are no entry at all.
        QTest::newRow("unreadable dates, lists and fixed costs of no month left out")
            << Bestanden { { u"2026 April.lst"_s,
                               Groep("2026-04-01", "Salaris", "2345,50", "")
                                   + Groep("01-04-2026", "Salaris", "1", "")
                                   + Groep("2026-13-01", "Huur", "", "1")
                                   + Groep("", "Huur", "", "1") + Groep("-", "Huur", "", "825")
                                   + "\r\n\r\n" },
                   { u"Kas.lst"_s, Groep("-", "Huur", "", "825") },
                   { u"Kapot.lst"_s, QByteArray() } }
            << QString()
            << QStringList { u"Huur |  |  |  | -825,00 |  |  |  |  |  |  |  |  | -825,00"_s,
                   u"Salaris |  |  |  | 2345,50 |  |  |  |  |  |  |  |  | 2345,50"_s,
                   u"Totaal |  |  |  | 1520,50 |  |  |  |  |  |  |  |  | 1520,50"_s }
            << QStringList { u"3 posten zonder leesbare datum niet meegeteld"_s,
                   u"1 post met datum \"-\" niet meegeteld: \"Kas\" noemt geen maand"_s,
                   u"Niet te lezen en niet meegeteld: \"Kapot\""_s }
            << QStringList();
        QTest::newRow("the search keeps the rows that hold it, and their total")
            << Bestanden { { u"2026 Juni.lst"_s,
                   Groep("2026-06-01", "Salaris", "3000", "")
                       + Groep("2026-06-02", "Energie", "", "90")
                       + Groep("2026-06-04", "Energie", "40", "") } }
            << u"ERG"_s
            << QStringList { u"Energie |  |  |  |  |  | -50,00 |  |  |  |  |  |  | -50,00"_s,
                   u"Totaal |  |  |  |  |  | -50,00 |  |  |  |  |  |  | -50,00"_s }
            << QStringList() << QStringList();
        QTest::newRow("a year without entries")
            << Bestanden { { u"2025 Juni.lst"_s, Groep("2025-06-01", "Huur", "", "825") } }
            << QString() << QStringList() << QStringList() << QStringList();
    }

    void tabelVan2026()
    {
        QFETCH(Bestanden, bestanden);
        QFETCH(QString, zoektekst);
        QFETCH(QStringList, rijen);
        QFETCH(QStringList, nietMeegeteld);
        QFETCH(QStringList, jaarLijsten);

        TestProgramma test;
        for (const auto &[naam, bytes] : bestanden) {
            if (bytes.isNull())
                QFile::link(u"/proc/self/mem"_s, test.dataMap() + naam);
            else
                test.schrijfData(naam, bytes);
        }
        const Posten posten = LeesPosten(test.programma());
        JaarModel model;
        QAbstractItemModelTester tester(&model);
        model.ZetTabel(MaakJaarTabel(posten, 2026));
        model.ZetZoektekst(zoektekst);
        QCOMPARE(ModelRows(model), rijen);
        QCOMPARE(NietMeegeteld(posten), nietMeegeteld);
        if (!jaarLijsten.isEmpty()) {
            qint64 saldi = 0;
            for (const QString &lijst : jaarLijsten)
                saldi += OpenGeldlog(test.programma(), lijst).value();
            QCOMPARE(model.TotaalRij().jaar.Saldo(), saldi);
        }
    }

    void opdrachten_data()
    {
        QTest::addColumn<QStringList>("argumenten");
        QTest::addColumn<int>("afloop");
        QTest::addColumn<QString>("uit");
        QTest::addColumn<QString>("fout");

        const QString zonderDatum = u"1 post zonder leesbare datum niet meegeteld\n"_s;
        QTest::newRow("zoek: every year, by date, ignoring case")
            << QStringList { u"zoek"_s, u"ENERGIE"_s } << 0
            << u"2025-12-05  Kas           Energie        -118,00\n"
               "-           2026 Januari  Energie        -100,00\n"
               "2026-01-05  2026 Januari  Eneco energie  -142,35\n"
               "2026-01-20  2026 Januari  Energie terug    40,00\n"
               "4 posten: inkomsten € 40,00, uitgaven € 360,35, saldo € -320,35\n"_s
            << zonderDatum;
        QTest::newRow("zoek: one year")
            << QStringList { u"zoek"_s, u"energie"_s, u"--jaar"_s, u"2025"_s } << 0
            << u"2025-12-05  Kas  Energie  -118,00\n"
               "1 post: inkomsten € 0,00, uitgaven € 118,00, saldo € -118,00\n"_s
            << zonderDatum;
        QTest::newRow("zoek: nothing found")
            << QStringList { u"zoek"_s, u"vakantie"_s } << 0
            << u"0 posten: inkomsten € 0,00, uitgaven € 0,00, saldo € 0,00\n"_s << zonderDatum;
        QTest::newRow("zoek: a year that is no year")
            << QStringList { u"zoek"_s, u"energie"_s, u"--jaar"_s, u"20x6"_s } << 2 << QString()
            << u"Het jaar \"20x6\" is geen jaartal.\nZie \"geldlog --help\".\n"_s;
        QTest::newRow("jaar as CSV")
            << QStringList { u"jaar"_s, u"2026"_s, u"--csv"_s } << 0
            << u"\uFEFFOmschrijving;jan;feb;mrt;apr;mei;jun;jul;aug;sep;okt;nov;dec;Totaal\r\n"
               "\"'=Huur; \"\"Woning\"\"\";-825,00;;;;;;;;;;;;-825,00\r\n"
               "Eneco energie;-142,35;;;;;;;;;;;;-142,35\r\n"
               "Energie;-100,00;;;;;;;;;;;;-100,00\r\n"
               "Energie terug;40,00;;;;;;;;;;;;40,00\r\n"
               "Totaal;-1027,35;;;;;;;;;;;;-1027,35\r\n"_s
            << zonderDatum;
    }

    void opdrachten()
    {
        QFETCH(QStringList, argumenten);
        QFETCH(int, afloop);
        QFETCH(QString, uit);
        QFETCH(QString, fout);

        TestProgramma test;
        test.schrijfData(u"2026 Januari.lst"_s,
            Groep("2026-01-20", "Energie terug", "40", "")
                + Groep("2026-01-05", " Eneco energie", "", "142,345")
                + Groep("2026-01-06", "=Huur; \"Woning\"", "", "825")
                + Groep("-", "Energie", "", "100"));
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

    // Whatever the amounts, the chart stays within its field; a field too small for the bars holds
    // the title alone, which the picture leaves out.
    void grafiekBlijftBinnenZijnVlak_data()
    {
        constexpr qint64 Meest = std::numeric_limits<qint64>::max();
        QTest::addColumn<JaarRij>("rij");
        QTest::newRow("all zero") << JaarRij {};
        // Each month's income, expenses and entries; the months not given are empty.
        QTest::newRow("one huge month")
            << JaarRij { {}, { { { 1, 0, 1 }, { 0, 1, 1 }, { Meest, -1, 1 } } }, {} };
        QTest::newRow("negative balances") << JaarRij { {},
            { { { 0, 90000, 1 }, { 120000, 250000, 2 }, { 0, 1, 1 }, { 5, 6, 1 },
                { 0, 1000, 1 } } },
            {} };
    }

    void grafiekBlijftBinnenZijnVlak()
    {
        QFETCH(JaarRij, rij);
        for (const QRect vlak :
            { QRect(0, 0, 700, 280), QRect(40, 30, 200, 100), QRect(40, 30, 60, 40) }) {
            QPicture prent;
            QPainter painter(&prent);
            TekenGrafiek(painter, vlak, u"Een titel die veel te lang is voor het vlak"_s, rij);
            painter.end();
            QCOMPARE(prent.boundingRect().united(vlak), vlak);
        }
    }
};

QTEST_MAIN(TestJaaroverzicht)
#include "tst_jaaroverzicht.moc"
