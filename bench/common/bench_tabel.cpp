#include "Figure.h"
#include "Rijen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <memory>

namespace {

// The entry table as the main window shows it: 726 x 400 pixels, four columns of fixed widths.
std::unique_ptr<QTreeView> Tabel(ItemModel &items)
{
    auto view = std::make_unique<QTreeView>();
    view->resize(726, 400);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setModel(&items);
    const int breedtes[] = { 86, 414, 100, 100 };
    for (int kolom = 0; kolom < ItemModel::AantalKolommen; ++kolom)
        view->setColumnWidth(kolom, breedtes[kolom]);
    return view;
}

// Until the rows stand on screen: the delayed layout runs and the visible rows are painted.
void TotGetekend(QTreeView &view)
{
    QCoreApplication::processEvents();
    const QPixmap beeld = view.grab();
    QVERIFY(!beeld.isNull());
}

} // namespace

class BenchTabel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void toevoegenEnTonen();
    void toevoegenEnTonenGemeten();
    void leegmaken();

private:
    ItemRijen m_rijen;
};

void BenchTabel::initTestCase()
{
    m_rijen = TypischeRijen(100000);
}

// The rows are copied per run; the copy belongs to the loading, not to this.
void BenchTabel::toevoegenEnTonen()
{
    ItemModel items;
    const auto view = Tabel(items);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));

    QBENCHMARK
    {
        items.MaakLeeg();
        ItemRijen rijen = m_rijen;
        items.VoegToe(std::move(rijen));
        TotGetekend(*view);
    }
    QCOMPARE(items.rowCount(), 100000);
}

void BenchTabel::toevoegenEnTonenGemeten()
{
    ItemModel items;
    const auto view = Tabel(items);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));

    double snelste = 1e300;
    for (int keer = 0; keer < 10; ++keer) {
        items.MaakLeeg();
        TotGetekend(*view);
        ItemRijen rijen = m_rijen;

        QElapsedTimer timer;
        timer.start();
        items.VoegToe(std::move(rijen));
        TotGetekend(*view);
        snelste = std::min(snelste, timer.nsecsElapsed() / 1e6);
    }
    ReportFigure("100,000 rows appended and painted", snelste, "ms", 50);
}

void BenchTabel::leegmaken()
{
    ItemModel items;
    const auto view = Tabel(items);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));

    double snelste = 1e300;
    for (int keer = 0; keer < 5; ++keer) {
        items.VoegToe(TypischeRijen(100000));
        TotGetekend(*view);

        QElapsedTimer timer;
        timer.start();
        items.MaakLeeg();
        TotGetekend(*view);
        snelste = std::min(snelste, timer.nsecsElapsed() / 1e6);
    }
    ReportFigure("100,000 rows cleared and painted", snelste, "ms");
}

QTEST_MAIN(BenchTabel)
#include "bench_tabel.moc"
