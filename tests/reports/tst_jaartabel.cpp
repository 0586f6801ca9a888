// The year overview's counting: which entries count, in which month, as how many cents, grouped
// under which description, and what the user is told about what does not count.
#include "LijstGroep.h"
#include "TestProgramma.h"
#include "common/Bedrag.h"
#include "lists/LijstBestand.h"
#include "reports/JaarModel.h"
#include "reports/JaarTabel.h"
#include "reports/Posten.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

using Bestanden = QList<QPair<QString, QByteArray>>;

namespace {

// A row as "Omschrijving: jan 1,00 mrt -2,00 = -1,00", the months without entries left out.
QString Regel(const JaarRij &rij)
{
    QString regel = rij.omschrijving + u':';
    for (int maand = 0; maand < 12; ++maand) {
        if (rij.maanden[maand].posten > 0)
            regel += u' ' + MaandKoppen().at(maand) + u' ' + CelTekst(rij.maanden[maand]);
    }
    return regel + QStringLiteral(" = ") + CelTekst(rij.jaar);
}

// The files in Data; one without bytes is a list that cannot be read, as on a failing disk.
void Schrijf(const TestProgramma &test, const Bestanden &bestanden)
{
    for (const auto &[naam, bytes] : bestanden) {
        if (bytes.isNull())
            QFile::link(QStringLiteral("/proc/self/mem"), test.dataMap() + naam);
        else
            test.schrijfData(naam, bytes);
    }
}

} // namespace

