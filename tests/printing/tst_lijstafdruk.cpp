#include "Afdrukregels.h"
#include "RecordingPrinters.h"
#include "common/ItemModel.h"
#include "printing/LijstAfdruk.h"

#include <QTest>

namespace {

// A ruler of 100 twips a character, so a right edge is easy to check by hand.
int Breedte(const QString &tekst)
{
    return 100 * static_cast<int>(tekst.size());
}

} // namespace

class TstLijstAfdruk : public QObject {
    Q_OBJECT

    ItemModel m_items;
    RecordingPrinters m_printers;
    const InstalledPrinter m_printer { QStringLiteral("Kantoor"), QStringLiteral("kantoor") };

    LijstAfdruk Afdruk(bool inkomsten = true, bool uitgaven = true) const
    {
        return { QStringLiteral("2026 December"), QDateTime(QDate(2026, 12, 6), QTime(14, 5, 9)),
            &m_items, QStringLiteral("Saldo..... : € 10,00"), QStringLiteral("€ 20,00"),
            QStringLiteral("€ 10,00"), inkomsten, uitgaven };
    }

    // Prints the list and returns its one job.
    const Afdruktaak &Druk(const LijstAfdruk &afdruk)
    {
        auto printer = m_printers.Open(m_printer, QStringLiteral("Geldlog"));
        QString fout;
        if (!PrintLijst(*printer, afdruk, Breedte, &fout))
            qFatal("printing failed: %s", qPrintable(fout));
        return m_printers.taken.back();
    }

private Q_SLOTS:
    void init()
    {
        m_items.MaakLeeg();
        m_printers.taken.clear();
    }

    // A page is full after 50 entries on the first and 51 on every further one; the heads come
    // again on every new page, and a full page gets its successor even after the last entry.
    void paginas_data()
    {
        QTest::addColumn<int>("aantal");
        QTest::addColumn<int>("paginas");
        QTest::addColumn<QStringList>("laatstePagina");

        const QStringList koppen { QStringLiteral("300,690 Datum"),
            QStringLiteral("1800,690 Omschrijving"), QStringLiteral("8040,690 Inkomsten"),
            QStringLiteral("9990,690 Uitgaven"), QStringLiteral("300,900 ") + Lijn() };
        const auto totalen = [](int y) {
            return QStringList { QStringLiteral("300,%1 ").arg(y) + Lijn(),
                QStringLiteral("300,%1 Saldo..... : € 10,00").arg(y + 270),
                QStringLiteral("%1,%2 € 20,00").arg(9000 - 700).arg(y + 270),
                QStringLiteral("%1,%2 € 10,00").arg(10800 - 700).arg(y + 270) };
        };

        QTest::newRow("50: rule and totals alone on page 2") << 50 << 2 << koppen + totalen(1200);
        QTest::newRow("51: the 51st entry on page 2") << 51 << 2
                                                      << koppen
                + QStringList { QStringLiteral("300,1200 2026-12-24"),
                      QStringLiteral("1800,1200 Post 51"), QStringLiteral("10300,1200 51,50") }
                + totalen(1470);
        QTest::newRow("101: page 2 holds 51, page 3 the totals")
            << 101 << 3 << koppen + totalen(1200);
    }

    void paginas()
    {
        QFETCH(int, aantal);
        QFETCH(int, paginas);
        QFETCH(QStringList, laatstePagina);

        VulLijst(m_items, aantal);
        const Afdruktaak &taak = Druk(Afdruk());
        QCOMPARE(taak.paginas, paginas);
        QCOMPARE(Pagina(taak, paginas), laatstePagina);
        QVERIFY(taak.beeindigd);

        // The first page holds the title line and the entries from 1500 to 14730.
        const QStringList eerste = Pagina(taak, 1);
        QCOMPARE(eerste.first(), QStringLiteral("300,300 2026 December"));
        QCOMPARE(eerste.at(1), QStringLiteral("8790,300 14:05:09 / 06-12-2026"));
        QVERIFY(eerste.contains(QStringLiteral("300,1500 2026-12-02")));
        QVERIFY(eerste.contains(QStringLiteral("1800,14730 Post 50")));
        // The title line stands on the first page only.
        for (const GedruktTekst &tekst : taak.teksten)
            QVERIFY2(tekst.pagina == 1 || tekst.y >= 690, qPrintable(tekst.tekst));
    }

