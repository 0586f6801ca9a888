#include "listwindows/SaldoOverzicht.h"

#include "LijstGroep.h"
#include "TestProgramma.h"
#include "controls/MaakKnop.h"
#include "controls/VistaButton.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// What the overview's table, labels and button show, in one value so one comparison shows
// every difference.
struct Beeld {
    QStringList saldi;
    QStringList lijsten; // the rows' tooltips
    QString label12;
    QString label11;
    bool zandloper = false;
    bool knopBruikbaar = false;

    bool operator==(const Beeld &) const = default;
};

char *toString(const Beeld &beeld)
{
    return qstrdup(qPrintable(
        QStringLiteral("saldi [%1] lijsten [%2] Label12 \"%3\" Label11 \"%4\" "
                       "zandloper %5 knop %6")
            .arg(beeld.saldi.join(u'|'), beeld.lijsten.join(u'|'), beeld.label12, beeld.label11)
            .arg(beeld.zandloper)
            .arg(beeld.knopBruikbaar)));
}

// The overview panel on a window of its own, as the main window holds it.
class Paneel {
public:
    Paneel()
        : knop(MaakKnop(
            &venster, QStringLiteral("ShowKnop"), QStringLiteral("Show"), QRect(160, 100, 66, 24)))
        , label12(new QLabel(QStringLiteral("Bestand"), &venster))
        , label11(new QLabel(QStringLiteral("Totaal €"), &venster))
        , overzicht(
              std::make_unique<SaldoOverzicht>(omgeving.programma(), *knop, *label12, *label11))
    {
        venster.resize(326, 408);
        venster.show();
    }

    Beeld beeld() const
    {
        Beeld beeld;
        const SaldoRijen &rijen = overzicht->Rijen();
        for (int rij = 0; rij < rijen.rowCount(); ++rij) {
            beeld.saldi.append(rijen.index(rij, SaldoRijen::Saldo).data().toString());
            beeld.lijsten.append(
                rijen.index(rij, SaldoRijen::Saldo).data(Qt::ToolTipRole).toString());
        }
        beeld.label12 = label12->text();
        beeld.label11 = label11->text();
        beeld.zandloper = QGuiApplication::overrideCursor() != nullptr;
        beeld.knopBruikbaar = knop->isEnabled();
        return beeld;
    }

    void show() const { QTest::mouseClick(knop, Qt::LeftButton, {}, QPoint(10, 10)); }

    TestProgramma omgeving;
    QWidget venster;
    VistaButton *knop;
    QLabel *label12;
    QLabel *label11;
    std::unique_ptr<SaldoOverzicht> overzicht;
};

using Bestanden = QList<std::pair<QString, QByteArray>>;

} // namespace

Q_DECLARE_METATYPE(Bestanden)
Q_DECLARE_METATYPE(Beeld)

class TestSaldoOverzicht : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(!QGuiApplication::overrideCursor()); }

    void everyReadableListGivesARowInNameOrder_data();
    void everyReadableListGivesARowInNameOrder();
    void aMissingDataFolderGivesNoRowsAndZero();
    void eachNameShowsAfterItsPause();
    void aSecondShowDuringTheScanIsIgnored();
    void aNewScanStartsFromScratch();
    void aListDeletedDuringTheScanGivesNoRow();
    void closingTheWindowStopsTheScan();
    void whatIsGoneAfterAPauseIsLeftAlone_data();
    void whatIsGoneAfterAPauseIsLeftAlone();
};

