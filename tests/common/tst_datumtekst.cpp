#include "common/DatumTekst.h"
#include "common/IsoDatum.h"
#include "common/MaandNamen.h"

#include <QTest>

#include <limits>

class TestDatumTekst : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void maandNamenInDeVolgordeVanHetJaar();
    void maandNummerEnNaam_data();
    void maandNummerEnNaam();
    void geenMaandBuitenDeTabel();

    void datumTekstUitDeInvoer_data();
    void datumTekstUitDeInvoer();

    void dagFout_data();
    void dagFout();

    void datumTekstTerugGelezen_data();
    void datumTekstTerugGelezen();
    void elkeDagVanElkeMaandKomtTerug();

    void isoDatumGelezen_data();
    void isoDatumGelezen();
};

void TestDatumTekst::maandNamenInDeVolgordeVanHetJaar()
{
    const QStringList verwacht {
        QStringLiteral("Januari"),
        QStringLiteral("Februari"),
        QStringLiteral("Maart"),
        QStringLiteral("April"),
        QStringLiteral("Mei"),
        QStringLiteral("Juni"),
        QStringLiteral("Juli"),
        QStringLiteral("Augustus"),
        QStringLiteral("September"),
        QStringLiteral("Oktober"),
        QStringLiteral("November"),
        QStringLiteral("December"),
    };
    QCOMPARE(MaandNamen(), verwacht);
}

void TestDatumTekst::maandNummerEnNaam_data()
{
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QString>("nummer");
    QTest::addColumn<int>("getal");

    QTest::newRow("first") << QStringLiteral("Januari") << QStringLiteral("01") << 1;
    QTest::newRow("ninth") << QStringLiteral("September") << QStringLiteral("09") << 9;
    QTest::newRow("tenth") << QStringLiteral("Oktober") << QStringLiteral("10") << 10;
    QTest::newRow("last") << QStringLiteral("December") << QStringLiteral("12") << 12;
}

void TestDatumTekst::maandNummerEnNaam()
{
    QFETCH(QString, naam);
    QFETCH(QString, nummer);
    QFETCH(int, getal);
    QCOMPARE(MaandNummer(naam), nummer);
    QCOMPARE(MaandNaam(getal), naam);
}

void TestDatumTekst::geenMaandBuitenDeTabel()
{
    for (const int getal :
        { 0, 13, -1, std::numeric_limits<int>::min(), std::numeric_limits<int>::max() })
        QCOMPARE(MaandNaam(getal), QString());
    for (const QString &naam : { QString(), QStringLiteral("januari"), QStringLiteral(" Mei"),
             QStringLiteral("01"), QStringLiteral("Mei ") })
        QCOMPARE(MaandNummer(naam), QString());
}

void TestDatumTekst::datumTekstUitDeInvoer_data()
{
    QTest::addColumn<QString>("jaar");
    QTest::addColumn<QString>("maand");
    QTest::addColumn<QString>("dag");
    QTest::addColumn<QString>("datum");

    const QString jaar = QStringLiteral("2026");
    QTest::newRow("one-digit day gets a 0") << jaar << QStringLiteral("December")
                                            << QStringLiteral("3") << QStringLiteral("2026-12-03");
    QTest::newRow("7 gives 07") << jaar << QStringLiteral("Januari") << QStringLiteral("7")
                                << QStringLiteral("2026-01-07");
    QTest::newRow("17 stays") << jaar << QStringLiteral("Maart") << QStringLiteral("17")
                              << QStringLiteral("2026-03-17");
    QTest::newRow("not checked against the calendar")
        << jaar << QStringLiteral("Februari") << QStringLiteral("31")
        << QStringLiteral("2026-02-31");
    QTest::newRow("07 stays") << jaar << QStringLiteral("Mei") << QStringLiteral("07")
                              << QStringLiteral("2026-05-07");
    QTest::newRow("unknown month")
        << jaar << QStringLiteral("Foo") << QStringLiteral("7") << QStringLiteral("2026--07");
    QTest::newRow("month names are compared exactly")
        << jaar << QStringLiteral("december") << QStringLiteral("7") << QStringLiteral("2026--07");
    QTest::newRow("no month") << jaar << QString() << QStringLiteral("7")
                              << QStringLiteral("2026--07");
    QTest::newRow("no day") << jaar << QStringLiteral("Juni") << QString()
                            << QStringLiteral("2026-06-");
    QTest::newRow("no year") << QString() << QStringLiteral("Juni") << QStringLiteral("1")
                             << QStringLiteral("-06-01");
    QTest::newRow("long day kept")
        << jaar << QStringLiteral("Juli") << QStringLiteral("123") << QStringLiteral("2026-07-123");
}

