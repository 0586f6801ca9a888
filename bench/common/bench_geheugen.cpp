#include "Figure.h"
#include "Rijen.h"

#include <QHeaderView>
#include <QTest>
#include <QTreeView>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {

// Resident memory from /proc/self/statm, in bytes.
double Resident()
{
    long pages = 0;
    long resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

// Bytes handed out by malloc and not yet freed, the large blocks it maps on their own included.
double InGebruik()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

constexpr double MB = 1024.0 * 1024.0;

} // namespace

class BenchGeheugen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void honderdDuizendRijen();
};

void BenchGeheugen::honderdDuizendRijen()
{
    // The empty program: the application, the table and its view on screen.
    ItemModel items;
    QTreeView view;
    view.resize(726, 400);
    view.setRootIsDecorated(false);
    view.setUniformRowHeights(true);
    view.setModel(&items);
    const int breedtes[] = { 86, 414, 100, 100 };
    for (int kolom = 0; kolom < ItemModel::AantalKolommen; ++kolom)
        view.setColumnWidth(kolom, breedtes[kolom]);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCoreApplication::processEvents();

    const double rssLeeg = Resident();
    const double heapLeeg = InGebruik();

    // Measured once: a QBENCHMARK loop would run this function again on a heap already grown.
    items.VoegToe(TypischeRijen(100000));
    const double rssModel = Resident();
    const double heapModel = InGebruik();

    QCoreApplication::processEvents();
    QVERIFY(!view.grab().isNull());
    const double rssGetoond = Resident();
    const double heapGetoond = InGebruik();

    qInfo("100,000 rows in the model: RSS +%.1f MB, heap +%.1f MB (%.0f bytes a row)",
        (rssModel - rssLeeg) / MB, (heapModel - heapLeeg) / MB, (heapModel - heapLeeg) / 100000);
    qInfo("and shown in the view:     RSS +%.1f MB, heap +%.1f MB", (rssGetoond - rssLeeg) / MB,
        (heapGetoond - heapLeeg) / MB);
    // What the program holds more, by the larger of the two measures.
    ReportFigure("memory for 100,000 rows in the model",
        std::max(rssModel - rssLeeg, heapModel - heapLeeg) / MB, "MB");
    ReportFigure("memory for 100,000 rows shown in the table",
        std::max(rssGetoond - rssLeeg, heapGetoond - heapLeeg) / MB, "MB", 30);
    QCOMPARE(items.rowCount(), 100000);
}

QTEST_MAIN(BenchGeheugen)
#include "bench_geheugen.moc"
