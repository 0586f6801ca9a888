#include "TestProgramma.h"
#include "bank/BankPosten.h"
#include "matching/GeleerdBestand.h"
#include "matching/Uitleg.h"
#include "matching/Voorsteller.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

// "2026-03-02|naam|rekening|omschrijving|centen", a learned one with "|woord" after it.
BankPost Post(const QString &regel)
{
    const QStringList delen = regel.split(u'|');
    return { QDate::fromString(delen[0], Qt::ISODate), delen[1], delen[3], delen[4].toLongLong(),
        delen[2] };
}

Geleerd Leer(const QStringList &regels)
{
    Geleerd geleerd;
    for (const QString &regel : regels)
        geleerd.Leer(Post(regel), regel.section(u'|', 5));
    return geleerd;
}

QByteArray Voorbeeld()
{
    QFile bestand(QStringLiteral(GELEERD_VOORBEELDEN "/geleerd.txt"));
    return bestand.open(QIODevice::ReadOnly) ? bestand.readAll() : QByteArray();
}

const QString Eneco = QStringLiteral("|NL29ABNA0244468733|Termijnbedrag|-14500|Energie");
const QString Ah = QStringLiteral("|ALBERT HEIJN 1403 HAARLEM NLD||Pasvolgnr: 003 Term: CT1|-2345");

} // namespace

