#include "budget/Vooruitzicht.h"

#include "budget/Begrotingen.h"

Vooruitzicht::Vooruitzicht(const Programma &, QDate, QStringList *)
{
    // TODO(recurring): the contracts of src/recurring once they are there.
}

std::vector<VerwachteBetaling> Vooruitzicht::Verwacht(QDate, QDate) const
{
    return {};
}

bool Vooruitzicht::IsLopend(QStringView omschrijving) const
{
    return m_lopend.contains(OmschrijvingSleutel(omschrijving));
}
