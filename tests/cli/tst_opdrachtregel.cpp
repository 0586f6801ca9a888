// Geldlog on the command line: importing a bank file into a list, exporting a list for a
// spreadsheet, the balance overview, and what is refused or wrongly used.
#include "IngRegels.h"
#include "LijstGroep.h"
#include "SchijfVol.h"
#include "TestProgramma.h"
#include "bank/BankBestand.h"
#include "bank/Bankafschrift.h"
#include "cli/Opdrachtregel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTextStream>

#include <memory>

namespace {

// Two equal coffees, a salary of February from a name with letters that Windows-1252 lacks and,
// on line 6, an amount no one can read.
const QByteArray Afschrift = IngKop + "\r\n"
    + IngRegel("20260302", "Albert Heijn", "Af", "12,34", "Boodschappen") + "\r\n"
    + IngRegel("20260303", "Koffiebar", "Af", "2,50", "") + "\r\n"
    + IngRegel("20260303", "Koffiebar", "Af", "2,50", "") + "\r\n"
    + IngRegel("20260225", "Werkgever Łódź", "Bij", "2500,00", "Salaris februari") + "\r\n"
    + IngRegel("20260304", "Fout", "Af", "12,5x", "") + "\r\n";

const QByteArray Boodschappen = Groep("2026-03-02", "Albert Heijn - Boodschappen", "", "12,34");
const QByteArray Koffie = Groep("2026-03-03", "Koffiebar", "", "2,50");
const QByteArray Salaris = Groep("2026-02-25",
    "Werkgever ?\xF3"
    "d? - Salaris februari",
    "2500,00", "");
const QByteArray Huur = Groep("-", "Huur", "", "800,00");

// A statement of 20 July to 14 August, and the entries its transactions become.
const QByteArray JuliAugustus = IngKop + "\r\n" + IngRegel("20260720", "Bakker", "Af", "3,15", "")
    + "\r\n" + IngRegel("20260731", "Werkgever", "Bij", "2000,00", "") + "\r\n"
    + IngRegel("20260801", "Huur", "Af", "800,00", "") + "\r\n"
    + IngRegel("20260814", "Bakker", "Af", "4,20", "") + "\r\n";
const QByteArray Bakker = Groep("2026-07-20", "Bakker", "", "3,15");
const QByteArray Werkgever = Groep("2026-07-31", "Werkgever", "2000,00", "");
const QByteArray AugustusHuur = Groep("2026-08-01", "Huur", "", "800,00");
const QByteArray AugustusBakker = Groep("2026-08-14", "Bakker", "", "4,20");

using Bestanden = QList<QPair<QString, QByteArray>>;

struct Uitkomst {
    int status = -1;
    QString uit;
    QString fout;
};

} // namespace