void TestSaldoOverzicht::everyReadableListGivesARowInNameOrder_data()
{
    QTest::addColumn<Bestanden>("bestanden");
    QTest::addColumn<QStringList>("saldi");
    QTest::addColumn<QStringList>("lijsten");
    QTest::addColumn<QString>("totaal");

    // Case does not count in the order: bytewise "Augustus" would come first.
    QTest::newRow("three balances")
        << Bestanden { { QStringLiteral("december.lst"), Groep("2026-12-01", "Post", "", "") },
               { QStringLiteral("april.lst"),
                   Groep("2026-04-01", "Post", "100,00", "30,00")
                       + Groep("2026-04-02", "Post", "50,25", "") },
               { QStringLiteral("Augustus.lst"), Groep("2026-08-01", "Post", "", "40") } }
        << QStringList { u"120,25"_s, u"-40,00"_s, u"0,00"_s }
        << QStringList { u" april "_s, u" Augustus "_s, u" december "_s } << u"Totaal € 80,25"_s;
    // A list counts the entries opening it shows: those before a cut or an extra empty line.
    QTest::newRow("a cut-off list counts its complete entries")
        << Bestanden { { QStringLiteral("a.lst"), Groep("2026-01-01", "Post", "10,00", "") },
               { QStringLiteral("b.lst"),
                   Groep("2026-02-01", "Post", "500,00", "")
                       + "2026-02-02\r\nHuur\r\n\r\n825,00\r\n" },
               { QStringLiteral("c.lst"), Groep("2026-03-01", "Post", "", "2,50") } }
        << QStringList { u"10,00"_s, u"500,00"_s, u"-2,50"_s }
        << QStringList { u" a "_s, u" b "_s, u" c "_s } << u"Totaal € 507,50"_s;
    QTest::newRow("an extra empty line after the last entry")
        << Bestanden { { QStringLiteral("a.lst"),
               Groep("2026-01-01", "Post", "10,00", "") + "\r\n" } }
        << QStringList { u"10,00"_s } << QStringList { u" a "_s } << u"Totaal € 10,00"_s;
    // 1,005 shows as 1,01 in each row; unrounded the total would be 2,01.
    QTest::newRow("the total is the sum of the rows as shown")
        << Bestanden { { QStringLiteral("a.lst"), Groep("2026-01-01", "Post", "1,005", "") },
               { QStringLiteral("b.lst"), Groep("2026-02-01", "Post", "1,005", "") } }
        << QStringList { u"1,01"_s, u"1,01"_s } << QStringList { u" a "_s, u" b "_s }
        << u"Totaal € 2,02"_s;
    QTest::newRow("a group dated - counts")
        << Bestanden { { QStringLiteral("vast.lst"),
               Groep("-", "Post", "", "825,00") + Groep("2026-01-01", "Post", "2345,50", "") } }
        << QStringList { u"1520,50"_s } << QStringList { u" vast "_s } << u"Totaal € 1520,50"_s;
    // In single precision 1234567,89 would read 1234567,88 and 8765432,11 would read 8765432,00.
    QTest::newRow("double precision")
        << Bestanden { { QStringLiteral("a.lst"), Groep("2026-01-01", "Post", "1234567,89", "") },
               { QStringLiteral("b.lst"), Groep("2026-02-01", "Post", "8765432,11", "") } }
        << QStringList { u"1234567,89"_s, u"8765432,11"_s } << QStringList { u" a "_s, u" b "_s }
        << u"Totaal € 10000000,00"_s;
    QTest::newRow("only list files")
        << Bestanden { { QStringLiteral("Omschrijving.txt"), "Huur\r\n" },
               { QStringLiteral("Vastelasten.vls"), Groep("-", "Post", "", "825,00") },
               { QStringLiteral("maart.lst"), Groep("2026-03-01", "Post", "1,005", "") },
               // Not a name the open dialog offers.
               { QStringLiteral("Kas: 2018.lst"), Groep("2026-03-01", "Post", "9,00", "") } }
        << QStringList { u"1,01"_s } << QStringList { u" maart "_s } << u"Totaal € 1,01"_s;
    QTest::newRow("an empty Data folder")
        << Bestanden {} << QStringList {} << QStringList {} << u"Totaal € 0,00"_s;
}

