#include "common/InvoerPaneel.h"

#include "common/Bedrag.h"
#include "common/DatumTekst.h"
#include "common/EenRegel.h"
#include "common/Jaartallen.h"
#include "common/MaandNamen.h"
#include "common/Opmaak.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

QComboBox *MaakCombo(
    QWidget *paneel, const char *naam, const QPoint &plaats, int breedte, bool bewerkbaar)
{
    auto *combo = new QComboBox(paneel);
    combo->setObjectName(QLatin1StringView(naam));
    combo->setEditable(bewerkbaar);
    if (bewerkbaar) {
        // What is typed is taken as it stands: not completed from the items (typing "Hu" must
        // not store "Huur"), and not added to them; the description list is kept in the settings.
        combo->setCompleter(nullptr);
        combo->setInsertPolicy(QComboBox::NoInsert);
    }
    combo->setMaxVisibleItems(12);
    combo->move(plaats);
    combo->resize(twips::toPixels(breedte), combo->sizeHint().height());
    return combo;
}

QLineEdit *MaakTekstvak(QWidget *paneel, const char *naam, int boven)
{
    auto *tekst = new QLineEdit(paneel);
    tekst->setObjectName(QLatin1StringView(naam));
    tekst->setFont(Arial(9.75));
    tekst->setGeometry(twips::rect(180, boven, 1200, 360));
    return tekst;
}

} // namespace

InvoerPaneel::InvoerPaneel(
    QWidget *ouder, const QRect &plaats, const QColor &achtergrond, const QDate &vandaag)
    : QFrame(ouder)
{
    setObjectName(QStringLiteral("Frame1"));
    ZetPaneelOpmaak(*this, achtergrond);
    setGeometry(plaats);

    // All four combos and both amount boxes are dark with light text. The panel carries these
    // colours and the combos' font before the inputs are made, so each takes them over at
    // birth; setting them on every input afterwards costs a noticeable part of the start-up.
    QPalette palet = palette();
    for (const auto rol : { QPalette::Base, QPalette::Button })
        palet.setColor(rol, QColor(30, 0, 0));
    for (const auto rol : { QPalette::Text, QPalette::ButtonText })
        palet.setColor(rol, QColor(230, 230, 230));
    setPalette(palet);
    setFont(Arial(9));

    m_combo1 = MaakCombo(this, "Combo1", twips::point(180, 300), 930, false);
    m_combo2 = MaakCombo(this, "Combo2", twips::point(1200, 300), 2100, false);
    m_combo3 = MaakCombo(this, "Combo3", twips::point(3390, 300), 750, true);
    MaakLabel(this, "Label2", QStringLiteral("Jaar, Maand, Dag"), twips::point(4260, 360));
    m_combo4 = MaakCombo(this, "Combo4", twips::point(180, 750), 6000, true);
    m_label5 = MaakLabel(this, "Label5", QStringLiteral("Omschrijving"), twips::point(6300, 810));
    m_text2 = MaakTekstvak(this, "Text2", 1200);
    m_label3 = MaakLabel(this, "Label3", QStringLiteral("Inkomsten (b.v. 123,78 of 45,00)"),
        twips::point(1500, 1260));
    m_text3 = MaakTekstvak(this, "Text3", 1650);
    m_label4 = MaakLabel(this, "Label4", QStringLiteral("Uitgaven"), twips::point(1500, 1710));

    m_combo1->addItems(Jaartallen());
    m_combo1->setCurrentIndex(m_combo1->findText(QString::number(vandaag.year())));
    m_combo2->addItems(MaandNamen());
    m_combo2->setCurrentIndex(vandaag.month() - 1);
    for (int dag = 1; dag <= 31; ++dag)
        m_combo3->addItem(QString::number(dag));
    m_combo3->setCurrentIndex(vandaag.day() - 1);

    m_text2->installEventFilter(this);
    m_text3->installEventFilter(this);
}

bool InvoerPaneel::eventFilter(QObject *watched, QEvent *event)
{
    // A click into one amount box empties the other; typing does not, nor does the right button
    // (to paste) or the middle one.
    if (event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_text2)
            m_text3->clear();
        else if (watched == m_text3)
            m_text2->clear();
    }
    return QFrame::eventFilter(watched, event);
}

bool InvoerPaneel::KeurInvoer(MessageBoxes &berichten, const QString &beideMelding)
{
    if (m_combo4->currentText().trimmed().isEmpty())
        return Weiger(berichten, QStringLiteral("Omschrijving invullen a.u.b."));
    const bool inkomsten = !m_text2->text().trimmed().isEmpty();
    const bool uitgaven = !m_text3->text().trimmed().isEmpty();
    if (!inkomsten && !uitgaven)
        return Weiger(berichten, QStringLiteral("Inkomsten of Uitgaven invullen a.u.b."));
    if (inkomsten && uitgaven)
        return Weiger(berichten, beideMelding);
    QLineEdit *bedrag = inkomsten ? m_text2 : m_text3;
    if (const QString fout = BedragFout(bedrag->text()); !fout.isEmpty())
        return Weiger(berichten, fout, bedrag);
    return true;
}

bool InvoerPaneel::KeurDag(MessageBoxes &berichten)
{
    const QString fout = DagFout(m_combo1->currentText(), m_combo2->currentText(), Dag());
    return fout.isEmpty() || Weiger(berichten, fout, m_combo3);
}

bool InvoerPaneel::Weiger(MessageBoxes &berichten, const QString &melding, QWidget *invoer)
{
    berichten.tell(window(), melding, QStringLiteral("Geldlog"));
    if (invoer)
        invoer->setFocus();
    return false;
}

QString InvoerPaneel::Dag() const
{
    return m_combo3->currentText().trimmed();
}

void InvoerPaneel::VervangPunten()
{
    m_text2->setText(BedragOngeformatteerd(m_text2->text()));
    m_text3->setText(BedragOngeformatteerd(m_text3->text()));
}

QString InvoerPaneel::InvoerDatum() const
{
    return DatumTekst(m_combo1->currentText(), m_combo2->currentText(), Dag());
}

Item InvoerPaneel::InvoerItem() const
{
    return { InvoerDatum(), EenRegel(m_combo4->currentText()), EenRegel(m_text2->text()),
        EenRegel(m_text3->text()) };
}

Item InvoerPaneel::NieuwItem() const
{
    Item item = InvoerItem();
    item.inkomsten = BedragOpgemaakt(item.inkomsten);
    item.uitgaven = BedragOpgemaakt(item.uitgaven);
    return item;
}

void InvoerPaneel::MaakBedragenLeeg()
{
    m_text2->clear();
    m_text3->clear();
}

void InvoerPaneel::ToonItem(const Item &item)
{
    const DatumDelen datum = LeesDatumTekst(item.datum);
    KiesJaar(datum.jaar);
    KiesMaand(datum.maand);
    if (!datum.dag.isEmpty())
        m_combo3->setCurrentText(datum.dag);
    m_combo4->setCurrentText(item.omschrijving);
    m_text2->setText(item.inkomsten);
    m_text3->setText(item.uitgaven);
}

void InvoerPaneel::KiesJaar(const QString &jaar)
{
    if (const int index = m_combo1->findText(jaar, Qt::MatchExactly); index >= 0)
        m_combo1->setCurrentIndex(index);
}

void InvoerPaneel::KiesMaand(const QString &maand)
{
    if (const int index = m_combo2->findText(maand, Qt::MatchExactly); index >= 0)
        m_combo2->setCurrentIndex(index);
}
