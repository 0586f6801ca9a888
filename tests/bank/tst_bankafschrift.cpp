#include "IngRegels.h"
#include "Kosten.h"
#include "bank/BankPosten.h"
#include "bank/Bankafschrift.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

namespace {

QByteArray Voorbeeld(const QString &bestand)
{
    QFile file(QStringLiteral(BANK_VOORBEELDEN "/") + bestand);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot open %s", qPrintable(file.fileName()));
    return file.readAll();
}

// An entry as one text, so a difference shows whole.
QString Tekst(const Item &item)
{
    return QStringList { item.datum, item.omschrijving, item.inkomsten, item.uitgaven }.join(u'|');
}

QStringList Meldingen(const Bankafschrift &afschrift)
{
    QStringList meldingen;
    for (const OnleesbareRegel &regel : afschrift.onleesbaar)
        meldingen.append(regel.Melding());
    return meldingen;
}

// Each entry, and after it a cash withdrawal's kind.
QStringList Posten(const Bankafschrift &afschrift)
{
    QStringList posten;
    for (const BankPost &post : afschrift.posten) {
        posten.append(Tekst(AlsItem(post))
            + (post.soort == PostSoort::Geldopname ? QStringLiteral("|geldopname") : QString()));
    }
    return posten;
}

// A coffee at the café on the given date, in the given direction and amount.
QByteArray CafeRegel(const QByteArray &datum, const QByteArray &afBij, const QByteArray &bedrag)
{
    return IngRegel(datum, "Caf\xc3\xa9", afBij, bedrag, "koffie");
}

} // namespace