void TestSaldoOverzicht::everyReadableListGivesARowInNameOrder()
{
    QFETCH(Bestanden, bestanden);
    QFETCH(QStringList, saldi);
    QFETCH(QStringList, lijsten);
    QFETCH(QString, totaal);

    Paneel paneel;
    for (const auto &[naam, inhoud] : bestanden)
        paneel.omgeving.schrijfData(naam, inhoud);
    paneel.show();

    const Beeld verwacht { saldi, lijsten, QStringLiteral("Gereed..."), totaal, false, true };
    QCOMPARE(paneel.beeld(), verwacht);
    // One pause of a second for every list file, also the ones that gave no row.
    const auto lijstBestanden = std::count_if(bestanden.begin(), bestanden.end(),
        [](const auto &bestand) { return bestand.first.endsWith(QStringLiteral(".lst")); });
    QCOMPARE(paneel.omgeving.klok().waits(), lijstBestanden);
    QCOMPARE(paneel.omgeving.klok().waitedMilliseconds(), 1000 * lijstBestanden);
}

void TestSaldoOverzicht::aMissingDataFolderGivesNoRowsAndZero()
{
    Paneel paneel;
    QVERIFY(QDir(paneel.omgeving.map()).rmdir(QStringLiteral("Data")));
    paneel.omgeving.programma().Waarden().TotaalSaldo = 12.5;
    paneel.show();
    QCOMPARE(paneel.beeld(),
        (Beeld {
            {}, {}, QStringLiteral("Gereed..."), QStringLiteral("Totaal € 0,00"), false, true }));
    QCOMPARE(paneel.omgeving.programma().Waarden().TotaalSaldo, 0.0);
}

void TestSaldoOverzicht::eachNameShowsAfterItsPause()
{
    Paneel paneel;
    paneel.omgeving.schrijfData(QStringLiteral("a.lst"), Groep("2026-01-01", "Post", "1", ""));
    paneel.omgeving.schrijfData(QStringLiteral("b.lst"), Groep("2026-02-01", "Post", "2", ""));
    paneel.omgeving.schrijfData(QStringLiteral("c.lst"), Groep("2026-03-01", "Post", "3", ""));
    QList<Beeld> tijdensPauzes;
    paneel.omgeving.klok().onWait([&](int) { tijdensPauzes.append(paneel.beeld()); });
    paneel.show();

    // During the pause after list k its row is there while the name is still that of list k-1;
    // the total stays as it was until the end.
    const QString totaal = QStringLiteral("Totaal €");
    const QList<Beeld> verwacht {
        { { u"1,00"_s }, { u" a "_s }, QStringLiteral("Bestand"), totaal, true, false },
        { { u"1,00"_s, u"2,00"_s }, { u" a "_s, u" b "_s }, QStringLiteral("a.lst"), totaal, true,
            false },
        { { u"1,00"_s, u"2,00"_s, u"3,00"_s }, { u" a "_s, u" b "_s, u" c "_s },
            QStringLiteral("b.lst"), totaal, true, false },
    };
    QCOMPARE(tijdensPauzes, verwacht);
    QCOMPARE(paneel.beeld(),
        (Beeld { { u"1,00"_s, u"2,00"_s, u"3,00"_s }, { u" a "_s, u" b "_s, u" c "_s },
            QStringLiteral("Gereed..."), QStringLiteral("Totaal € 6,00"), false, true }));
}

void TestSaldoOverzicht::aSecondShowDuringTheScanIsIgnored()
{
    Paneel paneel;
    paneel.omgeving.schrijfData(QStringLiteral("a.lst"), Groep("2026-01-01", "Post", "1", ""));
    paneel.omgeving.schrijfData(QStringLiteral("b.lst"), Groep("2026-02-01", "Post", "2", ""));
    bool eerste = true;
    paneel.omgeving.klok().onWait([&](int) {
        if (!std::exchange(eerste, false))
            return;
        // Both the click on the button and a call that passes it by.
        paneel.show();
        paneel.overzicht->ShowKnop_Click();
    });
    paneel.show();

    QCOMPARE(paneel.omgeving.klok().waits(), 2);
    QCOMPARE(paneel.beeld().saldi, (QStringList { u"1,00"_s, u"2,00"_s }));
    QCOMPARE(paneel.beeld().label11, QStringLiteral("Totaal € 3,00"));
    QVERIFY(!paneel.overzicht->Bezig());
}

