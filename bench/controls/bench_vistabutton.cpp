#include "controls/VistaButton.h"
#include "platform/Twips.h"

#include <QTest>

// How long one paint of the button takes in each look, for a dialog-sized button and a large
// one, caption and picture included.
class VistaButtonBench : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawButton_data();
    void drawButton();
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

    VistaButton button;
    button.setFont(twips::font(QStringLiteral("Arial"), 8));
    button.setCaption(QStringLiteral("Toevoegen"));
    if (picture) {
        QImage strip(32, 16, QImage::Format_RGB32);
        strip.fill(QColor(40, 110, 205));
        for (int x = 0; x < 32; x += 3)
            strip.setPixel(x, x / 2, qRgb(0, 255, 0));
        button.setPicture(strip);
    }
    button.resize(size);
    QBENCHMARK
    {
        button.DrawButton(state);
    }
}

QTEST_MAIN(VistaButtonBench)
#include "bench_vistabutton.moc"