    // An empty list still gives a page with the title, the heads and the totals.
    void legeLijst()
    {
        const Afdruktaak &taak = Druk(Afdruk());
        QCOMPARE(taak.paginas, 1);
        const QStringList pagina = Pagina(taak, 1);
        QCOMPARE(pagina.at(6), QStringLiteral("300,1200 ") + Lijn());
        QCOMPARE(pagina.at(7), QStringLiteral("300,1500 ") + Lijn());
        QCOMPARE(pagina.at(8), QStringLiteral("300,1770 Saldo..... : € 10,00"));
    }

    // The options leave out a column's head and amounts, never its total.
    void kolommen_data()
    {
        QTest::addColumn<bool>("inkomsten");
        QTest::addColumn<bool>("uitgaven");
        QTest::addColumn<QStringList>("regel");

        const QString datum = QStringLiteral("300,1500 2026-12-02");
        const QString omschrijving = QStringLiteral("1800,1500 Post 1");
        QTest::newRow("both") << true << true
                              << QStringList { datum, omschrijving,
                                     QStringLiteral("8400,1500 100,00"),
                                     QStringLiteral("10400,1500 7,00") };
        QTest::newRow("no income")
            << false << true
            << QStringList { datum, omschrijving, QStringLiteral("10400,1500 7,00") };
        QTest::newRow("no expenses")
            << true << false
            << QStringList { datum, omschrijving, QStringLiteral("8400,1500 100,00") };
        QTest::newRow("neither") << false << false << QStringList { datum, omschrijving };
    }

    void kolommen()
    {
        QFETCH(bool, inkomsten);
        QFETCH(bool, uitgaven);
        QFETCH(QStringList, regel);

        m_items.VoegToe(Item { QStringLiteral("2026-12-02"), QStringLiteral("Post 1"),
            QStringLiteral("100,00"), QStringLiteral("7,00") });
        const QStringList pagina = Pagina(Druk(Afdruk(inkomsten, uitgaven)), 1);

        const QStringList koppen
            = pagina.mid(2, pagina.indexOf(QStringLiteral("300,1200 ") + Lijn()) - 2);
        QCOMPARE(koppen.contains(QStringLiteral("8040,990 Inkomsten")), inkomsten);
        QCOMPARE(koppen.contains(QStringLiteral("9990,990 Uitgaven")), uitgaven);
        QCOMPARE(pagina.filter(QStringLiteral(",1500 ")), regel);
        // The totals line is whole whatever the options say.
        QCOMPARE(pagina.filter(QStringLiteral(",2040 ")),
            (QStringList { QStringLiteral("300,2040 Saldo..... : € 10,00"),
                QStringLiteral("8300,2040 € 20,00"), QStringLiteral("10100,2040 € 10,00") }));
    }

    // Every amount that is not empty stands on paper, a single character too, since it counts in
    // the totals; an empty one leaves its place blank.
    void bedragen_data()
    {
        QTest::addColumn<QString>("inkomsten");
        QTest::addColumn<QString>("uitgaven");
        QTest::addColumn<QStringList>("bedragen");

        QTest::newRow("one character")
            << QStringLiteral("7") << QStringLiteral("-")
            << QStringList { QStringLiteral("8900,1500 7"), QStringLiteral("10700,1500 -") };
        QTest::newRow("empty") << QString() << QString() << QStringList {};
        QTest::newRow("long") << QStringLiteral("123456789,00") << QStringLiteral("7,00")
                              << QStringList { QStringLiteral("7800,1500 123456789,00"),
                                     QStringLiteral("10400,1500 7,00") };
    }

