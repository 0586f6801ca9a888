#include "budget/Vooruitzicht.h"

#include "budget/Begrotingen.h"
#include "matching/GeleerdBestand.h"
#include "recurring/Contracten.h"

#include <algorithm>

Vooruitzicht::Vooruitzicht(
    const Programma &programma, const Posten &posten, QDate op, QStringList *meldingen)
{
    // Read only: the budget never writes or moves what was learned.
    const GeleerdBestand geleerd(programma, GeleerdBestand::Gebruik::AlleenLezen);
    if (meldingen && !geleerd.Melding().isEmpty())
        meldingen->append(geleerd.Melding());
    *this = Vooruitzicht(VindContracten(geleerd.Inhoud(), posten, op));
}

Vooruitzicht::Vooruitzicht(std::vector<Contract> contracten)
{
    for (Contract &contract : contracten) {
        if (contract.gestopt)
            continue;
        m_lopend.insert(OmschrijvingSleutel(contract.omschrijving));
        m_contracten.push_back(std::move(contract));
    }
}

std::vector<VerwachteBetaling> Vooruitzicht::Verwacht(QDate na, QDate totEnMet) const
{
    std::vector<VerwachteBetaling> verwacht;
    for (const Contract &contract : m_contracten) {
        for (const QDate datum : VerwachteDatums(contract, na, totEnMet))
            verwacht.push_back({ contract.omschrijving, contract.bedrag, datum });
    }
    std::stable_sort(verwacht.begin(), verwacht.end(),
        [](const VerwachteBetaling &a, const VerwachteBetaling &b) { return a.datum < b.datum; });
    return verwacht;
}

bool Vooruitzicht::IsLopend(QStringView omschrijving) const
{
    return m_lopend.contains(OmschrijvingSleutel(omschrijving));
}
