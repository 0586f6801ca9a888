#include "common/Opmaak.h"

#include "platform/Twips.h"

#include <QFrame>
#include <QLabel>
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

QFont Arial(double punten, bool vet, bool cursief)
{
    return twips::font(QStringLiteral("Arial"), punten, vet, cursief);
}

QFont DialoogLettertype()
{
    return Arial(8);
}

void RichtDialoogIn(QWidget &dialoog, const QString &naam, const QString &titel, int breedte,
    int hoogte, const QColor &achtergrond)
{
    dialoog.setObjectName(naam);
    dialoog.setWindowTitle(titel);
    dialoog.setFixedSize(BinnenMaat(breedte, hoogte));
    dialoog.setFont(DialoogLettertype());
    ZetAchtergrond(dialoog, achtergrond);
}

QLabel *MaakLabel(QWidget *ouder, const char *naam, const QString &tekst, const QPoint &plaats,
    const QFont &lettertype)
{
    auto *label = new QLabel(tekst, ouder);
    label->setObjectName(QLatin1StringView(naam));
    label->setFont(lettertype);
    label->move(plaats);
    label->adjustSize();
    return label;
}

void ZetPaneelOpmaak(QFrame &paneel, const QColor &achtergrond)
{
    paneel.setFrameShape(QFrame::Box);
    paneel.setFrameShadow(QFrame::Sunken);
    ZetAchtergrond(paneel, achtergrond);
}

QString ArrayNaam(const char *naam, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1StringView(naam)).arg(index);
}