class TestOpdrachtregel : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramma> m_test;
    QString m_afschrift; // a bank file beside the Data folder

    // The command line as the program gets it, its name first.
    QStringList Regel(QStringList argumenten)
    {
        for (QString &argument : argumenten) {
            argument.replace(u"%afschrift"_qs, m_afschrift)
                .replace(u"%data"_qs, m_test->dataMap())
                .replace(u"%map"_qs, m_test->map());
        }
        return QStringList { u"geldlog"_qs } + argumenten;
    }

    Uitkomst Draai(const QStringList &argumenten)
    {
        Uitkomst afloop;
        QTextStream uit(&afloop.uit);
        QTextStream fout(&afloop.fout);
        afloop.status
            = VoerOpdrachtUit(m_test->map(), EigenArgumenten(Regel(argumenten)), uit, fout);
        return afloop;
    }

    void SchrijfAfschrift(const QByteArray &inhoud)
    {
        QFile bestand(m_afschrift);
        QVERIFY(bestand.open(QIODevice::WriteOnly));
        QCOMPARE(bestand.write(inhoud), inhoud.size());
    }

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgramma>();
        m_afschrift = m_test->map() + u"/afschrift.csv"_qs;
        SchrijfAfschrift(Afschrift);
    }

    void tweedeImportVoegtNietsToe()
    {
        // The list holds a coffee already, and the fixed costs' group that a command keeps.
        // The empty last lines that an editor may leave are no entry cut off. February's salary
        // goes in with the others, as asked.
        m_test->schrijfData(u"2026 Maart.lst"_qs, Huur + Koffie + "\r\n\r\n");
        QStringList importeer { u"--alle"_qs, u"importeer"_qs, u"%afschrift"_qs, u"2026 Maart"_qs };
        const QString onleesbaar = u"Regel 6: het bedrag \"12,5x\" is onleesbaar.\n"_qs;

        Uitkomst eerste = Draai(importeer);
        QCOMPARE(eerste.status, 0);
        QCOMPARE(eerste.uit,
            u"ING (CSV): 3 posten toegevoegd aan \"2026 Maart\", 1 stond er al in, "
            "1 onleesbare regel overgeslagen.\n"_qs);
        QCOMPARE(eerste.fout, onleesbaar);
        const QByteArray na = Huur + Koffie + Salaris + Boodschappen + Koffie;
        QCOMPARE(m_test->leesData(u"2026 Maart.lst"_qs), na);

        // The name as the save dialog takes it: the same list.
        importeer.last() = u" 2026 Maart "_qs;
        Uitkomst tweede = Draai(importeer);
        QCOMPARE(tweede.status, 0);
        QCOMPARE(tweede.uit,
            u"ING (CSV): 0 posten toegevoegd aan \"2026 Maart\", 4 stonden er al in, "
            "1 onleesbare regel overgeslagen.\n"_qs);
        QCOMPARE(m_test->leesData(u"2026 Maart.lst"_qs), na);
        QCOMPARE(QDir(m_test->dataMap()).entryList(QDir::Files),
            (QStringList { u"2026 Maart.lst"_qs, u"Geleerde omschrijvingen.txt"_qs }));
    }

    // Only March 2026's transactions, shown and not written: the household's word where it was
    // learned twice, the bank's text after it. The others are told per month.
    void proefMetMaand()
    {
        SchrijfAfschrift(Afschrift + IngRegel("20250305", "Vorig jaar", "Af", "1,00", "") + "\r\n");
        const QByteArray geleerd = "Geldlog geleerde omschrijvingen 1\r\nBoodschappen\t\tAlbert "
                                   "Heijn\t\r\n  2026-02-02 -20,00\r\n  2026-02-09 -90,00\r\n";
        m_test->schrijfData(u"Geleerde omschrijvingen.txt"_qs, geleerd);
        const QStringList proef { u"importeer"_qs, u"%afschrift"_qs, u"Nieuw"_qs, u"--proef"_qs,
            u"--maand"_qs, u"2026-03"_qs };
        const Uitkomst afloop = Draai(proef);
        QCOMPARE(afloop.status, 0);
        QCOMPARE(afloop.uit,
            u"2026-03-02       -12,34  Boodschappen  (Albert Heijn - Boodschappen)\n"
            "2026-03-03        -2,50  Koffiebar\n"
            "2026-03-03        -2,50  Koffiebar\n"
            "ING (CSV): 3 posten zouden worden toegevoegd aan \"Nieuw\" (1 met een eigen "
            "omschrijving), 0 stonden er al in, 1 onleesbare regel overgeslagen; er is niets "
            "geschreven.\n"
            "1 post uit maart 2025 niet toegevoegd; geldlog importeer %1 \"2025 Maart\"\n"
            "1 post uit februari 2026 niet toegevoegd; geldlog importeer %1 \"2026 Februari\"\n"_qs
                .arg(m_afschrift));
        QVERIFY(!QFile::exists(m_test->dataMap() + u"Nieuw.lst"_qs));
        QCOMPARE(m_test->leesData(u"Geleerde omschrijvingen.txt"_qs), geleerd);

        // A damaged learning file is not put aside either.
        m_test->schrijfData(u"Geleerde omschrijvingen.txt"_qs, "Huur\r\n");
        QVERIFY(Draai(proef).fout.contains(u"Het bestand blijft zoals het is."_qs));
        QCOMPARE(QDir(m_test->dataMap()).entryList(QDir::Files),
            QStringList { u"Geleerde omschrijvingen.txt"_qs });
    }

    // A fixed cost the bank paid at another amount is there already, as its counterparty goes by
    // the fixed cost's word, and is told; a word Geldlog proposed is kept as its proposal, also
    // when the next import finds it in the list, and teaches nothing.
    void vasteLastVanEenAnderBedragEnEenVoorstel()
    {
        SchrijfAfschrift(IngKop + "\r\n" + IngRegel("20260302", "Verhuurder", "Af", "825,00", "")
            + "\r\n" + IngRegel("20260302", "Albert Heijn", "Af", "12,34", "") + "\r\n");
        m_test->schrijfData(u"Vastelasten.vls"_qs, Huur);
        m_test->schrijfData(u"2026 Maart.lst"_qs, Groep("2026-03-01", "Huur", "", "800,00"));
        const QByteArray geleerd
            = "Geldlog geleerde omschrijvingen 2\r\nBoodschappen\t\tAlbert "
              "Heijn\t\r\n  2026-02-02 -20,00\r\n  2026-02-09 -90,00\r\nHuur\t\t"
              "Verhuurder\t\r\n  2026-02-01 -800,00\r\n";
        m_test->schrijfData(u"Geleerde omschrijvingen.txt"_qs, geleerd);
        const QString huur = u"2026-03-02: Staat al in de lijst als \"Huur\" (1 maart); de bank "
                             "schreef € 825,00 af, de vaste last is € 800,00.\n"_qs;
        const QStringList importeer { u"importeer"_qs, u"%afschrift"_qs, u"2026 Maart"_qs };
        QCOMPARE(Draai(importeer).uit,
            huur
                + u"ING (CSV): 1 post toegevoegd aan \"2026 Maart\" (1 met een eigen "
                  "omschrijving), 1 stond er al in.\n"_qs);
        QCOMPARE(Draai(importeer).uit,
            huur + u"ING (CSV): 0 posten toegevoegd aan \"2026 Maart\", 2 stonden er al in.\n"_qs);
        QCOMPARE(m_test->leesData(u"Geleerde omschrijvingen.txt"_qs),
            geleerd.first(geleerd.indexOf("Huur"))
                + "Boodschappen\t\tAlbert Heijn\t\tvoorstel\r\n  2026-03-02 -12,34\r\n"
                + geleerd.sliced(geleerd.indexOf("Huur")) + "  2026-03-02 -825,00\r\n");
    }

    void weigert_data()
    {
        QTest::addColumn<QStringList>("argumenten");
        QTest::addColumn<QByteArray>("afschrift");
        QTest::addColumn<bool>("schijfVol");
        QTest::addColumn<QString>("fout");

        const QString kent = u"Dit bestand is geen bankafschrift dat Geldlog kent.\n"_qs
            + BekendeSoorten().join(u'\n') + u'\n';
        const QStringList importeer { u"importeer"_qs, u"%afschrift"_qs, u"2026 Maart"_qs };
        QTest::newRow("onbekende soort")
            << importeer << QByteArray("Datum;Bedrag\r\n1;2\r\n") << false << kent;
        QTest::newRow("naam met schuine streep")
            << QStringList { u"importeer"_qs, u"%afschrift"_qs, u"../2026 Maart"_qs } << Afschrift
            << false << u"De naam mag geen \\ / : * ? \" < > | of stuurtekens bevatten.\n"_qs;
        QTest::newRow("afgebroken lijst") << importeer << Afschrift << false
                                          << u"De lijst \"2026 Maart\" is niet volledig te lezen; "
                                             "er is niets toegevoegd.\n"_qs;
        QTest::newRow("schijf vol")
            << importeer << Afschrift << true
            << u"Regel 6: het bedrag \"12,5x\" is onleesbaar.\nKan %data2026 Maart.lst niet "
               u"schrijven: het bestand wordt te groot voor deze "
               "schijf.\nDe lijst \"2026 Maart\" is ongewijzigd; er is niets toegevoegd.\n"_qs;
        QTest::newRow("naam van blanco's")
            << QStringList { u"importeer"_qs, u"%afschrift"_qs, u"  "_qs } << Afschrift << false
            << u"Naam ontbreekt!\n"_qs;
        // Every way into Data, a folder in it among them; a list's name anywhere, and any file
        // that is there already.
        const QString eigenMap = u"Geldlog schrijft geen CSV in zijn eigen map Data.\n"_qs;
        for (const QString &doel :
            { u"%data2026 Maart.lst"_qs, u"%datamaart.csv"_qs, u"%datanieuw/maart.csv"_qs,
                u"%dataoud/maart.csv"_qs, u"%data../Data/maart.csv"_qs, u"Data/maart.csv"_qs,
                u"%map/naar-data/maart.csv"_qs, u"%map/naar-lijst.csv"_qs }) {
            QTest::addRow("exporteer naar %s", qPrintable(doel)) << QStringList { u"exporteer"_qs,
                u"2026 Maart"_qs, doel } << Afschrift << false << eigenMap;
        }
        for (const auto &[doel, waarom] :
            QList<QPair<QString, QString>> {
                { u"%map/MAART.LST"_qs,
                    u"Geldlog schrijft geen CSV over \"%map/MAART.LST\": een .LST-bestand is een "
                    "lijst van Geldlog.\n"_qs },
                { u"%map/afschrift.csv"_qs,
                    u"\"%map/afschrift.csv\" bestaat al; geldlog exporteer \"2026 Maart\" "
                    "%map/afschrift.csv --vervang schrijft erover.\n"_qs },
                { u"%map/Geldlog.ini"_qs,
                    u"Geldlog schrijft geen CSV over \"%map/Geldlog.ini\": een .ini-bestand is een "
                    "bestand met instellingen.\n"_qs } }) {
            QTest::addRow("exporteer naar %s", qPrintable(doel)) << QStringList { u"exporteer"_qs,
                u"2026 Maart"_qs, doel } << Afschrift << false << waarom;
        }
    }

    void weigert()
    {
        QFETCH(QStringList, argumenten);
        QFETCH(QByteArray, afschrift);
        QFETCH(bool, schijfVol);
        QFETCH(QString, fout);
        // A cut-off last group where the test asks for it, else one whole group.
        const QByteArray lijst = Koffie
            + (QByteArray(QTest::currentDataTag()) == "afgebroken lijst" ? "2026-03-04\r\nThee\r\n"
                                                                         : "");
        m_test->schrijfData(u"2026 Maart.lst"_qs, lijst);
        SchrijfAfschrift(afschrift);
        // Links into Data, and the program's folder as the working folder.
        QVERIFY(QFile::link(m_test->dataMap(), m_test->map() + u"/naar-data"_qs));
        QVERIFY(QFile::link(
            m_test->dataMap() + u"2026 Maart.lst"_qs, m_test->map() + u"/naar-lijst.csv"_qs));
        QVERIFY(QDir::setCurrent(m_test->map()));
        QVERIFY(QDir(m_test->dataMap()).mkdir(u"oud"_qs));

        Uitkomst afloop;
        {
            const auto vol = schijfVol ? std::make_unique<SchijfVol>(lijst.size()) : nullptr;
            afloop = Draai(argumenten);
        }
        QCOMPARE(afloop.status, 1);
        QCOMPARE(afloop.fout,
            fout.replace(u"%data"_qs, m_test->dataMap()).replace(u"%map"_qs, m_test->map()));
        QCOMPARE(afloop.uit, QString());
        QCOMPARE(m_test->leesData(u"2026 Maart.lst"_qs), lijst);
        QCOMPARE(QDir(m_test->dataMap()).entryList(QDir::Files | QDir::Hidden),
            QStringList { u"2026 Maart.lst"_qs });
        QCOMPARE(QDir(m_test->map()).entryList(QDir::Files | QDir::Hidden),
            (QStringList { u"afschrift.csv"_qs, u"naar-lijst.csv"_qs }));
        QVERIFY(QFileInfo(m_test->map() + u"/naar-lijst.csv"_qs).isSymLink());
    }

    void exporteert()
    {
        // An amount typed as "12.5" was stored as "12,5"; "abc" counts as 0, as in the window.
        m_test->schrijfData(u"Mei.lst"_qs,
            Groep("2026-05-01", "Koffie; met \"slagroom\"", "", "12,5") + Huur
                + Groep("2026-05-02", "=SOM(A1:A9)", "abc", "")
                + Groep("2026-05-03", "Caf\xE9", "1234,56", "") + "\r\n");
        const QString csv = m_test->map() + u"/mei.csv"_qs;
        const Uitkomst afloop = Draai({ u"exporteer"_qs, u"Mei"_qs, csv });
        QCOMPARE(afloop.status, 0);
        QCOMPARE(afloop.uit, u"De lijst \"Mei\" is geëxporteerd naar \"%1\".\n"_qs.arg(csv));
        // Over its own earlier export only when asked, and the name in any capitals.
        QCOMPARE(Draai({ u"exporteer"_qs, u"MEI"_qs, csv }).status, 1);
        QCOMPARE(Draai({ u"exporteer"_qs, u"MEI"_qs, csv, u"--vervang"_qs }).status, 0);
        QFile bestand(csv);
        QVERIFY(bestand.open(QIODevice::ReadOnly));
        QCOMPARE(bestand.readAll(),
            "\xEF\xBB\xBF"
            "Datum;Omschrijving;Inkomsten;Uitgaven\r\n"
            "2026-05-01;\"Koffie; met \"\"slagroom\"\"\";;12,50\r\n"
            "2026-05-02;'=SOM(A1:A9);0,00;\r\n"
            "2026-05-03;Caf\xC3\xA9;1234,56;\r\n");
    }

    // Into a list named after a month go that month's transactions; the others are told with
    // the command for their month, named as the household names its months. A transaction any
    // saved list holds is there already, and a name in other capitals or blanks is that list.
    void postenPerMaandEnLijst_data()
    {
        QTest::addColumn<Bestanden>("lijsten");
        QTest::addColumn<QString>("lijst"); // as typed
        QTest::addColumn<QString>("uit");
        QTest::addColumn<QString>("bestand"); // the file written, and what it holds then
        QTest::addColumn<QByteArray>("inhoud");
        QTest::newRow("juli")
            << Bestanden { { u"2026 Januari.lst"_qs, "" }, { u"Juli 2026.lst"_qs, Bakker } }
            << u"juli  2026"_qs
            << u"ING (CSV): 1 post toegevoegd aan \"Juli 2026\", 1 stond er al in.\n"
               "2 posten uit augustus 2026 niet toegevoegd; geldlog importeer "
               "%afschrift \"Augustus 2026\"\n"_qs
            << u"Juli 2026.lst"_qs << Bakker + Werkgever;
        QTest::newRow("augustus, na juli met --alle")
            << Bestanden { { u"Juli 2026.lst"_qs, Bakker + Werkgever + AugustusHuur } }
            << u"2026 Augustus"_qs
            << u"ING (CSV): 1 post toegevoegd aan \"2026 Augustus\", 3 stonden er al in (3 in een "
               "andere lijst).\n"_qs
            << u"2026 Augustus.lst"_qs << AugustusBakker;
    }

    void postenPerMaandEnLijst()
    {
        QFETCH(Bestanden, lijsten);
        QFETCH(QString, lijst);
        QFETCH(QString, uit);
        QFETCH(QString, bestand);
        QFETCH(QByteArray, inhoud);
        QStringList namen { bestand };
        for (const auto &[naam, bytes] : lijsten) {
            m_test->schrijfData(naam, bytes);
            namen.append(naam);
        }
        SchrijfAfschrift(JuliAugustus);
        const Uitkomst afloop = Draai({ u"importeer"_qs, u"%afschrift"_qs, lijst });
        QCOMPARE(afloop.status, 0);
        QCOMPARE(afloop.uit, uit.replace(u"%afschrift"_qs, m_afschrift));
        QCOMPARE(m_test->leesData(bestand), inhoud);
        namen.removeDuplicates();
        namen.sort();
        QCOMPARE(QDir(m_test->dataMap()).entryList({ u"*.lst"_qs }), namen);
    }

    // Output that cannot be written ends every command with 1, said in Dutch.
    void volleSchijf_data()
    {
        QTest::addColumn<QStringList>("argumenten");
        QTest::newRow("jaar") << QStringList { u"jaar"_qs, u"2026"_qs, u"--csv"_qs };
        QTest::newRow("zoek") << QStringList { u"zoek"_qs, u"koffie"_qs };
        QTest::newRow("overzicht") << QStringList { u"overzicht"_qs };
        QTest::newRow("importeer") << QStringList { u"importeer"_qs, u"%afschrift"_qs, u"Kas"_qs };
        QTest::newRow("hulp") << QStringList { u"--help"_qs };
    }

    void volleSchijf()
    {
        QFETCH(QStringList, argumenten);
        m_test->schrijfData(u"2026 Maart.lst"_qs, Koffie);
        QFile vol(u"/dev/full"_qs);
        QVERIFY(vol.open(QIODevice::WriteOnly));
        QTextStream uit(&vol);
        QString gemeld;
        QTextStream fout(&gemeld);
        QCOMPARE(VoerOpdrachtUit(m_test->map(), Regel(argumenten), uit, fout), 1);
        QVERIFY2(
            gemeld.endsWith(u"Geldlog kan zijn uitvoer niet schrijven: de schijf is vol.\n"_qs),
            qPrintable(gemeld));
    }

    // Control characters of a bank file become blanks in the list, a byte order mark nothing; none
    // is printed, not even from a list that holds them from before.
    void stuurtekensWordenSpaties()
    {
        SchrijfAfschrift(IngKop + "\r\n"
            + IngRegel("20260302",
                "\xef\xbb\xbf"
                "Bakker\x1b]0;titel\x07",
                "Af", "3,15", "Brood\xc2\x9bmooi")
            + "\r\n");
        m_test->schrijfData(u"Oud.lst"_qs, Groep("2026-03-01", "Oud\x1b[2J\x07", "", "1"));
        QCOMPARE(Draai({ u"importeer"_qs, u"%afschrift"_qs, u"Kas"_qs }).status, 0);
        QCOMPARE(m_test->leesData(u"Kas.lst"_qs),
            Groep("2026-03-02", "Bakker ]0;titel - Brood mooi", "", "3,15"));
        QCOMPARE(Draai({ u"zoek"_qs, QString() }).uit,
            u"2026-03-01  Oud  Oud [2J                       -1,00\n"
            "2026-03-02  Kas  Bakker ]0;titel - Brood mooi  -3,15\n"
            "2 posten: inkomsten € 0,00, uitgaven € 4,15, saldo € -4,15\n"_qs);
    }

    // The window takes no arguments or one file that exists, whatever options of Qt's own stand
    // around it; anything else is answered without a display.
    void vensterOfOpdracht_data()
    {
        QTest::addColumn<QStringList>("argumenten");
        QTest::addColumn<int>("status"); // -1: the window
        QTest::addColumn<QString>("tekst"); // the window's statement, or what a command says
        QTest::newRow("niets") << QStringList() << -1 << QString();
        QTest::newRow("bankafschrift")
            << QStringList { u"%afschrift"_qs } << -1 << u"%afschrift"_qs;
        QTest::newRow("opties van Qt") << QStringList { u"-platform"_qs, u"xcb"_qs,
            u"--style=Fusion"_qs, u"%afschrift"_qs, u"-reverse"_qs }
                                       << -1 << u"%afschrift"_qs;
        QTest::newRow("alleen een optie van Qt")
            << QStringList { u"-reverse"_qs } << -1 << QString();
        QTest::newRow("onbekend woord")
            << QStringList { u"maand"_qs, u"2025-03"_qs } << 2
            << u"Onbekende opdracht \"maand\". \"geldlog --help\" toont wat Geldlog kent.\n"_qs;
        QTest::newRow("bestand dat er niet is")
            << QStringList { u"/x/bestaatniet.csv"_qs } << 1
            << u"Het bestand \"/x/bestaatniet.csv\" bestaat niet.\n"_qs;
        QTest::newRow("map") << QStringList { u"-reverse"_qs, u"%map"_qs } << 1
                             << u"\"%map\" is een map, geen bestand.\n"_qs;
    }

    void vensterOfOpdracht()
    {
        QFETCH(QStringList, argumenten);
        QFETCH(int, status);
        QFETCH(QString, tekst);
        tekst = Regel({ tekst }).last();
        const QStringList eigen = EigenArgumenten(Regel(argumenten));
        QCOMPARE(IsOpdracht(eigen), status >= 0);
        if (status < 0) {
            QCOMPARE(eigen.value(1), tekst);
            return;
        }
        const Uitkomst afloop = Draai(argumenten);
        QCOMPARE(afloop.status, status);
        QCOMPARE(afloop.fout, tekst);
        QCOMPARE(afloop.uit, QString());
    }

    void overzicht()
    {
        m_test->schrijfData(u"2026 April.lst"_qs, Koffie + Salaris);
        m_test->schrijfData(u"2026 Maart.lst"_qs, Boodschappen + Huur);
        // Cut off inside its last entry: its complete entries count, as opening it shows them;
        // a name no list can have is left out, as the window leaves it out.
        m_test->schrijfData(u"Kapot.lst"_qs, Koffie + "2026-03-04\r\n");
        m_test->schrijfData(u"Kas: 2018.lst"_qs, Salaris);
        const Uitkomst afloop = Draai({ u"overzicht"_qs });
        QCOMPARE(afloop.status, 0);
        QCOMPARE(afloop.uit,
            u"2026 April: 2497,50\n2026 Maart: -812,34\nKapot: -2,50\nTotaal € 1682,66\n"_qs);
        QCOMPARE(afloop.fout, QString());
    }

    // A file larger than a statement can be is refused before it is read.
    void leestBegrensd()
    {
        QString reden;
        QVERIFY(!LeesBankBestand(m_afschrift, &reden, 100));
        QCOMPARE(reden,
            u"Het bestand \"%1\" is te groot voor een bankafschrift (meer dan 0 MB)."_qs.arg(
                m_afschrift));
        QCOMPARE(LeesBankBestand(m_afschrift, &reden, Afschrift.size()), Afschrift);
    }
};

QTEST_GUILESS_MAIN(TestOpdrachtregel)
#include "tst_opdrachtregel.moc"