void TestSaldoOverzicht::aNewScanStartsFromScratch()
{
    Paneel paneel;
    paneel.omgeving.schrijfData(QStringLiteral("a.lst"), Groep("2026-01-01", "Post", "1", ""));
    paneel.omgeving.schrijfData(QStringLiteral("b.lst"), Groep("2026-02-01", "Post", "2", ""));
    paneel.show();
    QVERIFY(QFile::remove(paneel.omgeving.dataMap() + QStringLiteral("a.lst")));
    paneel.omgeving.schrijfData(QStringLiteral("c.lst"), Groep("2026-03-01", "Post", "", "5"));
    paneel.show();
    QCOMPARE(paneel.beeld(),
        (Beeld { { u"2,00"_s, u"-5,00"_s }, { u" b "_s, u" c "_s }, QStringLiteral("Gereed..."),
            QStringLiteral("Totaal € -3,00"), false, true }));
    QCOMPARE(paneel.omgeving.programma().Waarden().TotaalSaldo, -3.0);
}

void TestSaldoOverzicht::aListDeletedDuringTheScanGivesNoRow()
{
    Paneel paneel;
    for (const char *naam : { "a.lst", "b.lst", "c.lst" })
        paneel.omgeving.schrijfData(
            QString::fromLatin1(naam), Groep("2026-01-01", "Post", "1", ""));
    paneel.omgeving.klok().onWait(
        [&](int) { QFile::remove(paneel.omgeving.dataMap() + QStringLiteral("b.lst")); });
    paneel.show();
    QCOMPARE(paneel.beeld().lijsten, (QStringList { u" a "_s, u" c "_s }));
    QCOMPARE(paneel.beeld().label11, QStringLiteral("Totaal € 2,00"));
}

void TestSaldoOverzicht::closingTheWindowStopsTheScan()
{
    Paneel paneel;
    for (const char *naam : { "a.lst", "b.lst", "c.lst" })
        paneel.omgeving.schrijfData(
            QString::fromLatin1(naam), Groep("2026-01-01", "Post", "1", ""));
    paneel.omgeving.klok().onWait([&](int) { paneel.venster.close(); });
    paneel.show();

    // Nothing more is read or shown; the hourglass is gone and the button works again.
    QCOMPARE(paneel.omgeving.klok().waits(), 1);
    QCOMPARE(paneel.beeld(),
        (Beeld { { u"1,00"_s }, { u" a "_s }, QStringLiteral("Bestand"), QStringLiteral("Totaal €"),
            false, true }));
    QVERIFY(!paneel.overzicht->Bezig());
}

void TestSaldoOverzicht::whatIsGoneAfterAPauseIsLeftAlone_data()
{
    QTest::addColumn<bool>("overzichtWeg");
    QTest::newRow("the overview") << true;
    QTest::newRow("a label") << false;
}

void TestSaldoOverzicht::whatIsGoneAfterAPauseIsLeftAlone()
{
    QFETCH(bool, overzichtWeg);
    Paneel paneel;
    paneel.omgeving.schrijfData(QStringLiteral("a.lst"), Groep("2026-01-01", "Post", "1", ""));
    paneel.omgeving.schrijfData(QStringLiteral("b.lst"), Groep("2026-01-01", "Post", "1", ""));
    const QString label11 = paneel.label11->text();
    paneel.omgeving.klok().onWait([&](int) {
        if (overzichtWeg)
            paneel.overzicht.reset();
        else
            delete std::exchange(paneel.label12, nullptr);
    });
    paneel.show();
    // The scan stopped at the first pause without touching what is left.
    QCOMPARE(paneel.omgeving.klok().waits(), 1);
    QCOMPARE(paneel.label11->text(), label11);
    if (paneel.overzicht)
        QVERIFY(!paneel.overzicht->Bezig());
}

QTEST_MAIN(TestSaldoOverzicht)
#include "tst_saldooverzicht.moc"
