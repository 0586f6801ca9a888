#include "fixedcosts/VasteLastenForm.h"

#include "common/Bedrag.h"
#include "common/GeenEscape.h"
#include "common/HoofdVenster.h"
#include "common/InvoerPaneel.h"
#include "common/LijstAanvullen.h"
#include "common/Omschrijvingen.h"
#include "common/Opmaak.h"
#include "common/Programma.h"
#include "common/Totalen.h"
#include "common/VerwijderVraag.h"
#include "controls/MaakKnop.h"
#include "controls/VistaButton.h"
#include "lists/VasteLastenBestand.h"
#include "planning/TerugkerendForm.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QFrame>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTreeView>

#include <array>

namespace {

// The window keeps its own colour, whatever the user chose for the main window.
const QColor Achtergrond(190, 240, 240);
// Incomes are green and expenses dark red, as in the main window's totals.
const QColor Groen(0, 128, 0);
const QColor DonkerRood(128, 0, 0);

// A fixed cost has no date of its own; it gets one when it is exported.
const QString GeenDatum = QStringLiteral("-");

const QString HelpTekst = QStringLiteral(
    "In dit scherm kunnen de vaste lasten die elke maand weer terugkomen worden vastgelegd.\n"
    "Vul achtereenvolgens de verschillende vaste lasten in en klik op de button 'Export' om de "
    "data te\n"
    "exporteren naar het hoofdscherm en vervolgens op te slaan (saven) als extern bestand.\n"
    "Dit externe bestand wordt telkens bij het openen van dit scherm weer ingeladen en getoond.\n"
    "\n"
    "Bij het exporteren van de data zal automatisch de datum (Jaar, Maand en Dag) worden "
    "geplaatst\n"
    "op het hoofdscherm. Selecteer wel van tevoren de juiste datum.");

QLabel *TotaalLabel(QWidget *ouder, const char *naam, int links, const QColor &kleur)
{
    QLabel *label = MaakLabel(ouder, naam, QStringLiteral("€ 0,00"), twips::point(links, 3150));
    ZetKleur(*label, QPalette::WindowText, kleur);
    return label;
}

} // namespace

VasteLastenForm::VasteLastenForm(HoofdVenster &hoofd, QWidget *parent)
    : QDialog(parent)
    , m_hoofd(hoofd)
{
    RichtDialoogIn(*this, QStringLiteral("VasteLastenForm"), QStringLiteral("Vaste lasten"), 10200,
        6690, Achtergrond);
    // Only Annuleren and the window's close button forget the rows typed here.
    GeenEscape(*this);

    ListView2 = MaakItemTabel(this, "ListView2", twips::rect(225, 240, 9690, 2850),
        QColor(230, 190, 190), m_vasteLasten, std::array { 1290, 5010, 1500, 1500 });

    InLabel = TotaalLabel(this, "InLabel", 7500, Groen);
    OutLabel = TotaalLabel(this, "OutLabel", 9000, DonkerRood);

    BouwInvoer();
    BouwHelp();

    LaadOmschrijvingen(*Frame1->Combo4(), m_hoofd.programma());
    LaadVasteLasten(m_hoofd.programma(), m_vasteLasten);
    TotaalSom();
}

void VasteLastenForm::BouwInvoer()
{
    Frame1 = new InvoerPaneel(this, twips::rect(210, 3360, 9725, 2700), Achtergrond,
        m_hoofd.programma().Klok().now().date());
    // The fixed costs are mostly due on the first of the month.
    Frame1->Combo3()->setCurrentIndex(0);
    // Here the amount labels take the colours of the totals.
    ZetKleur(*Frame1->Label3(), QPalette::WindowText, Groen);
    ZetKleur(*Frame1->Label4(), QPalette::WindowText, DonkerRood);

    const QString knoppen[] = { QStringLiteral("Toevoegen"), QStringLiteral("Verwijderen") };
    for (int index = 0; index < 2; ++index) {
        Knop[index] = MaakKnop(Frame1, ArrayNaam("Knop", index), knoppen[index],
            QStringLiteral(" Item %1 ").arg(knoppen[index]),
            twips::rect(180 + 1260 * index, 2160, 1200, 360));
        connect(Knop[index], &VistaButton::Click, this, [this, index] { Knop_Click(index); });
    }

    // In the row's free room after Verwijderen, as far from it as Verwijderen from Toevoegen.
    // What it adds is in the table as if typed, until Export stores it or Annuleren drops it.
    GevondenKnop = MaakKnop(Frame1, QStringLiteral("GevondenKnop"), QStringLiteral("Gevonden..."),
        QStringLiteral(" Terugkerende betalingen uit de bankafschriften en lijsten "),
        twips::rect(2700, 2160, 1200, 360));
    connect(GevondenKnop, &VistaButton::Click, this, [this] {
        ToonTerugkerend(m_hoofd.programma(), &m_vasteLasten, this);
        TotaalSom();
    });

    CancelKnop = MaakKnop(Frame1, QStringLiteral("CancelKnop"), QStringLiteral("Annuleren"),
        twips::rect(7500, 2160, 990, 360));
    connect(CancelKnop, &VistaButton::Click, this, &QDialog::reject);

    SaveKnop = MaakKnop(Frame1, QStringLiteral("SaveKnop"), QStringLiteral("Export"),
        QStringLiteral(" Data exporteren naar het hoofdscherm "),
        twips::rect(8550, 2160, 990, 360));
    connect(SaveKnop, &VistaButton::Click, this, &VasteLastenForm::SaveKnop_Click);

    HelpKnop = MaakKnop(Frame1, QStringLiteral("HelpKnop"), QStringLiteral("Help"),
        QStringLiteral(" Hulp bij dit scherm "), twips::rect(8550, 270, 990, 360));
    connect(HelpKnop, &VistaButton::Click, this, [this] { ToonHelp(true); });
}

