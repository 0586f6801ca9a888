#include "TestProgramma.h"
#include "bank/BankPosten.h"
#include "matching/GeleerdBestand.h"
#include "matching/Uitleg.h"
#include "matching/Voorsteller.h"

#include <QBuffer>
#include <QFile>
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

    void leertVanWijzigen()
    {
        Geleerd geleerd;
        for (const QString &dag : { u"2026-01-02"_qs, u"2026-01-05"_qs }) {
            const BankPost post = Post(dag + Ah);
            Item item = AlsItem(post);
            geleerd.Leer(post, item.omschrijving);
            QVERIFY(!geleerd.LeerWijziging(item, item));
            const Item bankTekst = item;
            item.omschrijving = QStringLiteral("Boodschappen");
            QVERIFY(geleerd.LeerWijziging(bankTekst, item));
            // Its word changed again is known by the word it had.
            const Item eerder = item;
            item.omschrijving = QStringLiteral("Eten");
            QVERIFY(geleerd.LeerWijziging(eerder, item));
        }
        QCOMPARE(geleerd.EigenWoorden(), QStringList { u"Eten"_qs });
        QCOMPARE(Voorsteller(geleerd).StelVoor(Post(u"2026-01-09"_qs + Ah))->woord, u"Eten"_qs);
        // An entry no statement brought knows no bank text.
        QVERIFY(!geleerd.LeerWijziging({ u"2026-01-09"_qs, u"Eten"_qs, u""_qs, u"23,45"_qs },
            { u"2026-01-09"_qs, u"Markt"_qs, u""_qs, u"23,45"_qs }));
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

    void beschadigdBestand_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reden");
        const QByteArray kop = "Geldlog geleerde omschrijvingen 1\r\n";
        QTest::newRow("leeg") << QByteArray() << "het is geen bestand met geleerde omschrijvingen";
        QTest::newRow("een lijst") << QByteArray("2026-03-01\r\nHuur\r\n\r\n950,00\r\n")
                                   << u"het is geen bestand met geleerde omschrijvingen"_qs;
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
        QString gegeven;
        QVERIFY(!Lees(bytes, &gegeven));
        QCOMPARE(gegeven, reden);

        // The program's file is put aside and said so once; the next reading starts afresh.
        TestProgramma test;
        test.schrijfData(QStringLiteral("Geleerde omschrijvingen.txt"), bytes);
        QString melding;
        QVERIFY(LaadGeleerd(test.programma(), &melding).Voorbeelden().empty());
        QCOMPARE(melding,
            u"De geleerde omschrijvingen in "_qs + GeleerdPad(test.programma())
                + u" zijn niet te lezen: "_qs + reden
                + u". Geldlog begint opnieuw met leren. Het oude bestand is bewaard als "
                  u"\"Geleerde omschrijvingen (beschadigd).txt\"."_qs);
        QCOMPARE(test.leesData(QStringLiteral("Geleerde omschrijvingen (beschadigd).txt")), bytes);
        LaadGeleerd(test.programma(), &melding);
        QCOMPARE(melding, QString());
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
