#include "Figure.h"
#include "Rijen.h"

#include "common/Bedrag.h"
#include "common/Totalen.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>

namespace {

// The fastest of a few runs, in milliseconds: the least disturbed by the other processes.
double SnelsteMs(const ItemModel &items, int keer)
{
    double snelste = 1e300;
    for (int i = 0; i < keer; ++i) {
        QElapsedTimer timer;
        timer.start();
        const Totalen totalen = BerekenTotalen(items);
        const double ms = timer.nsecsElapsed() / 1e6;
        if (totalen.inkomsten <= 0)
            qFatal("no income summed");
        snelste = std::min(snelste, ms);
    }
    return snelste;
}

} // namespace

class BenchTotalen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void berekenTotalen_data();
    void berekenTotalen();
    void groeitLineair();
    void bedragWaarde();
};

void BenchTotalen::berekenTotalen_data()
{
    QTest::addColumn<int>("aantal");
    QTest::newRow("100,000 rows") << 100000;
    QTest::newRow("1,000,000 rows") << 1000000;
}

void BenchTotalen::berekenTotalen()
{
    QFETCH(int, aantal);
    ItemModel items;
    items.VoegToe(TypischeRijen(aantal));
    Totalen totalen;
    QBENCHMARK
    {
        totalen = BerekenTotalen(items);
    }
    QVERIFY(totalen.inkomsten > 0);
}

void BenchTotalen::groeitLineair()
{
    ItemModel klein;
    klein.VoegToe(TypischeRijen(100000));
    ItemModel groot;
    groot.VoegToe(TypischeRijen(1000000));

    const double msKlein = SnelsteMs(klein, 20);
    const double msGroot = SnelsteMs(groot, 5);
    ReportFigure("BerekenTotalen, 100,000 rows", msKlein, "ms", 10);
    ReportFigure("BerekenTotalen, 1,000,000 rows", msGroot, "ms");
    // Linear growth gives 10.
    ReportFigure("BerekenTotalen, 1,000,000 rows / 100,000 rows", msGroot / msKlein, "x");
}

// The parsing alone, 1,000 typical amounts that stay in the cache: a row's time beyond twice
// this is memory.
void BenchTotalen::bedragWaarde()
{
    std::vector<QString> teksten;
    const ItemRijen rijen = TypischeRijen(1000);
    for (int rij = 0; rij < rijen.Aantal(); ++rij) {
        const Item item = rijen.Rij(rij);
        teksten.push_back(item.inkomsten.isEmpty() ? item.uitgaven : item.inkomsten);
    }
    double som = 0;
    QBENCHMARK
    {
        for (const QString &tekst : teksten)
            som += BedragWaarde(tekst);
    }
    QVERIFY(som > 0);
}

QTEST_GUILESS_MAIN(BenchTotalen)
#include "bench_totalen.moc"
