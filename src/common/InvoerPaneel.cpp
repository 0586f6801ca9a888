#include "common/InvoerPaneel.h"

#include "common/Bedrag.h"
#include "common/DatumTekst.h"
#include "common/Jaartallen.h"
#include "common/MaandNamen.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString Arial = QStringLiteral("Arial");

// All four combos and both amount boxes are dark with light text. The frame carries these
// colours and the combos' font, so every input takes them over when it is made; setting them
// on each input afterwards costs a noticeable part of the start-up.
QWidget &OpgemaaktFrame(QWidget &frame)
{
    QPalette palet = frame.palette();
    const QColor achter(30, 0, 0);
    const QColor tekst(230, 230, 230);
    for (const auto rol : {QPalette::Base, QPalette::Button})
        palet.setColor(rol, achter);
    for (const auto rol : {QPalette::Text, QPalette::ButtonText})
        palet.setColor(rol, tekst);
    frame.setPalette(palet);
    frame.setFont(twips::font(Arial, 9));
    return frame;
}

QComboBox *MaakCombo(QWidget &frame, const char *naam, int links, int breedte, bool bewerkbaar)
{
    auto *combo = new QComboBox(&frame);
    combo->setObjectName(QLatin1StringView(naam));
    combo->setEditable(bewerkbaar);
    combo->setMaxVisibleItems(12);
    combo->move(twips::point(links, 0));
    combo->resize(twips::toPixels(breedte), combo->sizeHint().height());
    return combo;
}

QLineEdit *MaakTekstvak(QWidget &frame, const char *naam, int boven)
{
    auto *tekst = new QLineEdit(&frame);
    tekst->setObjectName(QLatin1StringView(naam));
    tekst->setFont(twips::font(Arial, 9.75));
    tekst->setGeometry(twips::rect(180, boven, 1200, 360));
    return tekst;
}

QLabel *MaakLabel(QWidget &frame, const char *naam, const QString &tekst, int links, int boven)
{
    auto *label = new QLabel(tekst, &frame);
    label->setObjectName(QLatin1StringView(naam));
    label->setFont(twips::font(Arial, 9, true));
    label->move(twips::point(links, boven));
    label->adjustSize();
    return label;
}

} // namespace

InvoerPaneel::InvoerPaneel(QWidget &frame, const QDate &vandaag, StartDag startDag)
    : QObject(&frame)
    , m_frame(OpgemaaktFrame(frame))
    , Combo1(MaakCombo(frame, "Combo1", 180, 930, false))
    , Combo2(MaakCombo(frame, "Combo2", 1200, 2100, false))
    , Combo3(MaakCombo(frame, "Combo3", 3390, 750, true))
    , Combo4(MaakCombo(frame, "Combo4", 180, 6000, true))
    , Text2(MaakTekstvak(frame, "Text2", 1200))
    , Text3(MaakTekstvak(frame, "Text3", 1650))
    , Label2(MaakLabel(frame, "Label2", QStringLiteral("Jaar, Maand, Dag"), 4260, 360))
    , Label3(MaakLabel(frame, "Label3", QStringLiteral("Inkomsten (b.v. 123,78 of 45,00)"), 1500,
                       1260))
    , Label4(MaakLabel(frame, "Label4", QStringLiteral("Uitgaven"), 1500, 1710))
    , Label5(MaakLabel(frame, "Label5", QStringLiteral("Omschrijving"), 6300, 810))
{
    for (QComboBox *combo : {Combo1, Combo2, Combo3})
        combo->move(combo->x(), twips::toPixels(300));
    Combo4->move(Combo4->x(), twips::toPixels(750));

    Combo1->addItems(Jaartallen());
    Combo1->setCurrentIndex(Combo1->findText(QString::number(vandaag.year())));

    Combo2->addItems(MaandNamen());
    Combo2->setCurrentIndex(vandaag.month() - 1);

    for (int dag = 1; dag <= 31; ++dag)
        Combo3->addItem(QString::number(dag));
    Combo3->setCurrentIndex(startDag == StartDag::Vandaag ? vandaag.day() - 1 : 0);

    // What is typed is taken as it stands: not completed from the items (typing "Hu" must not
    // store "Huur"), and not added to them; the description list is kept in the settings.
    for (QComboBox *combo : {Combo3, Combo4}) {
        combo->setCompleter(nullptr);
        combo->setInsertPolicy(QComboBox::NoInsert);
    }

    Text2->installEventFilter(this);
    Text3->installEventFilter(this);
}

bool InvoerPaneel::eventFilter(QObject *watched, QEvent *event)
{
    // A mouse click into one amount box empties the other; typing does not.
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Text2)
            Text3->clear();
        else if (watched == Text3)
            Text2->clear();
    }
    return QObject::eventFilter(watched, event);
}

QString InvoerPaneel::InvoerFout(const QString &beideMelding) const
{
    if (Combo4->currentText().trimmed().isEmpty())
        return QStringLiteral("Omschrijving invullen a.u.b.");
    const bool inkomsten = !Text2->text().trimmed().isEmpty();
    const bool uitgaven = !Text3->text().trimmed().isEmpty();
    if (!inkomsten && !uitgaven)
        return QStringLiteral("Inkomsten of Uitgaven invullen a.u.b.");
    if (inkomsten && uitgaven)
        return beideMelding;
    return {};
}

QString InvoerPaneel::Datum() const
{
    return DatumTekst(Combo1->currentText(), Combo2->currentText(), Combo3->currentText());
}

void InvoerPaneel::VervangPunten()
{
    Text2->setText(BedragOngeformatteerd(Text2->text()));
    Text3->setText(BedragOngeformatteerd(Text3->text()));
}

void InvoerPaneel::ToonItem(const Item &item)
{
    const DatumDelen datum = LeesDatumTekst(item.datum);
    KiesJaar(datum.jaar);
    KiesMaand(datum.maand);
    if (!datum.dag.isEmpty())
        Combo3->setCurrentText(datum.dag);
    Combo4->setCurrentText(item.omschrijving);
    Text2->setText(item.inkomsten);
    Text3->setText(item.uitgaven);
}

void InvoerPaneel::KiesJaar(const QString &jaar)
{
    if (const int index = Combo1->findText(jaar, Qt::MatchExactly); index >= 0)
        Combo1->setCurrentIndex(index);
}

void InvoerPaneel::KiesMaand(const QString &maand)
{
    if (const int index = Combo2->findText(maand, Qt::MatchExactly); index >= 0)
        Combo2->setCurrentIndex(index);
}
