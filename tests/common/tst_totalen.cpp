#include "FakeHoofdVenster.h"
#include "TestProgramma.h"

#include "common/ItemModel.h"
#include "common/Totalen.h"

#include <QLabel>
#include <QTest>

namespace {

// Rows with only their amounts filled: the income and expense cells of row i.
void VulBedragen(ItemModel &items, const QStringList &inkomsten, const QStringList &uitgaven)
{
    ItemRijen rijen;
    for (qsizetype i = 0; i < std::max(inkomsten.size(), uitgaven.size()); ++i)
        rijen.Voeg(QStringLiteral("2026-12-03"), QStringLiteral("Post"), inkomsten.value(i),
            uitgaven.value(i));
    items.VoegToe(std::move(rijen));
}

} // namespace

class TestTotalen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void totalenInDeLabels_data();
    void totalenInDeLabels();
    void teGroteTotalenTonenGeenOnzin();
    void telLabelBlijftStaan();
    void totalenVolgenGewijzigdeRijen();
    void aantalItems_data();
    void aantalItems();
};

void TestTotalen::totalenInDeLabels_data()
{
    QTest::addColumn<QStringList>("inkomsten");
    QTest::addColumn<QStringList>("uitgaven");
    QTest::addColumn<QString>("ink");
    QTest::addColumn<QString>("uit");
    QTest::addColumn<QString>("saldo");

    const auto lijst = [](std::initializer_list<const char16_t *> teksten) {
        QStringList l;
        for (const char16_t *t : teksten)
            l << QString::fromUtf16(t);
        return l;
    };

    QTest::newRow("empty table") << QStringList() << QStringList() << QStringLiteral("€ 0,00")
                                 << QStringLiteral("€ 0,00")
                                 << QStringLiteral("Saldo..... : € 0,00");
    QTest::newRow("one income, one expense")
        << lijst({ u"45,00", u"" }) << lijst({ u"", u"12,50" }) << QStringLiteral("€ 45,00")
        << QStringLiteral("€ 12,50") << QStringLiteral("Saldo..... : € 32,50");
    QTest::newRow("negative balance")
        << lijst({ u"10,00" }) << lijst({ u"22,50" }) << QStringLiteral("€ 10,00")
        << QStringLiteral("€ 22,50") << QStringLiteral("Saldo..... : € -12,50");
    QTest::newRow("expense of seven digits keeps its cents")
        << QStringList() << lijst({ u"1234567,89" }) << QStringLiteral("€ 0,00")
        << QStringLiteral("€ 1234567,89") << QStringLiteral("Saldo..... : € -1234567,89");
    QTest::newRow("expenses of seven digits add up to the cent")
        << lijst({ u"5000000,00" }) << lijst({ u"1234567,89", u"1234567,01" })
        << QStringLiteral("€ 5000000,00") << QStringLiteral("€ 2469134,90")
        << QStringLiteral("Saldo..... : € 2530865,10");
    QTest::newRow("text, text after a number, unformatted")
        << lijst({ u"abc", u"12abc", u"7" }) << QStringList() << QStringLiteral("€ 19,00")
        << QStringLiteral("€ 0,00") << QStringLiteral("Saldo..... : € 19,00");
    QTest::newRow("point or comma")
        << lijst({ u"12.5", u"2,5" }) << lijst({ u"1.25" }) << QStringLiteral("€ 15,00")
        << QStringLiteral("€ 1,25") << QStringLiteral("Saldo..... : € 13,75");
    QTest::newRow("0,1 + 0,2") << lijst({ u"0,1", u"0,2" }) << QStringList()
                               << QStringLiteral("€ 0,30") << QStringLiteral("€ 0,00")
                               << QStringLiteral("Saldo..... : € 0,30");
    QTest::newRow("balance a hair below zero")
        << lijst({ u"0,3" }) << lijst({ u"0,1", u"0,2" }) << QStringLiteral("€ 0,30")
        << QStringLiteral("€ 0,30") << QStringLiteral("Saldo..... : € 0,00");
    QTest::newRow("sum of unrounded halves")
        << lijst({ u"4,859", u"4,736" }) << lijst({ u"2,675" }) << QStringLiteral("€ 9,60")
        << QStringLiteral("€ 2,68") << QStringLiteral("Saldo..... : € 6,92");
    // A changed row keeps three decimals; the total counts it as shown, 2,68.
    QTest::newRow("balance is income minus expenses as shown")
        << lijst({ u"2100,00" }) << lijst({ u"825,30", u"2,675" }) << QStringLiteral("€ 2100,00")
        << QStringLiteral("€ 827,98") << QStringLiteral("Saldo..... : € 1272,02");
    QTest::newRow("negative amounts")
        << lijst({ u"-5,00" }) << lijst({ u"-7,50" }) << QStringLiteral("€ -5,00")
        << QStringLiteral("€ -7,50") << QStringLiteral("Saldo..... : € 2,50");
    // A single-precision running sum drifts by more than a euro over these rows.
    QTest::newRow("100,000 small expenses")
        << QStringList() << QStringList(100000, QStringLiteral("0,10")) << QStringLiteral("€ 0,00")
        << QStringLiteral("€ 10000,00") << QStringLiteral("Saldo..... : € -10000,00");
}

