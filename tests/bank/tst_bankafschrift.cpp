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

QList<qint64> Bedragen(const Bankafschrift &afschrift)
{
    QList<qint64> centen;
    for (const BankPost &post : afschrift.posten)
        centen.append(post.centen);
    return centen;
}

const char IngKop[] = "\"Datum\";\"Naam / Omschrijving\";\"Rekening\";\"Tegenrekening\";\"Code\";"
                      "\"Af Bij\";\"Bedrag (EUR)\";\"Mutatiesoort\";\"Mededelingen\";"
                      "\"Saldo na mutatie\";\"Tag\"";

// A line of an ING file with the given date, direction and amount.
QByteArray IngRegel(const QByteArray &datum, const QByteArray &afBij, const QByteArray &bedrag)
{
    return "\"" + datum + "\";\"Caf\xc3\xa9\";\"NL12INGB0001234567\";\"\";\"BA\";\"" + afBij
        + "\";\"" + bedrag + "\";\"Betaalautomaat\";\"koffie\";\"0,00\";\"\"";
}

Item Regel(const char *datum, const char *omschrijving, const char *inkomsten, const char *uitgaven)
{
    return { QString::fromUtf8(datum), QString::fromUtf8(omschrijving),
        QString::fromUtf8(inkomsten), QString::fromUtf8(uitgaven) };
}

} // namespace

class TestBankafschrift : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void leestElkeSoort_data();
    void leestElkeSoort();
    void regelsEnBedragen_data();
    void regelsEnBedragen();
    void weigertWatGeenAfschriftIs_data();
    void weigertWatGeenAfschriftIs();
    void staanAlInLijstTeltAlsMultiset();
    void alsItemMaaktEenRegelVanHoogstens100Tekens();
};

void TestBankafschrift::leestElkeSoort_data()
{
    QTest::addColumn<QString>("bestand");
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QString>("rekening");
    QTest::addColumn<int>("aantal");
    QTest::addColumn<QString>("eerste");
    QTest::addColumn<QString>("laatste");

    const auto rij = [](const char *bestand, const char *naam, const char *rekening, int aantal,
                         const char *eerste, const char *laatste) {
        QTest::newRow(bestand) << QString::fromUtf8(bestand) << QString::fromUtf8(naam)
                               << QString::fromUtf8(rekening) << aantal << QString::fromUtf8(eerste)
                               << QString::fromUtf8(laatste);
    };
    rij("ing.csv", "ING (CSV)", "NL12INGB0001234567", 3,
        "2026-03-01|Albert Heijn 1234 - Pasvolgnr: 001 01-03-2026 10:12 Transactie: 12345||23,45",
        "2026-03-05|Bakker \"De Korenaar\"||0,01");
}

void TestBankafschrift::leestElkeSoort()
{
    QFETCH(QString, bestand);
    QFETCH(QString, naam);
    QFETCH(QString, rekening);
    QFETCH(int, aantal);
    QFETCH(QString, eerste);
    QFETCH(QString, laatste);

    const std::optional<Bankafschrift> afschrift = LeesBankafschrift(Voorbeeld(bestand));
    QVERIFY(afschrift);
    QCOMPARE(afschrift->Naam(), naam);
    QCOMPARE(afschrift->rekening, rekening);
    QCOMPARE(Meldingen(*afschrift), QStringList());
    QCOMPARE(static_cast<int>(afschrift->posten.size()), aantal);
    QCOMPARE(Tekst(AlsItem(afschrift->posten.front())), eerste);
    QCOMPARE(Tekst(AlsItem(afschrift->posten.back())), laatste);
}

