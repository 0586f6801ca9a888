// The budget through its commands: a month's sums and what is free to spend, the proposal's
// rounding, what is stored and what refused; and the budgets file read back, a damaged one too.
#include "LijstGroep.h"
#include "TestProgramma.h"
#include "budget/BegrotingBestand.h"
#include "cli/Opdrachtregel.h"

#include <QBuffer>
#include <QFile>
#include <QTest>
#include <QTextStream>

using namespace Qt::StringLiterals;

using Bestanden = QList<QPair<QString, QByteArray>>;

namespace {

const QByteArray Kop = "Geldlog begroting 1\r\n";

// The same monthly payment on the day `dag` of each month from `van` to `tot`.
QByteArray Maandelijks(QDate van, QDate tot, int dag, const QByteArray &omschrijving,
    const QByteArray &inkomsten, const QByteArray &uitgaven)
{
    QByteArray lijst;
    for (QDate maand = van; maand <= tot; maand = maand.addMonths(1)) {
        lijst += Groep(QDate(maand.year(), maand.month(), dag).toString(Qt::ISODate).toLatin1(),
            omschrijving, inkomsten, uitgaven);
    }
    return lijst;
}

// `geldlog begroting 2026-03 --op 2026-03-10 --csv` with these lines after its head.
QString Maart(const char *regels)
{
    return u"\uFEFFOmschrijving;Begroot;Uitgegeven;Over\r\n"_s + QString::fromUtf8(regels);
}

} // namespace

