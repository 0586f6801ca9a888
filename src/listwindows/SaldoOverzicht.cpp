#include "listwindows/SaldoOverzicht.h"

#include "common/Bedrag.h"
#include "common/Programma.h"
#include "common/Wacht.h"
#include "controls/VistaButton.h"
#include "lists/LijstBestand.h"
#include "platform/BusyCursor.h"

#include <QLabel>

namespace {

// Each list stays in view for a second before the next is read.
constexpr double Pauze = 1.0;

} // namespace

SaldoOverzicht::SaldoOverzicht(
    Programma &programma, VistaButton &showKnop, QLabel &label12, QLabel &label11, QObject *parent)
    : QObject(parent)
    , m_programma(programma)
    , m_showKnop(&showKnop)
    , m_label12(&label12)
    , m_label11(&label11)
    , m_rijen(this)
{
    connect(&showKnop, &VistaButton::Click, this, &SaldoOverzicht::ShowKnop_Click);
}

void SaldoOverzicht::ShowKnop_Click()
{
    // A second scan started during the first would interleave its rows with the first's.
    if (m_bezig)
        return;
    m_bezig = true;
    m_showKnop->setEnabled(false);

    // This object, its button or its labels may be gone once a pause has let the window close.
    const QPointer<SaldoOverzicht> zelf(this);
    const bool klaar = Scan();
    if (!zelf)
        return;
    m_bezig = false;
    if (m_showKnop)
        m_showKnop->setEnabled(true);
    if (klaar) {
        m_label12->setText(QStringLiteral("Gereed..."));
        m_label11->setText(QStringLiteral("Totaal € ") + CentenTekst(m_totaal));
    }
}

bool SaldoOverzicht::Scan()
{
    // The names are taken once: a list saved or deleted during the scan does not change its
    // course, and one deleted before its turn simply gives no row.
    const QStringList namen = LijstBestanden(m_programma);

    BusyCursor zandloper;
    // Summed in whole cents, as the rows show them, so the total is the sum of the rows.
    m_totaal = 0;
    m_programma.Waarden().TotaalSaldo = 0.0;
    m_rijen.MaakLeeg();

    const QPointer<SaldoOverzicht> zelf(this);
    for (const QString &naam : namen) {
        // Every list the open dialog offers gives a row: the balance of the entries opening it
        // shows, plus any groups dated "-" as ever. A file that cannot be read, or a name no
        // list can have, gives none and adds nothing.
        if (const std::optional<qint64> saldo = OpenGeldlog(m_programma, naam)) {
            m_rijen.VoegToe(LijstVanBestand(naam), *saldo);
            m_totaal = CentenSom(m_totaal, *saldo);
            m_programma.Waarden().TotaalSaldo = static_cast<double>(m_totaal) / 100.0;
        }
        Wacht(m_programma.Klok(), Pauze);
        if (!zelf || Afgebroken())
            return false;
        m_label12->setText(naam);
    }
    return true;
}

bool SaldoOverzicht::Afgebroken() const
{
    return !m_showKnop || !m_label12 || !m_label11 || !m_showKnop->window()->isVisible();
}