void TestBankafschrift::regelsEnBedragen_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<qint64>>("centen");
    QTest::addColumn<QStringList>("meldingen");

    const QByteArray kop = IngKop;
    const QByteArray koffie = IngRegel("20260301", "Af", "1,95");
    QTest::newRow("LF") << kop + "\n" + koffie + "\n" << QList<qint64> { -195 } << QStringList();
    QTest::newRow("CR, no end") << kop + "\r" + koffie << QList<qint64> { -195 } << QStringList();
    QTest::newRow("BOM, CR LF, blank line") << "\xEF\xBB\xBF" + kop + "\r\n\r\n" + koffie + "\r\n"
                                            << QList<qint64> { -195 } << QStringList();
    QTest::newRow("amounts") << kop + "\n" + IngRegel("20260301", "Bij", "1.234,56") + "\n"
            + IngRegel("20260301", "Af", "0,01") + "\n" + IngRegel("20260301", "Bij", "7")
                             << QList<qint64> { 123456, -1, 700 } << QStringList();
    QTest::newRow("unreadable rows left out")
        << kop + "\n" + IngRegel("20260301", "Af", "12,5x") + "\n" + koffie + "\n"
            + IngRegel("2026-13-45", "Af", "1,00") + "\n" + IngRegel("20260301", "Mis", "1,00")
            + "\n" + IngRegel("20260301", "Af", "1,234") + "\n\"20260301\";\"kort\""
        << QList<qint64> { -195 }
        << QStringList { QStringLiteral("Regel 2: het bedrag \"12,5x\" is onleesbaar."),
               QStringLiteral("Regel 4: de datum \"2026-13-45\" is onleesbaar."),
               QStringLiteral("Regel 5: het bedrag \"Mis 1,00\" is onleesbaar."),
               QStringLiteral("Regel 6: het bedrag \"1,234\" is onleesbaar."),
               QStringLiteral("Regel 7: de regel heeft 2 van de 9 velden.") };
}

void TestBankafschrift::regelsEnBedragen()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<qint64>, centen);
    QFETCH(QStringList, meldingen);

    const std::optional<Bankafschrift> afschrift = LeesBankafschrift(bytes);
    QVERIFY(afschrift);
    QCOMPARE(Bedragen(*afschrift), centen);
    QCOMPARE(Meldingen(*afschrift), meldingen);
    for (const BankPost &post : afschrift->posten)
        QCOMPARE(post.naam, QStringLiteral("Caf\u00e9"));
}

void TestBankafschrift::weigertWatGeenAfschriftIs_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QByteArray willekeurig(100 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator generator(17);
    generator.fillRange(reinterpret_cast<quint32 *>(willekeurig.data()), willekeurig.size() / 4);

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("a list file") << QByteArray("[Januari]\r\n2026-01-01\r\nbrood\r\n1,95\r\n\r\n");
    QTest::newRow("100 MB of random bytes") << willekeurig;
    QTest::newRow("a 10 MB line") << QByteArray(10 * 1024 * 1024, 'x');
}

void TestBankafschrift::weigertWatGeenAfschriftIs()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!LeesBankafschrift(bytes));
}

void TestBankafschrift::staanAlInLijstTeltAlsMultiset()
{
    ItemRijen lijst;
    lijst.Voeg(Regel("2026-03-01", "Koffie", "", "1,95"));
    lijst.Voeg(Regel(" 2026-03-02", "Salaris", "1234,560", ""));
    lijst.Voeg(Regel("2026-03-03", "Huur", "", "800,00"));

    const std::vector<Item> nieuw {
        Regel("2026-03-01", "Koffie", "", "1,95"),
        Regel("2026-03-01", "Koffie", "", "1,95"), // the list holds one, so this one is new
        Regel("2026-03-02", "Salaris", "1234,56", ""),
        Regel("2026-03-03", "Huur", "800,00", ""), // received, not paid
        Regel("2026-03-04", "Huur", "", "800,00"),
        Regel("2026-03-03", "huur", "", "800,00"),
    };
    QCOMPARE(StaanAlInLijst(lijst, nieuw),
        (std::vector<bool> { true, false, true, false, false, false }));

    // Once the new ones are added, all of them are there.
    for (const Item &item : nieuw)
        lijst.Voeg(item);
    QCOMPARE(StaanAlInLijst(lijst, nieuw), std::vector<bool>(nieuw.size(), true));
}

void TestBankafschrift::alsItemMaaktEenRegelVanHoogstens100Tekens()
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

    post.naam.clear();
    post.omschrijving = QStringLiteral("rente");
    post.centen = 5;
    QCOMPARE(Tekst(AlsItem(post)), QStringLiteral("2026-03-09|rente|0,05|"));
}

QTEST_GUILESS_MAIN(TestBankafschrift)
#include "tst_bankafschrift.moc"
