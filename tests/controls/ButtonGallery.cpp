// Writes a picture of the push button in each of its five looks, with and without a
// picture, so its drawing can be checked by eye: button-gallery <file.png>
#include "app/KnopPlaatjes.h"
#include "controls/VistaButton.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTextStream>

#include <utility>
#include <vector>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "gebruik: button-gallery <bestand.png>\n";
        return 2;
    }

    QWidget window;
    window.setAutoFillBackground(true);
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, QColor(230, 230, 180));
    window.setPalette(colours);
    window.resize(560, 330);

    const QString names[] = { QStringLiteral("0 normaal"), QStringLiteral("1 hover"),
        QStringLiteral("2 ingedrukt"), QStringLiteral("3 focus"), QStringLiteral("4 uit") };
    const QFont font = twips::font(QStringLiteral("Arial"), 8);
    std::vector<std::pair<VistaButton *, int>> looks;
    for (int state = 0; state < 5; ++state) {
        const int x = 10 + state * 108;
        auto *label = new QLabel(names[state], &window);
        label->setGeometry(x, 5, 100, 16);

        auto *plain = new VistaButton(&window);
        plain->setFont(font);
        plain->setCaption(QStringLiteral("Toevoegen"));
        plain->setGeometry(x, 25, 66, 24);

        auto *wrapped = new VistaButton(&window);
        wrapped->setFont(font);
        wrapped->setCaption(QStringLiteral("Vaste lasten exporteren"));
        wrapped->setGeometry(x, 60, 90, 36);

        auto *picture = new VistaButton(&window);
        picture->setFont(font);
        picture->setPicture(TekenKnopPlaatje(KnopPlaatjeSoort(state)));
        picture->setGeometry(x, 105, 56, 56);

        auto *both = new VistaButton(&window);
        both->setFont(font);
        both->setCaption(QStringLiteral("Afsluiten"));
        both->setPicture(TekenKnopPlaatje(KnopPlaatjeSoort::Afsluiten));
        both->setPictureOffset(1);
        both->setGeometry(x, 170, 100, 48);

        auto *clipped = new VistaButton(&window);
        clipped->setFont(font);
        clipped->setCaption(QStringLiteral("Help"));
        clipped->setPicture(TekenKnopPlaatje(KnopPlaatjeSoort::Help));
        clipped->setGeometry(x, 228, 60, 30);

        auto *bare = new VistaButton(&window);
        bare->setFont(font);
        bare->setNoBackground(true);
        bare->setBackColor(QColor(230, 230, 180));
        bare->setCaption(QStringLiteral("Geen achtergrond"));
        bare->setGeometry(x, 268, 100, 40);

        for (VistaButton *button : { plain, wrapped, picture, both, clipped, bare }) {
            button->setEnabled(state != 4);
            looks.emplace_back(button, state);
        }
    }
    window.show();
    QApplication::processEvents();
    // Hover, pressed and focused need a pointer and a keyboard; paint those looks directly.
    // The pressed ones get a real press too, since only that moves their pictures.
    for (auto [button, state] : looks) {
        if (state == 2) {
            const QPointF middle(button->width() / 2.0, button->height() / 2.0);
            QMouseEvent press(QEvent::MouseButtonPress, middle, button->mapToGlobal(middle),
                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(button, &press);
        }
        button->DrawButton(state);
    }
    return window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
