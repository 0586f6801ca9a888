#include "lists/SaldoOverzicht.h"

#include "common/Bedrag.h"
#include "common/Programma.h"
#include "common/Wacht.h"
#include "controls/VistaButton.h"
#include "lists/LijstBestand.h"
#include "platform/BusyCursor.h"
#include "platform/FileList.h"

#include <QLabel>

namespace {

// Each list stays in view for a second before the next is read.
constexpr double Pauze = 1.0;

const QString Extensie = QStringLiteral(".lst");

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
        m_label11->setText(
            QStringLiteral("Totaal € ") + BedragTekst(m_programma.Waarden().TotaalSaldo));
    }
}

bool SaldoOverzicht::Scan()
{
    // The names are taken once: a list saved or deleted during the scan does not change its
    // course, and one deleted before its turn simply gives no row.
    const QStringList namen = listFiles(m_programma.DataMap(), QLatin1Char('*') + Extensie);

    BusyCursor zandloper;
    double &totaal = m_programma.Waarden().TotaalSaldo;
    totaal = 0.0;
    m_rijen.MaakLeeg();

    const QPointer<SaldoOverzicht> zelf(this);
    for (const QString &naam : namen) {
        // A list that cannot be read completely gives no row and adds nothing.
        if (const std::optional<double> saldo = OpenGeldlog(m_programma, naam)) {
            m_rijen.VoegToe(naam.chopped(Extensie.size()), *saldo);
            totaal += *saldo;
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