void TestDatumTekst::datumTekstUitDeInvoer()
{
    QFETCH(QString, jaar);
    QFETCH(QString, maand);
    QFETCH(QString, dag);
    QFETCH(QString, datum);
    QCOMPARE(DatumTekst(jaar, maand, dag), datum);
}

void TestDatumTekst::dagFout_data()
{
    QTest::addColumn<QString>("jaar");
    QTest::addColumn<QString>("maand");
    QTest::addColumn<QString>("dag");
    QTest::addColumn<QString>("melding"); // empty when taken

    const auto rij = [](const char *naam, const char *jaar, const char *maand, const char *dag,
                         const char *melding) {
        QTest::newRow(naam) << QString::fromUtf8(jaar) << QString::fromUtf8(maand)
                            << QString::fromUtf8(dag) << QString::fromUtf8(melding);
    };
    rij("45 December", "2026", "December", "45", "Dag 45 bestaat niet in december 2026.");
    rij("31 November", "2026", "November", "31", "Dag 31 bestaat niet in november 2026.");
    rij("29 Februari, leap year", "2024", "Februari", "29", "");
    rij("29 Februari 2026", "2026", "Februari", "29", "Dag 29 bestaat niet in februari 2026.");
    rij("zero", "2026", "Mei", "0", "Dag 0 bestaat niet in mei 2026.");
    rij("letters", "2026", "December", "xy", "Dag xy bestaat niet in december 2026.");
    rij("empty", "2026", "Mei", "", "Dag  bestaat niet in mei 2026.");
    rij("no year: 29 Februari may be", "", "Februari", "29", "");
}

void TestDatumTekst::dagFout()
{
    QFETCH(QString, jaar);
    QFETCH(QString, maand);
    QFETCH(QString, dag);
    QFETCH(QString, melding);
    QCOMPARE(DagFout(jaar, maand, dag), melding);
}

void TestDatumTekst::datumTekstTerugGelezen_data()
{
    QTest::addColumn<QString>("datum");
    QTest::addColumn<QString>("jaar");
    QTest::addColumn<QString>("maand");
    QTest::addColumn<QString>("dag");

    QTest::newRow("ordinary") << QStringLiteral("2026-12-03") << QStringLiteral("2026")
                              << QStringLiteral("December") << QStringLiteral("3");
    QTest::newRow("two-digit day") << QStringLiteral("2026-01-17") << QStringLiteral("2026")
                                   << QStringLiteral("Januari") << QStringLiteral("17");
    QTest::newRow("not checked against the calendar")
        << QStringLiteral("2026-02-31") << QStringLiteral("2026") << QStringLiteral("Februari")
        << QStringLiteral("31");
    QTest::newRow("no month") << QStringLiteral("2026--07") << QStringLiteral("2026") << QString()
                              << QStringLiteral("7");
    QTest::newRow("month 13") << QStringLiteral("2026-13-05") << QStringLiteral("2026") << QString()
                              << QStringLiteral("5");
    QTest::newRow("month 00") << QStringLiteral("2026-00-05") << QStringLiteral("2026") << QString()
                              << QStringLiteral("5");
    QTest::newRow("month not a number") << QStringLiteral("2026-x1-05") << QStringLiteral("2026")
                                        << QString() << QStringLiteral("5");
    QTest::newRow("negative day") << QStringLiteral("2026-12-3") << QStringLiteral("2026")
                                  << QStringLiteral("December") << QString();
    QTest::newRow("day not a number") << QStringLiteral("2026-12-ab") << QStringLiteral("2026")
                                      << QStringLiteral("December") << QString();
    // A fixed cost's date: nothing but the first characters as the year.
    QTest::newRow("dash") << QStringLiteral("-") << QStringLiteral("-") << QString() << QString();
    QTest::newRow("empty") << QString() << QString() << QString() << QString();
    QTest::newRow("abc") << QStringLiteral("abc") << QStringLiteral("abc") << QString()
                         << QString();
    QTest::newRow("long text") << QString(10000, u'x') << QStringLiteral("xxxx") << QString()
                               << QString();
    QTest::newRow("NUL characters")
        << QString(10, QChar(0)) << QString(4, QChar(0)) << QString() << QString();
}

