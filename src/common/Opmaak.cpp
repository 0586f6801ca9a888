#include "common/Opmaak.h"

#include "common/AfgekaptLabel.h"
#include "platform/Twips.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QStyleOptionHeader>
#include <QTreeView>
#include <QWidget>

namespace {

// A table's column heads, measured in their own font. Qt measures heads in bold, for a head
// shown highlighted, which these never are; at start-up that loads a bold font only to learn a
// height that is the same as the regular font's.
class KopRegel final : public QHeaderView {
public:
    explicit KopRegel(QWidget *ouder)
        : QHeaderView(Qt::Horizontal, ouder)
    {
        setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

protected:
    QSize sectionSizeFromContents(int kolom) const override
    {
        if (!model())
            return QHeaderView::sectionSizeFromContents(kolom);
        QStyleOptionHeader optie;
        initStyleOption(&optie);
        optie.section = kolom;
        optie.fontMetrics = fontMetrics();
        optie.text = model()->headerData(kolom, orientation(), Qt::DisplayRole).toString();
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &optie, QSize(), this);
    }
};

} // namespace

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

QLabel *MaakRechtsLabel(QWidget *ouder, const char *naam, const QString &tekst, int rechts,
    int boven, const QColor &kleur, int breedte, int hoogte)
{
    const int links = breedte > 0 ? rechts - breedte : 0;
    QLabel *label = MaakLabel(ouder, naam, tekst, twips::point(links, boven));
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setAttribute(Qt::WA_TransparentForMouseEvents, breedte <= 0);
    label->resize(
        twips::toPixels(rechts - links), hoogte > 0 ? twips::toPixels(hoogte) : label->height());
    ZetKleur(*label, QPalette::WindowText, kleur);
    return label;
}

QLabel *MaakBreedLabel(QWidget *ouder, const char *naam, const QString &tekst, int links, int boven,
    int rechts, const QFont &lettertype, int hoogte)
{
    auto *label = new AfgekaptLabel(tekst, ouder);
    label->setObjectName(QLatin1StringView(naam));
    label->setFont(lettertype);
    label->move(twips::point(links, boven));
    label->resize(twips::toPixels(rechts - links),
        hoogte > 0 ? twips::toPixels(hoogte) : label->sizeHint().height());
    return label;
}

QTreeView *MaakLijst(QWidget *ouder, const char *naam, const QRect &plaats, const QColor &achter)
{
    auto *lijst = new QTreeView(ouder);
    lijst->setObjectName(QLatin1StringView(naam));
    lijst->setHeader(new KopRegel(lijst));
    lijst->setGeometry(plaats);
    lijst->setRootIsDecorated(false);
    lijst->setItemsExpandable(false);
    lijst->setUniformRowHeights(true);
    lijst->setAllColumnsShowFocus(true);
    lijst->setSelectionMode(QAbstractItemView::SingleSelection);
    lijst->setSelectionBehavior(QAbstractItemView::SelectRows);
    lijst->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lijst->header()->setSectionsMovable(false);
    lijst->header()->setStretchLastSection(false);
    ZetKleur(*lijst, QPalette::Base, achter);
    return lijst;
}

QTreeView *MaakItemTabel(QWidget *ouder, const char *naam, const QRect &plaats,
    const QColor &achter, QAbstractItemModel &items, std::span<const int> breedtes)
{
    QTreeView *tabel = MaakLijst(ouder, naam, plaats, achter);
    tabel->setFont(Arial(9.75));
    tabel->setModel(&items);
    for (size_t kolom = 0; kolom < breedtes.size(); ++kolom)
        tabel->setColumnWidth(static_cast<int>(kolom), twips::toPixels(breedtes[kolom]));
    return tabel;
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