void TestTotalen::totalenInDeLabels()
{
    QFETCH(QStringList, inkomsten);
    QFETCH(QStringList, uitgaven);
    QFETCH(QString, ink);
    QFETCH(QString, uit);
    QFETCH(QString, saldo);

    TestProgramma omgeving;
    FakeHoofdVenster hoofd(omgeving.programma());
    VulBedragen(hoofd.items(), inkomsten, uitgaven);
    TotalenBerekenen(hoofd);

    QCOMPARE(hoofd.InkLabel().text(), ink);
    QCOMPARE(hoofd.UitLabel().text(), uit);
    QCOMPARE(hoofd.Label8().text(), saldo);
}

void TestTotalen::teGroteTotalenTonenGeenOnzin()
{
    // The largest amounts a file may hold: a hundred of them overflow a sum in cents, which then
    // must not turn negative. Beyond them an amount counts as 0.
    TestProgramma omgeving;
    FakeHoofdVenster hoofd(omgeving.programma());
    const QStringList groot(100, QString(15, u'9'));
    VulBedragen(hoofd.items(), groot + QStringList { QString(308, u'9') }, {});
    TotalenBerekenen(hoofd);

    for (QLabel *label : { &hoofd.InkLabel(), &hoofd.Label8() })
        QVERIFY2(label->text().endsWith(QStringLiteral("€ 92233720368547758,07")),
            qPrintable(label->text()));
}

void TestTotalen::telLabelBlijftStaan()
{
    TestProgramma omgeving;
    FakeHoofdVenster hoofd(omgeving.programma());
    VulBedragen(hoofd.items(), { QStringLiteral("1,00") }, {});
    hoofd.Label6().setText(QStringLiteral("Aantal Items : 7"));
    TotalenBerekenen(hoofd);
    QCOMPARE(hoofd.Label6().text(), QStringLiteral("Aantal Items : 7"));
    QCOMPARE(hoofd.Label7().text(), QStringLiteral("Naam..... : "));
}

// The sums read the rows where they lie now, after changes moved their texts.
void TestTotalen::totalenVolgenGewijzigdeRijen()
{
    TestProgramma omgeving;
    FakeHoofdVenster hoofd(omgeving.programma());
    ItemModel &items = hoofd.items();
    VulBedragen(items, { QStringLiteral("1,00"), QStringLiteral("2,00"), {} },
        { {}, {}, QStringLiteral("4,00") });
    for (int keer = 1; keer <= 50; ++keer)
        items.Wijzig(1,
            { QStringLiteral("2026-12-04"), QStringLiteral("Post"),
                QString::number(keer) + QStringLiteral(",00"), QString() });
    items.Verwijder(0);
    TotalenBerekenen(hoofd);

    QCOMPARE(hoofd.InkLabel().text(), QStringLiteral("€ 50,00"));
    QCOMPARE(hoofd.UitLabel().text(), QStringLiteral("€ 4,00"));
    QCOMPARE(hoofd.Label8().text(), QStringLiteral("Saldo..... : € 46,00"));
}

void TestTotalen::aantalItems_data()
{
    QTest::addColumn<int>("aantal");
    QTest::addColumn<QString>("tekst");

    QTest::newRow("none") << 0 << QStringLiteral("Aantal Items : 0");
    QTest::newRow("twelve") << 12 << QStringLiteral("Aantal Items : 12");
    QTest::newRow("100,000 without grouping") << 100000 << QStringLiteral("Aantal Items : 100000");
}

void TestTotalen::aantalItems()
{
    QFETCH(int, aantal);
    QFETCH(QString, tekst);
    QCOMPARE(AantalItemsTekst(aantal), tekst);
}

QTEST_MAIN(TestTotalen)
#include "tst_totalen.moc"