class TestBankafschrift : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void leestElkeSoort_data()
    {
        QTest::addColumn<QString>("bestand");
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QString>("rekeningen");
        QTest::addColumn<QStringList>("posten");

        const auto rij = [](const char *bestand, const char *naam, const char *rekeningen,
                             std::initializer_list<const char *> posten) {
            QStringList teksten;
            for (const char *post : posten)
                teksten.append(QString::fromUtf8(post));
            QTest::newRow(bestand) << QString::fromUtf8(bestand) << QString::fromUtf8(naam)
                                   << QString::fromUtf8(rekeningen) << teksten;
        };
        rij("ing.csv", "ING (CSV)", "NL12INGB0001234567",
            { "2026-03-01|Albert Heijn 1234||23,45",
                "2026-03-02|Werkgever B.V. - Salaris maart|1234,56|",
                "2026-03-03|Eneco Consumenten B.V. - Termijnbedrag maart 2026||84,00",
                "2026-03-04|ING>Amsterdam Damrak||50,00|geldopname",
                "2026-03-05|Bakker \"De Korenaar\"||0,01" });
        rij("ing-oud.csv", "ING (CSV)", "NL12INGB0001234567",
            { "2026-01-10|Jansen - Terugbetaling etentje|25,00|",
                "2026-01-12|Shell - Pasvolgnr 002||60,10" });
        rij("ing-engels.csv", "ING (CSV)", "NL12INGB0001234567",
            { "2026-02-01|Gemeente Utrecht - Afvalstoffenheffing||45,50",
                "2026-02-03|J. de Vries - Lunch|15,00|" });
        rij("ing-spaar.csv", "ING (CSV, spaarrekening)", "V12345678",
            { "2026-03-01|Van Oranje Spaarrekening V12345678 - Sparen maart|100,00|",
                "2026-03-31|Rente - Rente over maart|0,75|",
                "2026-04-02|Naar Oranje Spaarrekening V12345678||50,00" });
        rij("rabobank.csv", "Rabobank (CSV)", "NL11RABO0123456789",
            { "2026-03-01|Werkgever B.V. - Salaris maart|1000,00|", "2026-03-01|Afronding||0,01",
                "2026-03-04|Caf\u00e9 de Zwaan - Etentje met vrienden||200,00",
                "2026-03-05|Geldmaat Utrecht Centrum||50,00|geldopname" });
        rij("abnamro.tab", "ABN AMRO (TAB)", "123456789",
            { "2026-03-01|J. Jansen - Huur maart||200,00",
                "2026-03-02|BEA NR:AB1234 01.03.26/10.12 ALBERT HEIJN 1234,PAS123||25,00",
                "2026-03-03|Werkgever B.V. - Salaris maart|1000,00|",
                "2026-03-04|GEA NR:CD5678 04.03.26/14.02 Geldmaat Grote Markt,PAS123||50,00|"
                "geldopname" });
        rij("sns.csv", "SNS (CSV)", "NL12SNSB0123456789",
            { "2026-03-01|J. Jansen - Cadeau||20,00",
                "2026-03-02|Werkgever - Salaris maart|1500,00|",
                "2026-03-03|Gemeente 's-Hertogenbosch - Parkeren, maart||35,00",
                "2026-03-04|'t Hoekje - Lunch||12,50" });
        rij("triodos.csv", "Triodos (CSV)", "NL12TRIO0123456789",
            { "2026-03-01|Werkgever B.V. - Salaris maart|1234,56|",
                "2026-03-05|Bakkerij - Brood||12,50" });
        rij("bunq.csv", "bunq (CSV)", "NL12BUNQ2040123456",
            { "2026-03-01|Energie B.V. - Termijn maart||83,86",
                "2026-03-03|Zo\u00eb - Koffie, met taart|4,50|" });
        rij("bunq-engels.csv", "bunq (CSV)", "NL12BUNQ2040123456",
            { "2026-03-01|Albert Heijn - Groceries||12,50",
                "2026-03-15|Employer Ltd - Salary|1500,00|" });
        rij("bunq-oud.csv", "bunq (CSV)", "NL12BUNQ2040123456",
            { "2025-12-31|Streamingdienst - Abonnement||9,99" });
        rij("knab.csv", "Knab (CSV)", "NL12KNAB0123456789",
            { "2026-03-01|Bol.com - Bestelling 1234||13,75",
                "2026-03-25|Werkgever B.V. - Salaris maart|2500,00|" });
        rij("camt053-02.xml", "Rabobank (CAMT.053)", "NL11RABO0123456789",
            { "2026-03-01|Energie & Water B.V. - Termijn maart klant 1234||42,10",
                "2026-03-02|Werkgever B.V. - Salaris maart|1500,00|" });
        rij("camt053-04.xml", "ABN AMRO (CAMT.053)", "NL22ABNA0123456789, NL33ABNA0987654321",
            { "2026-03-05|Kosten betaalpakket||2,50", "2026-03-06|Van betaalrekening|50,00|" });
        rij("camt053-08.xml", "ING (CAMT.053)", "NL12INGB0001234567",
            { "2026-03-10|Zo\u00eb de Vries - Terugbetaling|250,00|",
                "2026-03-11|Goede Doelen - Gift||0,01" });
        rij("mt940-ing.sta", "ING (MT940)", "NL12INGB0001234567",
            { "2026-03-01|Albert Heijn - Boodschappen week 9||23,45",
                "2026-03-04|Gemeente Parkeerbeheer 's-Hertogenbosch - Parkeervergunning "
                "maart||12,50",
                "2026-03-05|Belastingdienst - Betalingskenmerk 5200150700013379||99,00",
                "2026-12-31|Werkgever B.V. - Salaris december|1500,00|" });
        rij("mt940-abnamro.sta", "ABN AMRO (MT940)", "123456789",
            { "2026-03-03|Werkgever B.V. - Salaris maart|1000,00|",
                "2026-03-05|BEA NR:AB1234 05.03.26/10.12 ALBERT HEIJN 1234,PAS123|25,00|",
                "2026-03-31|Rente en kosten||7,50" });
    }

    void leestElkeSoort()
    {
        QFETCH(QString, bestand);
        QFETCH(QString, naam);
        QFETCH(QString, rekeningen);
        QFETCH(QStringList, posten);

        const std::optional<Bankafschrift> afschrift = LeesBankafschrift(Voorbeeld(bestand));
        QVERIFY(afschrift);
        QCOMPARE(afschrift->Naam(), naam);
        QCOMPARE(afschrift->rekeningen.join(u", "), rekeningen);
        QCOMPARE(Meldingen(*afschrift), QStringList());
        QCOMPARE(Posten(*afschrift), posten);
    }

    void regelsEnBedragen_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("posten");
        QTest::addColumn<QStringList>("meldingen");

        const QByteArray kop = IngKop;
        const QByteArray koffie = CafeRegel("20260301", "Af", "1,95");
        const auto cafe = [](const char *in, const char *uit) {
            return QStringLiteral("2026-03-01|Caf\u00e9 - koffie|%1|%2")
                .arg(QLatin1String(in), QLatin1String(uit));
        };
        QTest::newRow("CR, no end")
            << kop + "\r" + koffie << QStringList { cafe("", "1,95") } << QStringList();
        QTest::newRow("BOM, CR LF, blank line")
            << "\xEF\xBB\xBF" + kop + "\r\n\r\n" + koffie + "\r\n"
            << QStringList { cafe("", "1,95") } << QStringList();
        // A day's rows in the order of booking, which ING writes newest first.
        QTest::newRow("amounts") << kop + "\n" + CafeRegel("20260301", "Bij", "123.456,78") + "\n"
                + CafeRegel("20260301", "Af", "0,01") + "\n" + CafeRegel("20260301", "Bij", "7")
                + "\n" + CafeRegel("20260301", "Bij", "12,5")
                                 << QStringList { cafe("12,50", ""), cafe("7,00", ""),
                                        cafe("", "0,01"), cafe("123456,78", "") }
                                 << QStringList();
        QTest::newRow("unreadable rows left out")
            << kop + "\n" + CafeRegel("20260301", "Af", "12,5x") + "\n" + koffie + "\n"
                + CafeRegel("2026-13-45", "Af", "1,00") + "\n"
                + CafeRegel("20260301", "Mis", "1,00") + "\n" + CafeRegel("20260301", "Af", "1,234")
                + "\n\"20260301\";\"kort\""
            << QStringList { cafe("", "1,95") }
            << QStringList { QStringLiteral("Regel 2: het bedrag \"12,5x\" is onleesbaar."),
                   QStringLiteral("Regel 4: de datum \"2026-13-45\" is onleesbaar."),
                   QStringLiteral("Regel 5: het bedrag \"Mis 1,00\" is onleesbaar."),
                   QStringLiteral("Regel 6: het bedrag \"1,234\" is onleesbaar."),
                   QStringLiteral("Regel 7: de regel heeft 2 van de 9 velden.") };
        QTest::newRow("MT940 unreadable rows left out")
            << QByteArray(
                   ":20:X\n:61:261345D1,00N\n:86:kapot\n:61:260301D12,5xN\n:61:260301C,01N\n")
            << QStringList { QStringLiteral("2026-03-01||0,01|") }
            << QStringList { QStringLiteral("Regel 2: de datum \"261345\" is onleesbaar."),
                   QStringLiteral("Regel 4: het bedrag \"12,5x\" is onleesbaar.") };
        QTest::newRow("MT940 key right after a key")
            << QByteArray(":20:X\n:61:260301D1,00N\n:86:/NAME/IBAN/NL01/REMI/x/\n")
            << QStringList { QStringLiteral("2026-03-01|x||1,00") } << QStringList();
        // A booking date holds no year; a reversal of a debit (RD) brings the money back. The
        // rows in date order.
        QTest::newRow("MT940 turn of the year, reversals")
            << QByteArray(":20:X\n:61:2612310102C1,00N\n:61:2701021231D2,00N\n"
                          ":61:260301RD3,00N\n:61:260301RC4,00N\n")
            << QStringList { QStringLiteral("2026-03-01|||4,00"),
                   QStringLiteral("2026-03-01||3,00|"), QStringLiteral("2026-12-31|||2,00"),
                   QStringLiteral("2027-01-02||1,00|") }
            << QStringList();
        const QByteArray camt
            = "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\">"
              "<BkToCstmrStmt><Stmt>\n";
        const QByteArray ntry = "<Ntry><Amt>%1</Amt><CdtDbtInd>DBIT</CdtDbtInd><Sts>BOOK</Sts>"
                                "<BookgDt><Dt>%2</Dt></BookgDt></Ntry>\n";
        QTest::newRow("CAMT.053 unreadable entries, then cut off")
            << camt + QByteArray(ntry).replace("%1", "1.5x").replace("%2", "2026-03-01")
                + QByteArray(ntry).replace("%1", "1.50").replace("%2", "2026-02-30")
                + QByteArray(ntry).replace("%1", "1.50").replace("%2", "2026-03-01") + "<Ntry><Amt>"
            << QStringList { QStringLiteral("2026-03-01|||1,50") }
            << QStringList { QStringLiteral("Regel 2: het bedrag \"DBIT 1.5x\" is onleesbaar."),
                   QStringLiteral("Regel 3: de datum \"2026-02-30\" is onleesbaar."),
                   QStringLiteral("Regel 5: het bestand is vanaf hier geen leesbare XML.") };
    }

    void regelsEnBedragen()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, posten);
        QFETCH(QStringList, meldingen);

        const std::optional<Bankafschrift> afschrift = LeesBankafschrift(bytes);
        QVERIFY(afschrift);
        QCOMPARE(Posten(*afschrift), posten);
        QCOMPARE(Meldingen(*afschrift), meldingen);
    }

    void weigertWatGeenAfschriftIs_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("geweigerd"); // or read as a statement without entries

        QByteArray willekeurig(100 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator generator(17);
        generator.fillRange(
            reinterpret_cast<quint32 *>(willekeurig.data()), willekeurig.size() / 4);

        QTest::newRow("100 MB of random bytes") << willekeurig << true;
        QTest::newRow("SNS's shape, no IBAN second") << QByteArray(
            "01-03-2026,12345,NL12SNSB0123456789,J. Jansen,,,,,,,-20.00,,,,,,,Cadeau,")
                                                     << true;
        QTest::newRow("an ING header, then a 10 MB line")
            << IngKop + "\n" + QByteArray(10 * 1024 * 1024, ';') << false;
        QTest::newRow("an XML bomb")
            << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE Document [\n"
                          "<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">\n"
                          "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\n"
                          "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">\n"
                          "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">\n"
                          "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">\n]>\n"
                          "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\">"
                          "<BkToCstmrStmt><Stmt><Ntry><AddtlNtryInf>&e;&e;&e;&e;</AddtlNtryInf>"
                          "</Ntry></Stmt></BkToCstmrStmt></Document>")
            << true;
        QTest::newRow("48 MB of nested elements")
            << "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\">"
                + QByteArray("<a>").repeated(16'000'000)
            << true;
    }

    // In bounded time and memory: bounds far above what refusing costs, far below what reading
    // such a file whole costs. Memory is the rise of the peak resident size of a child process
    // (Kosten.h), which counts whatever the allocator, the sanitizers' included.
    void weigertWatGeenAfschriftIs()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, geweigerd);
        const std::optional<Kosten> kosten = MeetKosten([&] {
            const std::optional<Bankafschrift> afschrift = LeesBankafschrift(bytes);
            return afschrift ? static_cast<int>(afschrift->posten.size()) : -1;
        });
        QVERIFY(kosten);
        QCOMPARE(kosten->uitkomst, geweigerd ? -1 : 0);
        QCOMPARE_LT(kosten->ms, 1000.0);
        QCOMPARE_LT(kosten->mb, 64.0);
    }

    void alsItemMaaktEenRegelVanHoogstens100Tekens()
    {
        BankPost post;
        post.datum = QDate(2026, 3, 9);
        post.naam = QStringLiteral("  J.\tJansen ");
        post.omschrijving = QStringLiteral("huur\r\nmaart ") + QString(200, u'x');
        post.centen = -80000;
        const Item item = AlsItem(post);
        QCOMPARE(
            item.omschrijving, QStringLiteral("J. Jansen - huur maart ") + QString(100 - 23, u'x'));
        QCOMPARE(Tekst(item).section(u'|', 2), QStringLiteral("|800,00"));
    }
};

QTEST_GUILESS_MAIN(TestBankafschrift)
#include "tst_bankafschrift.moc"
