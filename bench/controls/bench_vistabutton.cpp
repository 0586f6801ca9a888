#include "Figure.h"
#include "controls/VistaButton.h"
#include "platform/Twips.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

std::unique_ptr<VistaButton> Button(QSize size, bool picture)
{
    auto button = std::make_unique<VistaButton>();
    button->setFont(twips::font(QStringLiteral("Arial"), 8));
    button->setCaption(QStringLiteral("Toevoegen"));
    if (picture) {
        QImage strip(32, 16, QImage::Format_RGB32);
        strip.fill(QColor(40, 110, 205));
        for (int x = 0; x < 32; x += 3)
            strip.setPixel(x, x / 2, qRgb(0, 255, 0));
        button->setPicture(strip);
    }
    button->resize(size);
    return button;
}

// Microseconds a paint, the fastest of a few rounds, in the look that takes longest.
double SlowestLook(QSize size)
{
    constexpr int paints = 500;
    double slowest = 0;
    for (bool picture : { false, true }) {
        const auto button = Button(size, picture);
        for (int state = 0; state < 5; ++state) {
            double fastest = 1e300;
            for (int round = 0; round < 5; ++round) {
                QElapsedTimer timer;
                timer.start();
                for (int i = 0; i < paints; ++i)
                    button->DrawButton(state);
                fastest = std::min(fastest, timer.nsecsElapsed() / 1e3 / paints);
            }
            slowest = std::max(slowest, fastest);
        }
    }
    return slowest;
}

} // namespace

// How long one paint of the button takes in each look, for a dialog-sized button and a large
// one, caption and picture included.
class VistaButtonBench : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawButton_data();
    void drawButton();
    void slowestLook();
};

void VistaButtonBench::drawButton_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<int>("state");
    for (QSize size : { QSize(66, 24), QSize(400, 200) }) {
        for (bool picture : { false, true }) {
            for (int state = 0; state < 5; ++state)
                QTest::addRow("%dx%d%s state %d", size.width(), size.height(),
                    picture ? " picture" : "", state)
                    << size << picture << state;
        }
    }
}

void VistaButtonBench::drawButton()
{
    QFETCH(QSize, size);
    QFETCH(bool, picture);
    QFETCH(int, state);

    const auto button = Button(size, picture);
    QBENCHMARK
    {
        button->DrawButton(state);
    }
}

void VistaButtonBench::slowestLook()
{
    ReportFigure("DrawButton 66x24, slowest look", SlowestLook(QSize(66, 24)), "µs", 50);
    ReportFigure("DrawButton 400x200, slowest look", SlowestLook(QSize(400, 200)), "µs");
}

QTEST_MAIN(VistaButtonBench)
#include "bench_vistabutton.moc"