class TestBegroting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opdrachten_data()
    {
        QTest::addColumn<Bestanden>("lijsten");
        QTest::addColumn<QByteArray>("voor"); // the budgets file before; none when null
        QTest::addColumn<QStringList>("argumenten");
        QTest::addColumn<int>("afloop");
        QTest::addColumn<QString>("uit");
        QTest::addColumn<QString>("fout");
        QTest::addColumn<QByteArray>("na"); // and after

        const QStringList maart { u"2026-03"_s, u"--op"_s, u"2026-03-10"_s, u"--csv"_s };
        QByteArray begroting = Kop + "boodschappen\t600\t\r\n";
        QTest::newRow("case variants, refunds, entries after the day, lists named in either form")
            << Bestanden { { u"2026 Maart.lst"_s,
                               Groep("2026-03-02", "Boodschappen", "", "100")
                                   + Groep("2026-03-05", " boodschappen ", "", "50,005")
                                   + Groep("2026-03-09", "BOODSCHAPPEN", "20", "")
                                   + Groep("2026-03-11", "Boodschappen", "", "999") },
                   { u"Maart 2026.lst"_s, Groep("2026-03-03", "Boodschappen", "", "30") },
                   { u"Kas.lst"_s,
                       Groep("2026-02-28", "Boodschappen", "", "77")
                           + Groep("2026-03-10", "Boodschappen", "", "5") } }
            << begroting << maart << 0
            << Maart("boodschappen;600,00;165,01;434,99\r\nTotaal;600,00;165,01;434,99\r\n"
                     "Vrij te besteden;;;-600,00\r\n")
            << QString() << begroting;
        begroting = Kop + "Uit eten\t50,00\t\r\nVerjaardagen\t40,00\tReserveringsuitgaven\r\n";
        QTest::newRow("an overspent budget takes nothing more; by group, then description")
            << Bestanden { { u"2026 Maart.lst"_s,
                   Groep("2026-03-01", "Salaris", "2000", "")
                       + Groep("2026-03-05", "Uit eten", "", "80") } }
            << begroting << maart << 0
            << Maart("Verjaardagen;40,00;0,00;40,00\r\nUit eten;50,00;80,00;-30,00\r\n"
                     "Totaal;90,00;80,00;10,00\r\nVrij te besteden;;;1880,00\r\n")
            << QString() << begroting;
        // Rent is budgeted: what is left of its budget counts, not the contract's payment too.
        const QDate december(2025, 12, 1);
        const QDate februari(2026, 2, 1);
        begroting = Kop + "Boodschappen\t200,00\t\r\nHuur\t825,00\t\r\n";
        QTest::newRow("contracts still to come, one of them budgeted")
            << Bestanden { { u"Vast.lst"_s,
                               Maandelijks(december, februari, 24, "Salaris", "2875,40", "")
                                   + Maandelijks(december, februari, 25, "Huur", "", "825")
                                   + Maandelijks(december, februari, 18, "Energie", "", "120") },
                   { u"2026 Maart.lst"_s, Groep("2026-03-02", "Boodschappen", "", "45") } }
            << begroting << maart << 0
            << Maart("Huur;825,00;0,00;825,00\r\nBoodschappen;200,00;45,00;155,00\r\n"
                     "Totaal;1025,00;45,00;980,00\r\nVrij te besteden;;;1730,40\r\n")
            << QString() << begroting;
        QTest::newRow("still expected: not what the month holds already near its amount")
            << Bestanden { { u"Vast.lst"_s,
                               Maandelijks(december, februari, 24, "Salaris", "2875,40", "")
                                   + Maandelijks(december, februari, 18, "Energie", "", "120") },
                   { u"2026 Maart.lst"_s,
                       Groep("2026-03-01", "salaris", "2800", "")
                           + Groep("2026-03-02", "Energie", "", "400") } }
            << QByteArray() << maart.first(3) << 0
            << u"Er is nog geen begroting; \"geldlog begroting voorstel --opslaan\" stelt er een "
               "op.\nNog verwacht: Energie € 120,00 op 18 maart\n"
               "Vrij te besteden tot en met 31 maart: € 2280,00\n"_s
            << QString() << QByteArray();
        // The salary is late on the day, swimming stopped, the gym comes every four weeks.
        const Bestanden contracten { { u"Vast.lst"_s,
            Maandelijks(december, februari, 5, "Salaris", "2000", "")
                + Maandelijks(QDate(2025, 10, 1), QDate(2026, 1, 1), 20, "Zwemles", "", "45")
                + Groep("2026-01-07", "Sport", "", "30") + Groep("2026-02-04", "Sport", "", "30")
                + Groep("2026-03-04", "Sport", "", "30") } };
        const QString geen = u"Er is nog geen begroting; \"geldlog begroting voorstel --opslaan\" "
                             "stelt er een op.\n"_s;
        QTest::newRow("still expected: a late payment the day after")
            << contracten << QByteArray() << maart.first(3) << 0
            << geen
                + u"Nog verwacht: Salaris € 2000,00 op 11 maart\n"
                  "Vrij te besteden tot en met 31 maart: € 1970,00\n"_s
            << QString() << QByteArray();
        QTest::newRow("still expected in the month after: four weeks twice, the late one once")
            << contracten << QByteArray()
            << QStringList { u"2026-04"_s, u"--op"_s, u"2026-03-10"_s } << 0
            << geen
                + u"Nog verwacht: Salaris € 2000,00 op 5 april; Sport € 30,00 op 1 april; "
                  "Sport € 30,00 op 29 april\nVrij te besteden tot en met 30 april: € 1940,00\n"_s
            << QString() << QByteArray();
        begroting = Kop + "Huur\t800\t\r\n";
        QTest::newRow("a month without lists")
            << Bestanden {} << begroting << maart << 0
            << Maart("Huur;800,00;0,00;800,00\r\nTotaal;800,00;0,00;800,00\r\n"
                     "Vrij te besteden;;;-800,00\r\n")
            << QString() << begroting;

        // A cent above whole euros is a euro more; refunds, and the months outside the twelve
        // before March, take a proposal away.
        const QDate maart2025(2025, 3, 1);
        QTest::newRow("proposals rounded up, stored where there is no budget")
            << Bestanden { { u"Kas.lst"_s,
                   Maandelijks(maart2025, februari, 1, "Huur", "", "825")
                       + Maandelijks(maart2025, QDate(2026, 1, 1), 9, "Boodschappen", "", "50,01")
                       + Groep("2026-02-09", " boodschappen", "", "50,01")
                       + Groep("2025-12-01", "Kado", "", "0,01")
                       + Groep("2025-06-01", "Fiets", "", "120")
                       + Groep("2025-07-01", "Fiets", "120", "")
                       + Groep("2025-02-28", "Jas", "", "500")
                       + Groep("2026-03-01", "Jas", "", "500") } }
            << Kop + "Huur\t800,00\t\r\n"
            << QStringList { u"voorstel"_s, u"--op"_s, u"2026-03-10"_s, u"--opslaan"_s } << 0
            << u"Huur;825,00\nBoodschappen;51,00\nKado;1,00\n"
               "2 voorstellen opgeslagen als begroting.\n"_s
            << QString() << Kop + "Boodschappen\t51,00\t\r\nHuur\t800,00\t\r\nKado\t1,00\t\r\n";

        const QByteArray boodschappen = Kop + "Boodschappen\t600,00\tReserveringsuitgaven\r\n";
        QTest::newRow("a budget stored as written")
            << Bestanden {} << QByteArray()
            << QStringList { u"zet"_s, u" Boodschappen "_s, u"600"_s } << 0
            << u"Begroting \"Boodschappen\": € 600,00 per maand.\n"_s << QString()
            << Kop + "Boodschappen\t600,00\t\r\n";
        QTest::newRow("another case keeps the spelling and the group")
            << Bestanden {} << boodschappen
            << QStringList { u"zet"_s, u"boodschappen"_s, u"1.234,5"_s } << 0
            << u"Begroting \"Boodschappen\": € 1234,50 per maand.\n"_s << QString()
            << Kop + "Boodschappen\t1234,50\tReserveringsuitgaven\r\n";
        QTest::newRow("0 takes the amount away")
            << Bestanden {} << Kop + "Boodschappen\t600,00\t\r\n"
            << QStringList { u"zet"_s, u"Boodschappen"_s, u"0"_s } << 0
            << u"Begroting \"Boodschappen\" verwijderd.\n"_s << QString() << Kop;
        for (const auto &[bedrag, melding] :
            { std::pair { u"abc"_s, u"Het bedrag \"abc\" is geen getal."_s },
                std::pair {
                    u"1000000000000000"_s, u"Het bedrag \"1000000000000000\" is te groot."_s },
                std::pair { u"-5"_s, u"Een begroting is niet negatief: \"-5\"."_s } }) {
            QTest::addRow("refused: %s", qPrintable(bedrag))
                << Bestanden {} << boodschappen
                << QStringList { u"zet"_s, u"Boodschappen"_s, u"--"_s, bedrag } << 2 << QString()
                << melding + u'\n' << boodschappen;
        }
        QTest::newRow("refused: a reckoning day that is none")
            << Bestanden {} << QByteArray()
            << QStringList { u"2026-03"_s, u"--op"_s, u"2026-02-30"_s } << 2 << QString()
            << u"De dag \"2026-02-30\" is niet van de vorm JJJJ-MM-DD, zoals 2026-03-12.\n"
               "Zie \"geldlog --help\".\n"_s
            << QByteArray();
        QTest::newRow("refused: a control character")
            << Bestanden {} << QByteArray() << QStringList { u"zet"_s, u"Uit\teten"_s, u"40"_s }
            << 2 << QString()
            << u"Een omschrijving met een stuurteken kan geen begroting krijgen.\n"_s
            << QByteArray();
        QTest::newRow("a damaged file kept aside before it is written over")
            << Bestanden {} << boodschappen + "Kleding\t40,00\tKleren\r\n"
            << QStringList { u"zet"_s, u"Huur"_s, u"800"_s } << 0
            << u"Begroting \"Huur\": € 800,00 per maand.\n"_s
            << u"De begroting in %1 telt niet helemaal mee: regel 3 is beschadigd. Het bestand "
               "blijft zoals het is tot de begroting wijzigt; dan wordt het eerst bewaard als "
               "\"Begroting (beschadigd).txt\".\n"_s
            << boodschappen + "Huur\t800,00\t\r\n";
    }

    void opdrachten()
    {
        QFETCH(Bestanden, lijsten);
        QFETCH(QByteArray, voor);
        QFETCH(QStringList, argumenten);
        QFETCH(int, afloop);
        QFETCH(QString, uit);
        QFETCH(QString, fout);
        QFETCH(QByteArray, na);

        TestProgramma test;
        for (const auto &[naam, bytes] : lijsten)
            test.schrijfData(naam, bytes);
        if (!voor.isNull())
            test.schrijfData(u"Begroting.txt"_s, voor);
        QString gedrukt;
        QString gemeld;
        QTextStream uitStroom(&gedrukt);
        QTextStream foutStroom(&gemeld);
        QCOMPARE(
            VoerOpdrachtUit(test.map(), QStringList { u"geldlog"_s, u"begroting"_s } + argumenten,
                uitStroom, foutStroom),
            afloop);
        uitStroom.flush();
        foutStroom.flush();
        QCOMPARE(gemeld, fout.replace(u"%1"_s, BegrotingPad(test.programma())));
        QCOMPARE(gedrukt, uit);
        QCOMPARE(QFile::exists(test.dataMap() + u"Begroting.txt"_s), !na.isNull());
        if (!na.isNull())
            QCOMPARE(test.leesData(u"Begroting.txt"_s), na);
        // What could not be read is kept whole.
        if (!fout.isEmpty() && afloop == 0)
            QCOMPARE(test.leesData(u"Begroting (beschadigd).txt"_s), voor);
    }

    // A window's budgets written while `geldlog begroting zet` changed the file: both stay.
    void andereGeldlogBlijft()
    {
        TestProgramma test;
        test.schrijfData(u"Begroting.txt"_s, Kop + "Huur\t800,00\t\r\nKleding\t40,00\t\r\n");
        BegrotingBestand venster(test.programma());
        QString uit;
        QTextStream stroom(&uit);
        for (const auto &[omschrijving, bedrag] :
            { std::pair { u"Boodschappen"_s, u"600"_s }, std::pair { u"Huur"_s, u"0"_s } }) {
            VoerOpdrachtUit(test.map(),
                { u"geldlog"_s, u"begroting"_s, u"zet"_s, omschrijving, bedrag }, stroom, stroom);
        }
        venster.Inhoud().ZetBedrag(u"Kleding"_s, 5000);
        QVERIFY(venster.Bewaar(nullptr));
        QCOMPARE(test.leesData(u"Begroting.txt"_s),
            Kop + "Boodschappen\t600,00\t\r\nKleding\t50,00\t\r\n");
    }

    // What is read of a file, and written back.
    void bestand_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("vreemd");
        QTest::addColumn<std::vector<int>>("beschadigd");
        QTest::addColumn<QByteArray>("terug");

        const QByteArray gaaf = Kop
            + "Boodschappen\t612,50\t\r\nkleding\t\tReserveringsuitgaven\r\n"
            + "Zwemles \xC3\xAB\t0,01\tVaste lasten\r\n";
        QTest::newRow("sound") << gaaf << QString() << std::vector<int> {} << gaaf;
        QTest::newRow("foreign") << QByteArray("Omschrijving;Bedrag\r\nHuur;800\r\n")
                                 << u"het is geen begroting van Geldlog"_s << std::vector<int> {}
                                 << Kop;
        QTest::newRow("damaged lines passed over, LF and a byte order mark read")
            << QByteArray("\xEF\xBB\xBFGeldlog begroting 1\nHuur\t800\t\n\nEten\t12,5x\t\r\n"
                          "Kleding\t-40\t\r\nHUUR\t700\t\r\nAuto\t\tVakantie\r\nFiets\r\n"
                          "Gas\t1\t\t\r\nKado\t1.000\t\r\nKaas\t1.000,50\tvaste LASTEN")
            << QString() << std::vector<int> { 4, 5, 6, 7, 8, 9, 10 }
            << Kop + "Huur\t800,00\t\r\nKaas\t1000,50\tVaste lasten\r\n";
    }

    void bestand()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, vreemd);
        QFETCH(std::vector<int>, beschadigd);
        QFETCH(QByteArray, terug);

        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        const GelezenBegroting gelezen = LeesBegroting(in);
        QCOMPARE(gelezen.vreemd, vreemd);
        QCOMPARE(gelezen.beschadigd, beschadigd);
        QBuffer uit;
        uit.open(QIODevice::WriteOnly);
        QVERIFY(SchrijfBegroting(uit, gelezen.begrotingen, nullptr));
        QCOMPARE(uit.data(), terug);
    }
};

QTEST_MAIN(TestBegroting)
#include "tst_begroting.moc"