    void bedragen()
    {
        QFETCH(QString, inkomsten);
        QFETCH(QString, uitgaven);
        QFETCH(QStringList, bedragen);

        m_items.VoegToe(
            Item { QStringLiteral("2026-12-02"), QStringLiteral("Post"), inkomsten, uitgaven });
        QCOMPARE(Pagina(Druk(Afdruk()), 1).filter(QStringLiteral(",1500 ")).mid(2), bedragen);
    }

    // A description stops before the first amount column on paper and the list name before the
    // time and date, both cut with "…" where their room ends, spaces before it dropped (the
    // recording printer measures 100 twips a character).
    void afgekapt_data()
    {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QString>("omschrijving");
        QTest::addColumn<bool>("inkomsten");
        QTest::addColumn<QString>("gedruktNaam");
        QTest::addColumn<QString>("gedruktOmschrijving");

        const auto x = [](int aantal) { return QString(aantal, u'x'); };
        const QString kort = QStringLiteral("2026 December");
        QTest::newRow("fits up to 7920") << kort << x(61) << true << kort << x(61);
        QTest::newRow("one too wide") << kort << x(62) << true << kort << x(60) + u'…';
        QTest::newRow("no income column: up to 9870")
            << kort << x(90) << false << kort << x(79) + u'…';
        QTest::newRow("long name stops at 8670")
            << x(84) << QStringLiteral("Huur") << true << x(82) + u'…' << QStringLiteral("Huur");
    }

    void afgekapt()
    {
        QFETCH(QString, naam);
        QFETCH(QString, omschrijving);
        QFETCH(bool, inkomsten);
        QFETCH(QString, gedruktNaam);
        QFETCH(QString, gedruktOmschrijving);

        m_items.VoegToe(Item { QStringLiteral("2026-12-02"), omschrijving, QStringLiteral("1,00"),
            QStringLiteral("2,00") });
        LijstAfdruk afdruk = Afdruk(inkomsten);
        afdruk.lijstNaam = naam;
        const QStringList pagina = Pagina(Druk(afdruk), 1);
        QCOMPARE(pagina.first(), QStringLiteral("300,300 ") + gedruktNaam);
        QCOMPARE(pagina.filter(QStringLiteral(",1500 ")).at(1),
            QStringLiteral("1800,1500 ") + gedruktOmschrijving);
    }

    // Titles are bold 11 point dark blue; heads bold, entries regular 10 point dark red.
    void lettertypen()
    {
        VulLijst(m_items, 1);
        const Afdruktaak &taak = Druk(Afdruk());
        const auto soort = [&](int index) {
            const GedruktTekst &t = taak.teksten.at(index);
            return QStringLiteral("%1 %2 %3 %4")
                .arg(t.lettertype)
                .arg(t.punten)
                .arg(t.vet ? QStringLiteral("bold") : QStringLiteral("regular"))
                .arg(t.kleur.name());
        };
        QCOMPARE(soort(0), QStringLiteral("Arial 11 bold #00005a"));
        QCOMPARE(soort(2), QStringLiteral("Arial 10 bold #280000"));
        QCOMPARE(soort(7), QStringLiteral("Arial 10 regular #280000"));
    }

    // A printer that refuses the job makes the whole print fail with its reason.
    void weigerendePrinter()
    {
        m_printers.weigerend = { m_printer.key };
        VulLijst(m_items, 3);
        auto printer = m_printers.Open(m_printer, QStringLiteral("Geldlog"));
        QString fout;
        QVERIFY(!PrintLijst(*printer, Afdruk(), Breedte, &fout));
        QCOMPARE(fout, QStringLiteral("De printer heeft de afdruktaak geweigerd."));
    }
};

QTEST_GUILESS_MAIN(TstLijstAfdruk)
#include "tst_lijstafdruk.moc"