class TestGeleerd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stelVoor_data()
    {
        QTest::addColumn<QStringList>("geleerd");
        QTest::addColumn<QString>("post");
        QTest::addColumn<QString>("waarom");

        const QString tikkie = QStringLiteral("|AAB INZ TIKKIE|NL13ABNA0417164300|Tikkie ID 1, ");
        const QString mollie = QStringLiteral("|Stichting Mollie Payments|NL23ABNA0813409387|M1 ");
        const QString jansen = QStringLiteral("|Bouwbedrijf Jansen B.V.|NL39RABO0300065264|");
        const QString fiscus = QStringLiteral("|Belastingdienst|NL86INGB0002445588|");
        QTest::newRow("rekening met altijd hetzelfde woord")
            << QStringList { u"2026-01-12|Eneco Consumenten B.V."_qs + Eneco,
                   u"2026-02-12|Eneco"_qs + Eneco }
            << u"2026-03-12|ENECO|NL29ABNA0244468733|Termijnbedrag maart|-14500"_qs
            << u"Energie: Zo genoemd bij 2 eerdere betalingen aan Eneco (laatst 12 februari)"_qs;
        QTest::newRow("naam zonder filiaal en plaats")
            << QStringList { u"2025-12-01|ALBERT HEIJN 1234 AMSTERDAM NLD||x|-500|Boodschappen"_qs,
                   u"2026-02-01|ALBERT HEIJN 5678 HAARLEM NLD||y|-700|Boodschappen"_qs }
            << u"2026-03-01|ALBERT HEIJN 9012 ZANDVOORT NLD||Pasvolgnr: 003|-900"_qs
            << u"Boodschappen: Zo genoemd bij 2 eerdere betalingen aan ALBERT HEIJN "
               u"(laatst 1 februari)"_qs;
        QTest::newRow("woorden van de omschrijving")
            << QStringList { u"2026-01-09"_qs + tikkie + u"Pizza, Van J de Vries|-1250|Uit eten"_qs,
                   u"2026-02-20"_qs + tikkie + u"Pizza vrijdag, Van M Bakker|-900|Uit eten"_qs,
                   u"2026-02-21"_qs + tikkie + u"Bowlen, Van J de Vries|-1500|Uitjes"_qs }
            << u"2026-03-06"_qs + tikkie + u"Pizza, Van S Jansen|-1100"_qs
            << u"Uit eten: Zo genoemd bij 2 eerdere betalingen met \"pizza\" "
               u"(laatst 20 februari)"_qs;
        QTest::newRow("een betaaldienst is geen sleutel")
            << QStringList { u"2026-01-03"_qs + mollie + u"Thuisbezorgd.nl|-2500|Afhalen"_qs,
                   u"2026-02-03"_qs + mollie + u"Thuisbezorgd.nl|-2100|Afhalen"_qs }
            << u"2026-03-03"_qs + mollie + u"Pathe Tickets|-2400"_qs << u""_qs;
        QTest::newRow("het bedrag scheidt loon en vakantiegeld")
            << QStringList { u"2026-04-24"_qs + jansen + u"Salaris april|284617|Salaris"_qs,
                   u"2026-05-24"_qs + jansen + u"Salaris mei|285617|Salaris"_qs,
                   u"2026-05-24"_qs + jansen + u"Vakantietoeslag|241250|Vakantiegeld"_qs }
            << u"2026-06-24"_qs + jansen + u"Salaris juni|286000"_qs
            << u"Salaris: Zo genoemd bij 2 eerdere ontvangsten van Bouwbedrijf Jansen van "
               u"ongeveer dit bedrag (laatst 24 mei)"_qs;
        QTest::newRow("de richting scheidt toeslag en belasting")
            << QStringList { u"2026-01-20"_qs + fiscus + u"Zorgtoeslag|12300|Zorgtoeslag"_qs,
                   u"2026-01-02"_qs + fiscus + u"Motorrijtuigenbelasting|-9800|Wegenbelasting"_qs,
                   u"2026-04-02"_qs + fiscus + u"Motorrijtuigenbelasting|-9800|Wegenbelasting"_qs }
            << u"2026-07-02"_qs + fiscus + u"Motorrijtuigenbelasting|-9800"_qs
            << u"Wegenbelasting: Zo genoemd bij 2 eerdere betalingen aan Belastingdienst "
               u"(laatst 2 april)"_qs;
        QTest::newRow("twijfel laat de tekst van de bank")
            << QStringList { u"2026-01-02|HEMA 1234 Haarlem|||-500|Huishouden"_qs,
                   u"2026-01-09|HEMA 1234 Haarlem|||-900|Kleding"_qs,
                   u"2026-01-16|HEMA 1234 Haarlem|||-700|Huishouden"_qs,
                   u"2026-01-23|HEMA 1234 Haarlem|||-800|Kleding"_qs }
            << u"2026-02-02|HEMA 1234 Haarlem|||-600"_qs << u""_qs;
    }

    void stelVoor()
    {
        QFETCH(QStringList, geleerd);
        QFETCH(QString, post);
        QFETCH(QString, waarom);
        const BankPost nieuw = Post(post);
        const std::optional<Voorstel> voorstel = Voorsteller(Leer(geleerd)).StelVoor(nieuw);
        QCOMPARE(voorstel ? voorstel->woord + u": "_qs + VoorstelUitleg(*voorstel, nieuw.datum)
                          : QString(),
            waarom);
    }

    // Wijzigen gives a word to a transaction learned before, known by the bank's text on its day
    // or by its word, the nearest a few days around; not to an entry no statement brought.
    void leertVanWijzigen()
    {
        Geleerd geleerd = Leer(
            { u"2026-01-02"_qs + Ah + u"|Boodschappen"_qs, u"2026-01-05"_qs + Ah + u"|"_qs });
        const auto wijzig = [&](const QString &datum, const QString &van, const QString &naar) {
            return geleerd.LeerWijziging(
                { datum, van, {}, u"23,45"_qs }, { datum, naar, {}, u"23,45"_qs });
        };
        const QString bank = AlsItem(Post(u"2026-01-05"_qs + Ah)).omschrijving;
        QVERIFY(!wijzig(u"2026-01-06"_qs, bank, u"Eten"_qs));
        QVERIFY(!wijzig(u"2026-01-05"_qs, u"Markt"_qs, u"Eten"_qs));
        QVERIFY(wijzig(u"2026-01-05"_qs, bank, u"Boodschappen"_qs));
        QVERIFY(wijzig(u"2026-01-04"_qs, u"Boodschappen"_qs, u"Eten"_qs));
        QCOMPARE(geleerd.Woord(geleerd.Voorbeelden()[1].woord), u"Eten"_qs);
    }

    // What was learned is written in the file's order and read back whole.
    void bestandHeenEnTerug()
    {
        TestProgramma test;
        GeleerdBestand bestand(test.programma(), GeleerdBestand::Gebruik::Leren);
        bestand.Inhoud() = Leer({ u"2026-01-12|Eneco Consumenten B.V."_qs + Eneco,
            u"2026-02-12|Eneco"_qs + Eneco, u"2026-01-02"_qs + Ah + u"|Boodschappen"_qs,
            u"2026-01-05"_qs + Ah + u"|"_qs, u"2026-01-09|Café \"Zürich\"|||350|Koffie"_qs });
        QVERIFY(bestand.Bewaar(nullptr));
        QCOMPARE(test.leesData(u"Geleerde omschrijvingen.txt"_qs), Voorbeeld());
        const GeleerdBestand gelezen(test.programma(), GeleerdBestand::Gebruik::Leren);
        QVERIFY(gelezen.Melding().isEmpty() && gelezen.Bewaar(nullptr));
        QCOMPARE(test.leesData(u"Geleerde omschrijvingen.txt"_qs), Voorbeeld());
    }

    // A damaged or foreign file costs the learning, never the file: it is put aside, beside one
    // put aside before, said once, and learning starts afresh.
    void beschadigdBestand_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reden");
        const QByteArray kop = "Geldlog geleerde omschrijvingen 1\r\n";
        QTest::newRow("leeg") << QByteArray() << "het is geen bestand met geleerde omschrijvingen";
        QTest::newRow("nieuwere versie") << QByteArray("Geldlog geleerde omschrijvingen 2\r\n")
                                         << u"het is van een andere versie van Geldlog"_qs;
        QTest::newRow("post zonder soort") << kop + "  2026-03-01 -1,00\r\n"
                                           << u"regel 2 is beschadigd"_qs;
        QTest::newRow("afgebroken") << kop + "Huur\t\tElan\t\r\n  2026-03-0"
                                    << "regel 3 is beschadigd";
        QTest::newRow("bedrag") << kop + "Huur\t\tElan\t\r\n  2026-03-01 9,5"
                                << "regel 3 is beschadigd";
        QTest::newRow("stuurteken") << kop + "Huur\x01\t\tElan\t\r\n"
                                    << "regel 2 is beschadigd";
    }

    void beschadigdBestand()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reden);
        TestProgramma test;
        for (const QString &opzij : { u"Geleerde omschrijvingen (beschadigd).txt"_qs,
                 u"Geleerde omschrijvingen (beschadigd 2).txt"_qs }) {
            test.schrijfData(u"Geleerde omschrijvingen.txt"_qs, bytes);
            GeleerdBestand bestand(test.programma(), GeleerdBestand::Gebruik::Leren);
            QCOMPARE(bestand.Melding(),
                u"De geleerde omschrijvingen in "_qs
                    + QDir::toNativeSeparators(GeleerdPad(test.programma()))
                    + u" zijn niet te lezen: "_qs + reden
                    + u". Geldlog begint opnieuw met leren. Het oude bestand is bewaard als \""_qs
                    + opzij + u"\"."_qs);
            QVERIFY(bestand.Inhoud().Voorbeelden().empty() && bestand.Bewaar(nullptr));
            QCOMPARE(test.leesData(opzij), bytes);
            QCOMPARE(GeleerdBestand(test.programma(), GeleerdBestand::Gebruik::Leren).Melding(),
                QString());
        }
    }

    // A file a trial reads, or that cannot be opened, stays as it is and is not written over.
    void bestandBlijftZoalsHetIs()
    {
        TestProgramma test;
        const QString pad = GeleerdPad(test.programma());
        const QString niet = u"De geleerde omschrijvingen in "_qs + QDir::toNativeSeparators(pad)
            + u" worden deze keer niet gebruikt: "_qs;
        test.schrijfData(u"Geleerde omschrijvingen.txt"_qs, "Huur\r\n");
        const GeleerdBestand proef(test.programma(), GeleerdBestand::Gebruik::AlleenLezen);
        QCOMPARE(proef.Melding(),
            niet
                + u"het is geen bestand met geleerde omschrijvingen. Het bestand blijft zoals het "
                  "is."_qs);
        QVERIFY(proef.Bewaar(nullptr));
        QCOMPARE(QDir(test.dataMap()).entryList(QDir::Files),
            QStringList { u"Geleerde omschrijvingen.txt"_qs });
        QCOMPARE(test.leesData(u"Geleerde omschrijvingen.txt"_qs), "Huur\r\n");

        QVERIFY(QFile::remove(pad) && QDir().mkpath(pad));
        GeleerdBestand onleesbaar(test.programma(), GeleerdBestand::Gebruik::Leren);
        QCOMPARE(onleesbaar.Melding(),
            niet
                + u"het kon niet geopend worden. Het bestand blijft zoals het is; wat Geldlog nu "
                  "leert, wordt niet bewaard."_qs);
        onleesbaar.Inhoud().Leer(Post(u"2026-03-12|Eneco"_qs + Eneco), u"Energie"_qs);
        QVERIFY(onleesbaar.Bewaar(nullptr) && QFileInfo(pad).isDir());
    }

    void stuurtekensEnEenNaamVanTienMegabyte()
    {
        const QString lang = QString(10'000'000, u'A') + u'\x02';
        const BankPost post { QDate(2026, 3, 1), u"ALBERT\tHEIJN\x01 1403 "_qs + lang, lang, -2345,
            lang };
        TestProgramma test;
        GeleerdBestand bestand(test.programma(), GeleerdBestand::Gebruik::Leren);
        Geleerd &geleerd = bestand.Inhoud();
        geleerd.Leer(post, QStringLiteral("Bood\x01schappen"));
        geleerd.Leer(post, AlsItem(post).omschrijving);
        QCOMPARE(geleerd.Bronnen().front().naam, u"ALBERT HEIJN 1403 "_qs + QString(82, u'A'));
        QVERIFY(geleerd.EigenWoorden().isEmpty());
        QVERIFY(!Voorsteller(geleerd).StelVoor(post));
        QVERIFY(bestand.Bewaar(nullptr));
        QCOMPARE(
            GeleerdBestand(test.programma(), GeleerdBestand::Gebruik::Leren).Melding(), QString());
    }
};

QTEST_GUILESS_MAIN(TestGeleerd)
#include "tst_geleerd.moc"