class TestJaarTabel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rijenVanEenJaar_data()
    {
        QTest::addColumn<Bestanden>("bestanden");
        QTest::addColumn<QStringList>("rijen");
        QTest::addColumn<QStringList>("nietMeegeteld");

        QTest::newRow("case and blanks group, shown as written most")
            << Bestanden { { u"2026 Maart.lst"_s,
                   Groep("2026-03-02", "albert heijn", "", "10")
                       + Groep("2026-03-09", " Albert Heijn ", "", "20")
                       + Groep("2026-03-16", "Albert Heijn", "", "30") } }
            << QStringList { u"Albert Heijn: mrt -60,00 = -60,00"_s,
                   u"Totaal: mrt -60,00 = -60,00"_s }
            << QStringList();
        QTest::newRow("whole cents as the window counts them")
            << Bestanden { { u"2026 Mei.lst"_s,
                   Groep("2026-05-01", "Rente", "2,675", "")
                       + Groep("2026-05-02", "Rente", "0,1", "")
                       + Groep("2026-05-03", "Rente", "0.2", "abc") } }
            << QStringList { u"Rente: mei 2,98 = 2,98"_s, u"Totaal: mei 2,98 = 2,98"_s }
            << QStringList();
        QTest::newRow("by the entry's own date, not the list's name")
            << Bestanden { { u"Kas.lst"_s,
                               Groep("2026-01-31", "Kas", "", "5")
                                   + Groep("2026-12-01", "Kas", "", "7")
                                   + Groep("2025-12-31", "Kas", "", "100") },
                   { u"2026 Februari.lst"_s, Groep("2026-03-01", "Huur", "", "825") } }
            << QStringList { u"Huur: mrt -825,00 = -825,00"_s,
                   u"Kas: jan -5,00 dec -7,00 = -12,00"_s,
                   u"Totaal: jan -5,00 mrt -825,00 dec -7,00 = -837,00"_s }
            << QStringList();
        QTest::newRow("unreadable dates, fixed costs and lists left out")
            << Bestanden { { u"2026 April.lst"_s,
                               Groep("2026-04-01", "Salaris", "2345,50", "")
                                   + Groep("01-04-2026", "Salaris", "1", "")
                                   + Groep("2026-13-01", "Huur", "", "1")
                                   + Groep("", "Huur", "", "1") + Groep("-", "Huur", "", "825") },
                   { u"Kapot.lst"_s, QByteArray() } }
            << QStringList { u"Salaris: apr 2345,50 = 2345,50"_s,
                   u"Totaal: apr 2345,50 = 2345,50"_s }
            << QStringList { u"3 posten zonder leesbare datum niet meegeteld"_s,
                   u"Niet te lezen en niet meegeteld: \"Kapot\""_s };
        QTest::newRow("most spent first, income last")
            << Bestanden { { u"2026 Juni.lst"_s,
                   Groep("2026-06-01", "Salaris", "3000", "")
                       + Groep("2026-06-02", "Energie", "", "90")
                       + Groep("2026-06-03", "Huur", "", "825")
                       + Groep("2026-06-04", "Energie", "40", "") } }
            << QStringList { u"Huur: jun -825,00 = -825,00"_s, u"Energie: jun -50,00 = -50,00"_s,
                   u"Salaris: jun 3000,00 = 3000,00"_s, u"Totaal: jun 2125,00 = 2125,00"_s }
            << QStringList();
        QTest::newRow("a year without entries")
            << Bestanden { { u"2025 Juni.lst"_s, Groep("2025-06-01", "Huur", "", "825") } }
            << QStringList() << QStringList();
    }

    void rijenVanEenJaar()
    {
        QFETCH(Bestanden, bestanden);
        QFETCH(QStringList, rijen);
        QFETCH(QStringList, nietMeegeteld);

        TestProgramma test;
        Schrijf(test, bestanden);
        const Posten posten = LeesPosten(test.programma());
        const JaarTabel tabel = MaakJaarTabel(posten, 2026);
        QStringList getoond;
        for (const JaarRij &rij : tabel.rijen)
            getoond << Regel(rij);
        if (!tabel.rijen.empty())
            getoond << Regel(Totaal(tabel, GevondenRijen(tabel, u"")));
        QCOMPARE(getoond, rijen);
        QCOMPARE(NietMeegeteld(posten), nietMeegeteld);
    }

    // A household's year, a list a month: the row "Totaal" shows each list's balance in its month
    // and their sum as the year's, however the amounts were typed.
    void totaalIsDeSomVanDeSaldiVanDeLijsten()
    {
        TestProgramma test;
        qint64 som = 0;
        const char *bedragen[]
            = { "825", "64,35", "2,675", "0,1", "1.234,5", "138,2", "abc", "-12" };
        for (int maand = 1; maand <= 12; ++maand) {
            QByteArray lijst;
            for (int i = 0; i < 8; ++i) {
                const QByteArray datum = QStringLiteral("2026-%1-%2")
                                             .arg(maand, 2, 10, QChar(u'0'))
                                             .arg(i + 1, 2, 10, QChar(u'0'))
                                             .toLatin1();
                lijst += Groep(datum, i % 2 ? "Boodschappen" : "Salaris",
                    i % 3 == 0 ? bedragen[(i + maand) % 8] : "", bedragen[(i * maand) % 8]);
            }
            const QString naam = QStringLiteral("Maand %1.lst").arg(maand);
            test.schrijfData(naam, lijst);
            const qint64 saldo = OpenGeldlog(test.programma(), naam).value();
            som += saldo;
            const JaarTabel tabel = MaakJaarTabel(LeesPosten(test.programma()), 2026);
            QCOMPARE(Totaal(tabel, GevondenRijen(tabel, u"")).maanden[maand - 1].Saldo(), saldo);
        }
        // The window's table: its last row the total, the search leaving the rows that hold the
        // text and their total, a year without entries no rows at all.
        JaarModel model;
        QAbstractItemModelTester tester(&model);
        model.ZetTabel(MaakJaarTabel(LeesPosten(test.programma()), 2026));
        const auto totaal = [&model] {
            return model.index(model.rowCount() - 1, JaarModel::Totaalkolom).data().toString();
        };
        QCOMPARE(totaal(), CentenTekst(som));
        model.ZetZoektekst(u"SALARIS"_s);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(totaal(), model.index(0, JaarModel::Totaalkolom).data().toString());
        QCOMPARE(model.TotaalRij().jaar.posten, 12 * 4);
        model.ZetTabel(MaakJaarTabel(LeesPosten(test.programma()), 2025));
        QCOMPARE(model.rowCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestJaarTabel)
#include "tst_jaartabel.moc"