void TestDatumTekst::datumTekstTerugGelezen()
{
    QFETCH(QString, datum);
    QFETCH(QString, jaar);
    QFETCH(QString, maand);
    QFETCH(QString, dag);
    const DatumDelen delen = LeesDatumTekst(datum);
    QCOMPARE(delen.jaar, jaar);
    QCOMPARE(delen.maand, maand);
    QCOMPARE(delen.dag, dag);
}

void TestDatumTekst::elkeDagVanElkeMaandKomtTerug()
{
    const QString jaar = QStringLiteral("2026");
    for (const QString &maand : MaandNamen()) {
        for (int dag = 1; dag <= 31; ++dag) {
            const QString dagTekst = QString::number(dag);
            const QString datum = DatumTekst(jaar, maand, dagTekst);
            QCOMPARE(datum.size(), 10);
            const DatumDelen delen = LeesDatumTekst(datum);
            QCOMPARE(delen.jaar, jaar);
            QCOMPARE(delen.maand, maand);
            QCOMPARE(delen.dag, dagTekst);
        }
    }
}

// The lists, the learning file and the matching read a date through one reader, from bytes and
// from text alike; what it reads, the writer writes back.
void TestDatumTekst::isoDatumGelezen_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("gelezen"); // "jaar maand dag", empty when it cannot be read
    QTest::addColumn<QDate>("dag");

    QTest::newRow("zoals geschreven") << "2026-03-12" << "2026 3 12" << QDate(2026, 3, 12);
    QTest::newRow("blanks eromheen") << "  2026-03-12 " << "2026 3 12" << QDate(2026, 3, 12);
    QTest::newRow("dag van een cijfer") << "2026-03-1" << "2026 3 1" << QDate(2026, 3, 1);
    QTest::newRow("dag die de maand niet heeft") << "2026-02-31" << "2026 2 31" << QDate();
    QTest::newRow("maand 13") << "2026-13-01" << "" << QDate();
    QTest::newRow("dag 0") << "2026-03-00" << "" << QDate();
    QTest::newRow("jaar 0") << "0000-03-12" << "" << QDate();
    QTest::newRow("teken in het jaar") << "+026-03-12" << "" << QDate();
    QTest::newRow("andere vorm") << "12-03-2026" << "" << QDate();
    QTest::newRow("vaste last") << "-" << "" << QDate();
    QTest::newRow("cijfer van een ander schrift") << u"2026-03-1\u0663"_qs << "" << QDate();
}

void TestDatumTekst::isoDatumGelezen()
{
    QFETCH(QString, tekst);
    QFETCH(QString, gelezen);
    QFETCH(QDate, dag);

    const auto alsTekst = [](std::optional<IsoDatum> datum) {
        return datum ? QStringLiteral("%1 %2 %3").arg(datum->jaar).arg(datum->maand).arg(datum->dag)
                     : QString();
    };
    QCOMPARE(alsTekst(LeesIsoDatum(QStringView(tekst))), gelezen);
    QCOMPARE(alsTekst(LeesIsoDatum(QByteArrayView(tekst.toUtf8()))), gelezen);
    QCOMPARE(IsoDag(tekst), dag);
    if (dag.isValid())
        QCOMPARE(IsoDag(IsoDatumTekst(dag)), dag);
}

QTEST_APPLESS_MAIN(TestDatumTekst)
#include "tst_datumtekst.moc"
