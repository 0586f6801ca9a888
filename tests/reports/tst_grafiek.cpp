// The chart's scale on a surface that records what is drawn: whatever the amounts, everything
// stays within the chart's field.
#include "reports/Grafiek.h"
#include "reports/JaarTabel.h"

#include <QPainter>
#include <QPicture>
#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(JaarRij)

namespace {

constexpr qint64 Meest = std::numeric_limits<qint64>::max();

JaarRij Maanden(const std::array<std::pair<qint64, qint64>, 12> &bedragen)
{
    JaarRij rij;
    for (int maand = 0; maand < 12; ++maand) {
        const auto [inkomsten, uitgaven] = bedragen[maand];
        if (inkomsten != 0 || uitgaven != 0)
            rij.maanden[maand].Tel(inkomsten, uitgaven);
    }
    return rij;
}

} // namespace

class TestGrafiek : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void blijftBinnenZijnVlak_data()
    {
        QTest::addColumn<JaarRij>("rij");
        QTest::newRow("all zero") << JaarRij {};
        QTest::newRow("one huge month") << Maanden({ { { 1, 0 }, { 0, 1 }, { Meest, 0 } } });
        QTest::newRow("largest expenses") << Maanden({ { { 0, Meest }, { Meest, Meest } } });
        QTest::newRow("negative balances")
            << Maanden({ { { 0, 90000 }, { 120000, 250000 }, { 0, 1 }, { 5, 6 }, { 0, 1000 } } });
        QTest::newRow("below a euro") << Maanden({ { { 1, 0 }, { 0, 2 } } });
    }

    void blijftBinnenZijnVlak()
    {
        QFETCH(JaarRij, rij);
        for (const QRect vlak : { QRect(0, 0, 700, 280), QRect(40, 30, 200, 100) }) {
            QPicture prent;
            QPainter painter(&prent);
            TekenGrafiek(
                painter, vlak, QStringLiteral("Een titel die veel te lang is voor het vlak"), rij);
            painter.end();
            // A field too small for the bars holds the title alone, which the picture leaves out.
            QVERIFY2(prent.boundingRect().isEmpty() || vlak.contains(prent.boundingRect()),
                qPrintable(QStringLiteral("drawn over %1,%2 %3x%4")
                               .arg(prent.boundingRect().x())
                               .arg(prent.boundingRect().y())
                               .arg(prent.boundingRect().width())
                               .arg(prent.boundingRect().height())));
        }
    }
};

QTEST_MAIN(TestGrafiek)
#include "tst_grafiek.moc"
