#include "app/HelpScherm.h"

#include "common/Opmaak.h"
#include "platform/Twips.h"

#include <QPainter>

namespace {

struct Regels {
    QColor kleur;
    int eersteBoven; // twips; each next line 240 twips lower
    QStringList tekst;
};

} // namespace

QPixmap TekenHelpScherm(const QSize &grootte)
{
    QPixmap plaatje(grootte);
    plaatje.fill(QColor(0, 20, 0));
    QPainter painter(&plaatje);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // Positions are the top-left corners of the texts; italic from the first line to the last.
    const auto schrijf = [&painter](int links, int boven, const QString &tekst) {
        const QPoint hoek = twips::point(links, boven);
        painter.drawText(QRect(hoek, QSize(100000, 100000)), Qt::AlignLeft | Qt::AlignTop, tekst);
    };

    painter.setFont(Arial(120, true, true));
    painter.setPen(QColor(200, 200, 200));
    schrijf(9000, 2100, QStringLiteral("€"));
    painter.setPen(QColor(100, 100, 100));
    schrijf(9030, 2130, QStringLiteral("€"));

    painter.setFont(Arial(12, true, true));
    painter.setPen(QColor(130, 230, 130));
    schrijf(150, 120, QStringLiteral("Beknopte uitleg Mijn Geldlog"));

    const Regels alinea[] = {
        { QColor(200, 200, 200), 600,
            { QStringLiteral("Om het programma te kunnen bedienen is er eigenlijk niet veel "
                             "toelichting nodig, alles wijst zich vanzelf."),
                QStringLiteral("Om te beginnen klikken we op de button 'Nieuw Geldlog'. Selecteer "
                               "het jaar en de maand waarvan je de gegevens"),
                QStringLiteral("wilt invullen. Nu kunnen we beginnen met het invullen van de "
                               "inkomsten en uitgaven per maand."),
                QStringLiteral("Selecteer achtereenvolgens het jaar, maand en de dag, dan de "
                               "beschrijving en tenslotte de inkomsten of uitgaven."),
                QStringLiteral("Klik dan op de button 'Toevoegen' om de gegevens naar de lijst te "
                               "exporteren. De omschrijvingen kunnen worden"),
                QStringLiteral("toegevoegd of verwijderd onder de button 'Instellingen'. Voor het "
                               "wijzigen of verwijderen van een item uit de lijst"),
                QStringLiteral("selecteer vervolgens een item uit de lijst en maak gebruik van de "
                               "buttons 'Wijzigen' of 'Verwijderen'.") } },
        { QColor(160, 220, 160), 2520,
            { QStringLiteral("Onder de button 'Vast' kunnen de maandelijkse terugkerende vaste "
                             "lasten worden ingevuld. Dit kan op"),
                QStringLiteral("dezelfde manier als net is uitgelegd. De datum wordt hierbij als "
                               "een liggend streepje ingevuld. Met het"),
                QStringLiteral("exporteren van de vaste lasten moet wel de datum worden "
                               "geselecteerd, vaak de 1e van de maand."),
                QStringLiteral("Met het exporteren van de vaste lasten wordt tevens deze lijst "
                               "opgeslagen (Saven).") } },
        { QColor(220, 160, 160), 3720,
            { QStringLiteral("Nadat alles is ingevuld kan de lijst of maand worden opgeslagen met "
                             "de button 'Geldlog Opslaan'."),
                QStringLiteral("Voor het openen en afdrukken van de lijst gebruiken we 'Geldlog "
                               "Openen' en 'Geldlog Afdrukken'."),
                QStringLiteral("Met de middelste van de onderste 3 buttons kan het saldo van alle "
                               "gemaakte bestanden of maanden"),
                QStringLiteral("worden bekeken. In elk subscherm wordt beknopt de werking "
                               "uitgelegd in een korte omschrijving.") } },
        { QColor(250, 250, 130), 5580,
            { QStringLiteral(
                "Klik nogmaals op de Helpknop voor het verlaten van dit scherm...") } },
    };

    painter.setFont(Arial(10, false, true));
    for (const Regels &regels : alinea) {
        painter.setPen(regels.kleur);
        int boven = regels.eersteBoven;
        for (const QString &regel : regels.tekst) {
            schrijf(150, boven, regel);
            boven += 240;
        }
    }
    return plaatje;
}
