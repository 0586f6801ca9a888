#include "TestProgramma.h"
#include "bank/BankPosten.h"
#include "matching/GeleerdBestand.h"
#include "matching/Uitleg.h"
#include "matching/Voorsteller.h"

#include <QBuffer>
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

// What the writer writes; nothing when it fails, which no comparison lets pass.
QByteArray Schrijf(const Geleerd &geleerd)
{
    QBuffer uit;
    uit.open(QIODevice::WriteOnly);
    return SchrijfGeleerd(uit, geleerd, nullptr) ? uit.data() : QByteArray();
}

std::optional<Geleerd> Lees(const QByteArray &bytes, QString *reden)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    return LeesGeleerd(in, reden);
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
        QTest::newRow("eens gezien is niet zeker")
            << QStringList { u"2026-02-07|CCV*BAKKERIJ VERMEER|||-450|Brood"_qs }
            << u"2026-03-07|CCV*BAKKERIJ VERMEER|||-450"_qs << u""_qs;
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
        const auto wijzig
            = [&geleerd](const QString &datum, const QString &van, const QString &naar) {
                  return geleerd.LeerWijziging(
                      { datum, van, {}, u"23,45"_qs }, { datum, naar, {}, u"23,45"_qs });
              };
        const QString bank = AlsItem(Post(u"2026-01-05"_qs + Ah)).omschrijving;
        QVERIFY(!wijzig(u"2026-01-05"_qs, bank, bank));
        QVERIFY(!wijzig(u"2026-01-06"_qs, bank, u"Eten"_qs));
        QVERIFY(wijzig(u"2026-01-05"_qs, bank, u"Boodschappen"_qs));
        QVERIFY(wijzig(u"2026-01-04"_qs, u"Boodschappen"_qs, u"Eten"_qs));
        QVERIFY(!wijzig(u"2026-01-09"_qs, u"Eten"_qs, u"Markt"_qs));
        QCOMPARE(geleerd.Woord(geleerd.Voorbeelden()[0].woord), u"Boodschappen"_qs);
        QCOMPARE(geleerd.Woord(geleerd.Voorbeelden()[1].woord), u"Eten"_qs);
    }

    void bestandHeenEnTerug()
    {
        const Geleerd geleerd = Leer({ u"2026-01-12|Eneco Consumenten B.V."_qs + Eneco,
            u"2026-02-12|Eneco"_qs + Eneco, u"2026-01-02"_qs + Ah + u"|Boodschappen"_qs,
            u"2026-01-05"_qs + Ah + u"|"_qs, u"2026-01-09|Café \"Zürich\"|||350|Koffie"_qs });
        QCOMPARE(Schrijf(geleerd), Voorbeeld());
        QString reden;
        const std::optional<Geleerd> gelezen = Lees(Voorbeeld(), &reden);
        QVERIFY2(gelezen, qPrintable(reden));
        QCOMPARE(Schrijf(*gelezen), Voorbeeld());
    }

    // A file that cannot be used costs the learning, never a file. A damaged or foreign one is
    // put aside under a name of its own, said once, and learning starts afresh; one that cannot
    // be opened, or that a trial reads, stays as it is, and is not written over.
    void bestandDatNietTeGebruikenIs_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("map"); // a folder in the file's place: it cannot be opened
        QTest::addColumn<bool>("leren");
        QTest::addColumn<QString>("bewaardAls"); // where the bytes are afterwards
        QTest::addColumn<QString>("melding");
        const QByteArray kop = "Geldlog geleerde omschrijvingen 1\r\n";
        const QString opzij = u"Geleerde omschrijvingen (beschadigd).txt"_qs;
        const auto nieuw = [&](const QString &reden, const QString &naam = QString()) {
            return u"De geleerde omschrijvingen in %pad zijn niet te lezen: "_qs + reden
                + u". Geldlog begint opnieuw met leren. Het oude bestand is bewaard als \""_qs
                + (naam.isEmpty() ? opzij : naam) + u"\"."_qs;
        };
        const QString niet
            = u"De geleerde omschrijvingen in %pad worden deze keer niet gebruikt: "_qs;
        const QString geen = u"het is geen bestand met geleerde omschrijvingen"_qs;
        QTest::newRow("leeg") << QByteArray() << false << true << opzij << nieuw(geen);
        QTest::newRow("nieuwere versie")
            << QByteArray("Geldlog geleerde omschrijvingen 2\r\n") << false << true << opzij
            << nieuw(u"het is van een andere versie van Geldlog"_qs);
        QTest::newRow("post zonder soort")
            << kop + "  2026-03-01 -1,00\r\n"
            << false << true << opzij << nieuw(u"regel 2 is beschadigd"_qs);
        QTest::newRow("afgebroken") << kop + "Huur\t\tElan\t\r\n  2026-03-0" << false << true
                                    << opzij << nieuw(u"regel 3 is beschadigd"_qs);
        QTest::newRow("bedrag") << kop + "Huur\t\tElan\t\r\n  2026-03-01 9,5" << false << true
                                << opzij << nieuw(u"regel 3 is beschadigd"_qs);
        QTest::newRow("stuurteken") << kop + "Huur\x01\t\tElan\t\r\n"
                                    << false << true << opzij << nieuw(u"regel 2 is beschadigd"_qs);
        // One put aside before is kept as well.
        const QString tweede = u"Geleerde omschrijvingen (beschadigd 2).txt"_qs;
        QTest::newRow("nog eens") << QByteArray("Huur\r\n") << false << true << tweede
                                  << nieuw(geen, tweede);
        QTest::newRow("voor een proef")
            << QByteArray("Huur\r\n") << false << false << u"Geleerde omschrijvingen.txt"_qs
            << niet + geen + u". Het bestand blijft zoals het is."_qs;
        QTest::newRow("niet te openen") << QByteArray() << true << true << QString()
                                        << niet
                + u"het kon niet geopend worden. Het bestand blijft zoals het is; wat Geldlog "
                  u"nu leert, wordt niet bewaard."_qs;
    }

    void bestandDatNietTeGebruikenIs()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, map);
        QFETCH(bool, leren);
        QFETCH(QString, bewaardAls);
        QFETCH(QString, melding);
        TestProgramma test;
        const QString pad = GeleerdPad(test.programma());
        // The second damaged file finds the first one put aside.
        if (bewaardAls.endsWith(u"2).txt"_qs))
            test.schrijfData(u"Geleerde omschrijvingen (beschadigd).txt"_qs, "eerder");
        if (map)
            QVERIFY(QDir().mkpath(pad));
        else
            test.schrijfData(u"Geleerde omschrijvingen.txt"_qs, bytes);

        GeleerdBestand bestand(test.programma(),
            leren ? GeleerdBestand::Gebruik::Leren : GeleerdBestand::Gebruik::AlleenLezen);
        QCOMPARE(bestand.Melding(), melding.replace(u"%pad"_qs, QDir::toNativeSeparators(pad)));
        QVERIFY(bestand.Inhoud().Voorbeelden().empty());
        bestand.Inhoud().Leer(Post(u"2026-03-12|Eneco"_qs + Eneco), u"Energie"_qs);
        QVERIFY(bestand.Bewaar(nullptr));

        // What stood there is kept, and only what started afresh is written over.
        QVERIFY(map ? QFileInfo(pad).isDir() : test.leesData(bewaardAls) == bytes);
        const GeleerdBestand daarna(test.programma(), GeleerdBestand::Gebruik::AlleenLezen);
        const bool opnieuw = bewaardAls.contains(u"beschadigd"_qs);
        QCOMPARE(daarna.Melding().isEmpty(), opnieuw);
        QCOMPARE(daarna.Inhoud().EigenWoorden(),
            opnieuw ? QStringList { u"Energie"_qs } : QStringList());
    }

    void stuurtekensEnEenNaamVanTienMegabyte()
    {
        const QString lang = QString(10'000'000, u'A') + u'\x02';
        const BankPost post { QDate(2026, 3, 1), u"ALBERT\tHEIJN\x01 1403 "_qs + lang, lang, -2345,
            lang };
        Geleerd geleerd;
        geleerd.Leer(post, QStringLiteral("Bood\x01schappen"));
        geleerd.Leer(post, AlsItem(post).omschrijving);
        QCOMPARE(geleerd.Bronnen().front().naam, u"ALBERT HEIJN 1403 "_qs + QString(82, u'A'));
        QVERIFY(geleerd.EigenWoorden().isEmpty());
        QVERIFY(!Voorsteller(geleerd).StelVoor(post));
        QVERIFY(Lees(Schrijf(geleerd), nullptr));
    }
};

QTEST_GUILESS_MAIN(TestGeleerd)
#include "tst_geleerd.moc"
