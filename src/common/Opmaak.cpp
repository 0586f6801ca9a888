#include "common/Opmaak.h"

#include "platform/Twips.h"

#include <QWidget>

QSize BinnenMaat(int breedte, int hoogte)
{
    return twips::size(breedte - 6 * twips::perPixel, hoogte - 25 * twips::perPixel);
}

void ZetKleur(QWidget &widget, QPalette::ColorRole rol, const QColor &kleur)
{
    QPalette palet = widget.palette();
    palet.setColor(rol, kleur);
    widget.setPalette(palet);
}

void ZetAchtergrond(QWidget &widget, const QColor &kleur)
{
    ZetKleur(widget, QPalette::Window, kleur);
    widget.setAutoFillBackground(true);
}

void ZetInvoerKleuren(QWidget &widget, const QColor &achter, const QColor &tekst)
{
    QPalette palet = widget.palette();
    palet.setColor(QPalette::Base, achter);
    palet.setColor(QPalette::Text, tekst);
    widget.setPalette(palet);
}

QFont DialoogLettertype()
{
    return twips::font(QStringLiteral("Arial"), 8);
}

QString ArrayNaam(const char *naam, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1StringView(naam)).arg(index);
}
