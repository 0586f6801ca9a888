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

// "2026-03-02|naam|rekening|omschrijving|centen", a learned one with "|woord" after it ("|!woord"
// given in place of Geldlog's proposal); a name that starts with "Geldmaat" is a cash machine's.
BankPost Post(const QString &regel)
{
    const QStringList delen = regel.split(u'|');
    BankPost post { QDate::fromString(delen[0], Qt::ISODate), delen[1], delen[3],
        delen[4].toLongLong(), delen[2] };
    if (post.naam.startsWith(u"Geldmaat"))
        post.soort = PostSoort::Geldopname;
    return post;
}

Geleerd Leer(const QStringList &regels)
{
    Geleerd geleerd;
    for (const QString &regel : regels) {
        const QString woord = regel.section(u'|', 5);
        geleerd.Leer(
            Post(regel), woord.startsWith(u'!') ? woord.mid(1) : woord, woord.startsWith(u'!'));
    }
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
    // The proposer's rules, each deciding where it should, and staying unsure where it should;
    // the tooltip names the rule that decided.
    void stelVoor_data()
    {
        QTest::addColumn<QStringList>("geleerd");
        QTest::addColumn<QString>("post");
        QTest::addColumn<QString>("waarom");

        const QString tikkie = QStringLiteral("|AAB INZ TIKKIE|NL13ABNA0417164300|Tikkie ID 1, ");
        const QString mollie = QStringLiteral("|Stichting Mollie Payments|NL23ABNA0813409387|M1 ");
        const QString jansen = QStringLiteral("|Bouwbedrijf Jansen B.V.|NL39RABO0300065264|");
        const QString fiscus = QStringLiteral("|Belastingdienst|NL86INGB0002445588|");
        const QString kruis = QStringLiteral("|Zilveren Kruis|NL88INGB0000004490|");
        const QString bol = QStringLiteral("|bol.com|NL27INGB0000026500|Bestelling bol.com|");
        QTest::newRow("rekening met altijd hetzelfde woord, ook bij een nieuw bedrag")
            << QStringList { u"2026-01-12|Eneco Consumenten B.V."_qs + Eneco,
                   u"2026-02-12|Eneco"_qs + Eneco }
            << u"2026-05-12|ENECO|NL29ABNA0244468733|Termijnbedrag mei|-16800"_qs
            << u"Energie: Zo genoemd bij 2 eerdere betalingen aan Eneco (laatst 12 februari)"_qs;
        QTest::newRow("naam zonder filiaal en plaats")
            << QStringList { u"2025-12-01|ALBERT HEIJN 1234 AMSTERDAM NLD||x|-500|Boodschappen"_qs,
                   u"2026-02-01|ALBERT HEIJN 5678 HAARLEM NLD||y|-700|Boodschappen"_qs }
            << u"2026-03-01|ALBERT HEIJN 9012 ZANDVOORT NLD||Pasvolgnr: 003|-900"_qs
            << u"Boodschappen: Zo genoemd bij 2 eerdere betalingen aan ALBERT HEIJN "
               u"(laatst 1 februari)"_qs;
        QTest::newRow("geldautomaat, waar hij ook staat")
            << QStringList { u"2026-01-09|Geldmaat Grote Markt HAARLEM|||-5000|Pinnen"_qs,
                   u"2026-02-13|Geldmaat Binnenweg HEEMSTEDE|||-2000|pinnen"_qs,
                   u"2026-02-20|Geldmaat Grote Markt HAARLEM|||-2000|Pinnen"_qs }
            << u"2026-03-02|Geldmaat Kerkstraat ZANDVOORT|||-10000"_qs
            << u"Pinnen: Geldautomaat: altijd \"Pinnen\" (3 keer, laatst 20 februari)"_qs;
        QTest::newRow("woorden van de omschrijving")
            << QStringList { u"2026-01-09"_qs + tikkie + u"Pizza, Van J de Vries|-1250|Uit eten"_qs,
                   u"2026-02-20"_qs + tikkie + u"Pizza vrijdag, Van M Bakker|-900|Uit eten"_qs,
                   u"2026-02-27"_qs + tikkie + u"Pizza, Van R. Mulder|-1900|uit eten"_qs,
                   u"2026-02-28"_qs + tikkie + u"Pizza, Door K Smit|1900|Tikkie"_qs,
                   u"2026-02-21"_qs + tikkie + u"Bowlen, Van J de Vries|-1500|Uitjes"_qs }
            << u"2026-03-06"_qs + tikkie + u"Pizza, Van S Jansen|-1100"_qs
            << u"Uit eten: Zo genoemd bij 3 eerdere betalingen met \"pizza\" "
               u"(laatst 27 februari)"_qs;
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
        // A word of the description seen once does not vote against two seen twice.
        QTest::newRow("de omschrijving kiest tussen de woorden van een tegenpartij")
            << QStringList { u"2026-01-26"_qs + kruis + u"Premie polis|-29840|Zorgverzekering"_qs,
                   u"2026-02-26"_qs + kruis + u"Premie polis|-29840|Zorgverzekering"_qs,
                   u"2026-02-14"_qs + kruis + u"Eigen risico|-8500|Eigen risico"_qs,
                   u"2026-03-14"_qs + kruis + u"Eigen risico|-4230|Eigen risico"_qs,
                   u"2026-03-20"_qs + kruis + u"Tandarts vergoeding|-2000|Tandarts"_qs }
            << u"2026-04-14"_qs + kruis + u"Eigen risico tandarts|-6175"_qs
            << u"Eigen risico: Zo genoemd bij 2 eerdere betalingen aan Zilveren Kruis met "
               u"\"eigen\" (laatst 14 maart)"_qs;
        QTest::newRow("meestal een woord")
            << QStringList { u"2026-01-03"_qs + bol + u"-1200|Online winkelen"_qs,
                   u"2026-01-23"_qs + bol + u"-4500|Cadeaus"_qs,
                   u"2026-02-03"_qs + bol + u"-1800|online winkelen"_qs,
                   u"2026-02-13"_qs + bol + u"-2500|Online winkelen"_qs,
                   u"2026-03-03"_qs + bol + u"-900|Online winkelen"_qs }
            << u"2026-04-03"_qs + bol + u"-3100"_qs
            << u"Online winkelen: Meestal zo genoemd: 4 van 5 eerdere betalingen aan bol.com "
               u"(laatst 3 maart)"_qs;
        // However the household wrote it, around it too: as it wrote it most.
        QTest::newRow("hoofdletters en spaties")
            << QStringList { u"2026-01-01|Stichting Portaal|NL72RABO0309284711|Huur|-104652|Huur "_qs,
                   u"2026-02-01|Stichting Portaal|NL72RABO0309284711|Huur|-104652|huur"_qs,
                   u"2026-03-01|Stichting Portaal|NL72RABO0309284711|Huur|-104652|Huur "_qs }
            << u"2026-07-01|Stichting Portaal|NL72RABO0309284711|Huur juli|-108838"_qs
            << u"Huur: Zo genoemd bij 3 eerdere betalingen aan Stichting Portaal (laatst 1 maart)"_qs;
        // A wrong word corrected once stays corrected; a shop known by its name gets a present.
        QTest::newRow("een keer verbeterd")
            << QStringList { u"2026-05-18|Odido|NL95INGB0000090490|Abonnement|-2371|Telefoon"_qs,
                   u"2026-06-18|Odido|NL95INGB0000090490|Abonnement|-2708|Telefoon"_qs,
                   u"2026-06-28|Odido|NL95INGB0000090490|Bundel|-500|Bundel"_qs,
                   u"2026-07-18|Odido|NL95INGB0000090490|Abonnement|-2797|!Mobiel"_qs,
                   u"2026-08-18|Odido|NL95INGB0000090490|Abonnement|-3057|Mobiel"_qs }
            << u"2026-09-18|Odido|NL95INGB0000090490|Abonnement|-3378"_qs
            << u"Mobiel: Zo genoemd bij 2 eerdere betalingen aan Odido (laatst 18 augustus)"_qs;
        QTest::newRow("een cadeau bij de winkel van de boodschappen")
            << QStringList { u"2026-01-05|ALBERT HEIJN 1234|||-500|Boodschappen"_qs,
                   u"2026-01-12|ALBERT HEIJN 1234|||-700|Boodschappen"_qs,
                   u"2026-01-19|ALBERT HEIJN 1234|||-900|Boodschappen"_qs,
                   u"2026-01-26|ALBERT HEIJN 1234|||-800|Boodschappen"_qs,
                   u"2026-02-02|ALBERT HEIJN 1234|||-2500|!Cadeaus"_qs }
            << u"2026-02-09|ALBERT HEIJN 1234|||-600"_qs
            << u"Boodschappen: Meestal zo genoemd: 4 van 5 eerdere betalingen aan ALBERT HEIJN "
               u"(laatst 26 januari)"_qs;
        QTest::newRow("twijfel laat de tekst van de bank")
            << QStringList { u"2026-01-02|HEMA 1234 Haarlem|||-500|Huishouden"_qs,
                   u"2026-01-09|HEMA 1234 Haarlem|||-900|Kleding"_qs,
                   u"2026-01-16|HEMA 1234 Haarlem|||-700|Huishouden"_qs,
                   u"2026-01-23|HEMA 1234 Haarlem|||-800|Kleding"_qs }
            << u"2026-02-02|HEMA 1234 Haarlem|||-600"_qs << u""_qs;
        QTest::newRow("iets anders bij een tegenpartij van een woord")
            << QStringList { u"2026-10-24"_qs + jansen + u"Salaris oktober|284617|Salaris"_qs,
                   u"2026-11-24"_qs + jansen + u"Salaris november|284617|Salaris"_qs }
            << u"2026-12-15"_qs + jansen + u"Eindejaarsuitkering|152000"_qs << u""_qs;
        QTest::newRow("een winkel die eenmaal voorkwam")
            << QStringList { u"2026-01-10|Praxis 123 Haarlem|||-2500|Klussen"_qs }
            << u"2026-03-02|Praxis 123 Haarlem|||-4000"_qs << u""_qs;
        QTest::newRow("de naam van een vriend")
            << QStringList { u"2026-01-09"_qs + tikkie
                       + u"Etentje, Van R. Mulder|-1250|Uit eten"_qs,
                   u"2026-02-09"_qs + tikkie + u"Sushi, Van R. Mulder|-2250|Uit eten"_qs,
                   u"2026-02-19"_qs + tikkie + u"Pizza, Van E Mulder|-1450|Uit eten"_qs,
                   u"2026-02-26"_qs + tikkie + u"Thai, Van E Mulder|-1850|Uit eten"_qs }
            << u"2026-03-09"_qs + tikkie + u"Uitje buren, Van R. Mulder|-3000"_qs << u""_qs;
        QTest::newRow("een algemeen woord")
            << QStringList { u"2026-01-01|Stichting Portaal|NL72RABO0309284711|Huur|-104652|Huur"_qs,
                   u"2026-02-01|Stichting Portaal|NL72RABO0309284711|Huur|-104652|Huur"_qs,
                   u"2026-03-01|Stichting Portaal|NL72RABO0309284711|Huur|-104652|Huur"_qs,
                   u"2026-03-01|Stichting Fietsdepot|NL11RABO0123456789|Stalling|-500|Fiets"_qs }
            << u"2026-09-16|Stichting OBS De Regenboog|NL44RABO0155667788|Stichting "
               u"ouderbijdrage|-4500"_qs
            << u""_qs;
        QTest::newRow("een voornaam bij een tegenpartij")
            << QStringList { u"2026-01-03|Zwemschool De Otter|NL06RABO0301234567|Zwemles "
                             u"Lotte|-5400|Zwemles"_qs,
                   u"2026-02-03|Zwemschool De Otter|NL06RABO0301234567|Zwemles Lotte|-5400|"
                   u"Zwemles"_qs }
            << u"2026-10-07|Fotografie Kiekjes|NL87INGB0006543210|Schoolfoto Lotte|-2495"_qs
            << u""_qs;
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
        QVERIFY(geleerd.Voorbeelden()[1].verbeterd && !geleerd.Voorbeelden()[0].verbeterd);
        // Typed three days before the bank booked it.
        QVERIFY(wijzig(u"2025-12-30"_qs, u"Boodschappen"_qs, u"Eten"_qs));
    }

    // Only the household teaches: a word `geldlog importeer` proposed, found again in the list as
    // it was put there, is no word of its own until the household leaves it standing in the bank
    // window, or changes the entry with Wijzigen.
    void leertAlleenVanHetHuishouden_data()
    {
        QTest::addColumn<QString>("hoe");
        QTest::addColumn<QStringList>("woorden");
        QTest::newRow("voorgesteld") << u""_qs << QStringList();
        QTest::newRow("zo in de lijst gevonden") << u"lijst"_qs << QStringList();
        QTest::newRow("in het venster laten staan")
            << u"venster"_qs << QStringList { u"Energie"_qs };
        QTest::newRow("met Wijzigen bevestigd") << u"wijzigen"_qs << QStringList { u"Energie"_qs };
    }

    void leertAlleenVanHetHuishouden()
    {
        QFETCH(QString, hoe);
        QFETCH(QStringList, woorden);
        Geleerd geleerd;
        for (const QString &datum : { u"2026-01-12"_qs, u"2026-02-12"_qs }) {
            const BankPost post = Post(datum + u"|Eneco"_qs + Eneco);
            geleerd.LeerVoorstel(post, u"Energie"_qs);
            if (hoe == u"lijst")
                geleerd.Leer(std::span(&post, 1),
                    std::vector { std::optional(LijstTreffer { 0, u"Energie"_qs, datum }) });
            else if (hoe == u"venster")
                geleerd.Leer(post, u"Energie"_qs);
            else if (hoe == u"wijzigen")
                QVERIFY(geleerd.LeerWijziging({ datum, u"Energie"_qs, {}, u"145,00"_qs },
                    { datum, u"Energie"_qs, {}, u"145,00"_qs }));
        }
        QCOMPARE(geleerd.EigenWoorden(), woorden);
        QCOMPARE(bool(Voorsteller(geleerd).StelVoor(Post(u"2026-03-12|Eneco"_qs + Eneco))),
            !woorden.isEmpty());
    }

    // What was learned is written in the file's order and read back whole: a word as the
    // household wrote it each time, a name that starts with a byte order mark, Geldlog's proposal,
    // a correction and a cash withdrawal marked. A file of the first version is read as it is, its
    // words one whatever their capitals.
    void bestandHeenEnTerug()
    {
        TestProgramma test;
        GeleerdBestand bestand(test.programma(), GeleerdBestand::Gebruik::Leren);
        bestand.Inhoud() = Leer({ u"2026-01-12|Eneco Consumenten B.V."_qs + Eneco,
            u"2026-02-12|Eneco"_qs + Eneco, u"2026-01-02"_qs + Ah + u"|Boodschappen"_qs,
            u"2026-01-05"_qs + Ah + u"|"_qs, u"2026-01-09|Café \"Zürich\"|||350|Koffie"_qs,
            u"2026-01-16"_qs + Ah + u"|boodschappen"_qs,
            u"2026-01-20|Geldmaat Grote Markt|||-5000|Pinnen"_qs,
            u"2026-04-12|Eneco|NL29ABNA0244468733|Termijnbedrag|-14500|!Gas en licht"_qs });
        bestand.Inhoud().LeerVoorstel(Post(u"2026-03-12|Eneco"_qs + Eneco), u"Energie"_qs);
        // A name an older Geldlog kept with a byte order mark at its start.
        Geleerd::Voorbeeld oud { QDate(2026, 1, 10), 350,
            bestand.Inhoud().BronNummer({ {}, u"\uFEFFCafé \"Zürich\""_qs, {} }) };
        oud.spelling = bestand.Inhoud().SpellingNummer(u"Koffie"_qs);
        bestand.Inhoud().VoegToe(oud);
        QVERIFY(bestand.Bewaar(nullptr));
        QCOMPARE(test.leesData(u"Geleerde omschrijvingen.txt"_qs), Voorbeeld());
        GeleerdBestand gelezen(test.programma(), GeleerdBestand::Gebruik::Leren);
        QVERIFY(gelezen.Melding().isEmpty() && gelezen.Bewaar(nullptr));
        QCOMPARE(test.leesData(u"Geleerde omschrijvingen.txt"_qs), Voorbeeld());

        test.schrijfData(u"Geleerde omschrijvingen.txt"_qs,
            "Geldlog geleerde omschrijvingen 1\r\nhuur\t\tElan\t\r\n  2026-01-01 -900,00\r\n"
            "Huur \t\tElan\t\r\n  2026-02-01 -900,00\r\n");
        QCOMPARE(GeleerdBestand(test.programma(), GeleerdBestand::Gebruik::Leren)
                     .Inhoud()
                     .EigenWoorden(),
            QStringList { u"huur"_qs });
    }

    // A damaged line costs that line: what can be read is kept, the file written back without
    // it beside a copy as it was, said once. A foreign file, or one of another version, costs the
    // learning, never the file: it is put aside, beside one put aside before.
    void beschadigdBestand_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("melding"); // with the file's %pad, the name %opzij
        QTest::addColumn<QStringList>("woorden"); // what can be read
        const QByteArray kop = "Geldlog geleerde omschrijvingen 2\r\n";
        const QString opzij
            = u"De geleerde omschrijvingen in %pad zijn niet te lezen: %1. Geldlog begint opnieuw "
              "met leren. Het oude bestand is bewaard als \"%opzij\"."_qs;
        const QString regels
            = u" van \"Geleerde omschrijvingen.txt\" konden niet gelezen worden en "
              "zijn weggelaten; een kopie staat in \"%pad%opzij\"."_qs;
        const QByteArray water = "Water\t\tPWN\t\r\n  2026-03-22 -21,30\r\n";
        QTest::newRow("leeg") << QByteArray()
                              << opzij.arg(u"het is geen bestand met geleerde omschrijvingen"_qs)
                              << QStringList();
        QTest::newRow("nieuwere versie")
            << QByteArray("Geldlog geleerde omschrijvingen 3\r\n")
            << opzij.arg(u"het is van een andere versie van Geldlog"_qs) << QStringList();
        QTest::newRow("een post zonder soort")
            << kop + "  2026-03-01 -1,00\r\n" + water
            << u"1 regel van \"Geleerde omschrijvingen.txt\" kon niet gelezen worden en is "
               "weggelaten; een kopie staat in \"%pad%opzij\"."_qs
            << QStringList { u"Water"_qs };
        QTest::newRow("afgebroken, een bedrag, een stuurteken")
            << kop + water + "Huur\t\tElan\t\r\n  2026-03-01 9,5\r\n  2026-03-0"
                + "\r\nHuur\x01\t\tElan\t\r\n  2026-04-01 -900,00\r\n"
            << u"4 regels"_qs + regels << QStringList { u"Water"_qs };
    }

    void beschadigdBestand()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, melding);
        QFETCH(QStringList, woorden);
        TestProgramma test;
        const QString pad = GeleerdPad(test.programma());
        for (const QString &opzij : { u"Geleerde omschrijvingen (beschadigd).txt"_qs,
                 u"Geleerde omschrijvingen (beschadigd 2).txt"_qs }) {
            test.schrijfData(u"Geleerde omschrijvingen.txt"_qs, bytes);
            GeleerdBestand bestand(test.programma(), GeleerdBestand::Gebruik::Leren);
            const QString kopie = melding.contains(u"kopie"_qs) ? test.dataMap() : QString();
            QCOMPARE(bestand.Melding(),
                QString(melding)
                    .replace(u"%pad%opzij"_qs, QDir::toNativeSeparators(kopie + opzij))
                    .replace(u"%pad"_qs, QDir::toNativeSeparators(pad))
                    .replace(u"%opzij"_qs, opzij));
            QCOMPARE(test.leesData(opzij), bytes);
            QVERIFY(bestand.Bewaar(nullptr));
            const GeleerdBestand opnieuw(test.programma(), GeleerdBestand::Gebruik::Leren);
            QCOMPARE(opnieuw.Melding(), QString());
            QCOMPARE(opnieuw.Inhoud().EigenWoorden(), woorden);
        }
    }

    // What another Geldlog learned in the file since it was read is kept, and this one's added.
    void bewaarNaEenAndereGeldlog()
    {
        TestProgramma test;
        GeleerdBestand venster(test.programma(), GeleerdBestand::Gebruik::Leren);
        GeleerdBestand importeer(test.programma(), GeleerdBestand::Gebruik::Leren);
        importeer.Inhoud().Leer(Post(u"2026-03-12|Eneco"_qs + Eneco), u"Energie"_qs);
        QVERIFY(importeer.Bewaar(nullptr));
        venster.Inhoud().Leer(Post(u"2026-03-02"_qs + Ah), u"Boodschappen"_qs);
        QVERIFY(venster.Bewaar(nullptr));
        QCOMPARE(GeleerdBestand(test.programma(), GeleerdBestand::Gebruik::AlleenLezen)
                     .Inhoud()
                     .EigenWoorden(),
            (QStringList { u"Boodschappen"_qs, u"Energie"_qs }));
    }

    // A file a trial reads, or that cannot be opened, stays as it is and is not written over.
    void bestandBlijftZoalsHetIs()
    {
        TestProgramma test;
        const QString pad = GeleerdPad(test.programma());
        const QString niet = u"De geleerde omschrijvingen in "_qs + QDir::toNativeSeparators(pad)
            + u" worden deze keer niet gebruikt: "_qs;
        test.schrijfData(u"Geleerde omschrijvingen.txt"_qs, "Huur\r\n");
        GeleerdBestand proef(test.programma(), GeleerdBestand::Gebruik::AlleenLezen);
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
