// The main window's entry editing: adding, changing and deleting the rows of the current list
// from the inputs of the input panel.
#include "app/Main.h"

#include "common/Bedrag.h"
#include "common/InvoerPaneel.h"
#include "common/Programma.h"
#include "common/Totalen.h"
#include "common/VerwijderVraag.h"
#include "matching/GeleerdBestand.h"
#include "platform/MessageBoxes.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

namespace {

// Whether an entry can have come from a bank statement: a day and one amount, as every
// transaction has.
bool KanVanAfschrift(const Item &item)
{
    return QDate::fromString(item.datum.trimmed(), Qt::ISODate).isValid()
        && (BedragCenten(item.inkomsten) == 0) != (BedragCenten(item.uitgaven) == 0);
}

// A row that came from a bank statement teaches its word when its description changes, and
// confirms the word Geldlog gave it when it does not. What was learned is read only for such a
// row, never at start-up, and written only when it learned something. The learning file is the
// bank window's and the command line's to mend and to tell of: here a file that does not read
// whole is left alone, and so is a failed write, which costs a word and no entry.
void LeerVanWijziging(const Programma &programma, const Item &oud, const Item &nieuw)
{
    if (!KanVanAfschrift(oud))
        return;
    GeleerdBestand geleerd(programma, GeleerdBestand::Gebruik::LerenAlsHeel);
    if (geleerd.Inhoud().LeerWijziging(oud, nieuw))
        geleerd.Bewaar(nullptr);
}

} // namespace

void Main::ItemToevoegen()
{
    if (!m_invoer->KeurInvoer(m_programma.Berichten(),
            QStringLiteral("Inkomsten of Uitgaven invullen, niet alle twee..."))
        || !m_invoer->KeurDag(m_programma.Berichten()))
        return;

    m_invoer->VervangPunten();
    m_items.VoegToe(m_invoer->NieuwItem());
    ToonRij(m_items.Aantal() - 1);
    // Date and description stay, ready for the next entry.
    m_invoer->MaakBedragenLeeg();
    m_label6->setText(AantalItemsTekst(m_items.Aantal()));
}

void Main::ItemWijzigen()
{
    if (!m_invoer->KeurInvoer(m_programma.Berichten(),
            QStringLiteral("Inkomsten of Uitgaven invullen, niet allebij..."))
        || !m_invoer->KeurDag(m_programma.Berichten()))
        return;

    m_invoer->VervangPunten();
    const int rij = GeselecteerdeRij();
    if (rij < 0)
        return;
    // A changed entry keeps its amounts as typed, without rounding or added decimals.
    const Item oud = m_items.Rij(rij);
    const Item nieuw = m_invoer->InvoerItem();
    m_items.Wijzig(rij, nieuw);
    LeerVanWijziging(m_programma, oud, nieuw);
}

void Main::ItemVerwijderen()
{
    const int rij = GeselecteerdeRij();
    if (rij < 0)
        return;

    if (!VraagVerwijderen(m_programma.Berichten(), this, m_items.Rij(rij).omschrijving))
        return;

    // Removing the chosen row would make the view choose its neighbour and bring that row into
    // the inputs. The inputs keep what they show, and no row stays chosen.
    m_listView1->selectionModel()->clear();
    m_items.Verwijder(rij);
    m_label6->setText(AantalItemsTekst(m_items.Aantal()));
}

void Main::ListView1_ItemClick()
{
    if (const int rij = GeselecteerdeRij(); rij >= 0)
        m_invoer->ToonItem(m_items.Rij(rij));
}

int Main::GeselecteerdeRij() const
{
    const QModelIndexList rijen = m_listView1->selectionModel()->selectedRows();
    return rijen.isEmpty() ? -1 : rijen.first().row();
}