void VasteLastenForm::BouwHelp()
{
    Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    ZetPaneelOpmaak(*Frame2, Achtergrond);
    Frame2->setGeometry(Frame1->geometry());
    Frame2->hide();

    Label1 = new QLabel(HelpTekst, Frame2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(Arial(9));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->setGeometry(twips::rect(180, 270, 9360, 1800));
    ZetKleur(*Label1, QPalette::WindowText, QColor(40, 90, 40));

    ExitKnop = MaakKnop(Frame2, QStringLiteral("ExitKnop"), QStringLiteral("Exit"),
        QStringLiteral(" Dit helpscherm weer sluiten "), twips::rect(8550, 2160, 990, 360));
    connect(ExitKnop, &VistaButton::Click, this, [this] { ToonHelp(false); });
}

void VasteLastenForm::Knop_Click(int index)
{
    if (index == 0)
        VasteLastToevoegen();
    else
        VasteLastVerwijderen();
    // Also after a refused input or a declined deletion.
    TotaalSom();
}

void VasteLastenForm::VasteLastToevoegen()
{
    if (!Frame1->KeurInvoer(m_hoofd.programma().Berichten(),
            QStringLiteral("Inkomsten of Uitgaven invullen, niet allebij...")))
        return;

    Frame1->VervangPunten();
    Item item = Frame1->NieuwItem();
    item.datum = GeenDatum;
    m_vasteLasten.VoegToe(item);
    // The description stays, ready for the next fixed cost.
    Frame1->MaakBedragenLeeg();
}

void VasteLastenForm::VasteLastVerwijderen()
{
    const QModelIndexList gekozen = ListView2->selectionModel()->selectedRows();
    if (gekozen.isEmpty())
        return;
    const int rij = gekozen.first().row();
    if (VraagVerwijderen(
            m_hoofd.programma().Berichten(), this, m_vasteLasten.Rij(rij).omschrijving))
        m_vasteLasten.Verwijder(rij);
}

void VasteLastenForm::TotaalSom()
{
    const Totalen totalen = BerekenTotalen(m_vasteLasten);
    InLabel->setText(QStringLiteral("€ ") + CentenTekst(totalen.inkomsten));
    InLabel->adjustSize();
    OutLabel->setText(QStringLiteral("€ ") + CentenTekst(totalen.uitgaven));
    OutLabel->adjustSize();
}

void VasteLastenForm::SaveKnop_Click()
{
    // A day the month does not have is refused before anything is exported or written.
    if (m_vasteLasten.Aantal() > 0 && !Frame1->KeurDag(m_hoofd.programma().Berichten()))
        return;

    // The file first: fixed costs that cannot be stored are not exported either, and the window
    // stays open with them as edited, so nothing typed is lost. An emptied table is stored too,
    // or the deleted fixed costs would come back next time.
    if (QString fout; !SaveVasteLasten(m_hoofd.programma(), m_vasteLasten, &fout)) {
        m_hoofd.programma().Berichten().tell(this,
            QStringLiteral("De vaste lasten zijn niet opgeslagen.\n") + fout,
            QStringLiteral("Error"), MessageBoxes::Icon::Critical);
        return;
    }

    // One date for every row; an empty table adds nothing.
    const QString datum = Frame1->InvoerDatum();
    ItemRijen rijen;
    rijen.Reserveer(m_vasteLasten.Aantal());
    for (int rij = 0; rij < m_vasteLasten.Aantal(); ++rij) {
        rijen.Voeg(datum, m_vasteLasten.Cel(rij, ItemModel::Omschrijving),
            m_vasteLasten.Cel(rij, ItemModel::Inkomsten),
            m_vasteLasten.Cel(rij, ItemModel::Uitgaven));
    }
    VulLijstAan(m_hoofd, std::move(rijen));
    accept();
}

void VasteLastenForm::ToonHelp(bool help)
{
    Frame1->setVisible(!help);
    Frame2->setVisible(help);
}
