#include "recurring/Contract.h"

#include <cstdlib>

QString ElkeTekst(Elke elke)
{
    switch (elke) {
    case Elke::Maand:
        return QStringLiteral("maand");
    case Elke::VierWeken:
        return QStringLiteral("4 weken");
    case Elke::Kwartaal:
        return QStringLiteral("kwartaal");
    case Elke::HalfJaar:
        return QStringLiteral("half jaar");
    case Elke::Jaar:
        return QStringLiteral("jaar");
    }
    return {};
}

QDate DatumNa(Elke elke, QDate anker, int keer)
{
    switch (elke) {
    case Elke::Maand:
        return anker.addMonths(keer);
    case Elke::VierWeken:
        return anker.addDays(28 * qint64(keer));
    case Elke::Kwartaal:
        return anker.addMonths(3 * keer);
    case Elke::HalfJaar:
        return anker.addMonths(6 * keer);
    case Elke::Jaar:
        return anker.addMonths(12 * keer);
    }
    return {};
}

std::vector<QDate> VerwachteDatums(const Contract &contract, QDate na, QDate totEnMet)
{
    std::vector<QDate> datums;
    if (contract.gestopt || !contract.volgende.isValid() || !na.isValid() || !totEnMet.isValid())
        return datums;
    for (int keer = 0;; ++keer) {
        QDate datum = DatumNa(contract.elke, contract.volgende, keer);
        // Months are counted from the day it is mostly paid on, not from a day a short month
        // moved it to.
        if (contract.elke != Elke::VierWeken && contract.dag > 0)
            datum.setDate(datum.year(), datum.month(), std::min(contract.dag, datum.daysInMonth()));
        if (datum > totEnMet || !datum.isValid())
            break;
        if (datum > na)
            datums.push_back(datum);
        else if (keer == 0 && na < totEnMet)
            datums.push_back(na.addDays(1)); // late, and still to come
    }
    return datums;
}

qint64 MaandBedrag(const Contract &contract)
{
    // Per month as a fraction teller / noemer of the amount.
    qint64 teller = 1;
    qint64 noemer = 1;
    switch (contract.elke) {
    case Elke::Maand:
        break;
    case Elke::VierWeken:
        teller = 13;
        noemer = 12;
        break;
    case Elke::Kwartaal:
        noemer = 3;
        break;
    case Elke::HalfJaar:
        noemer = 6;
        break;
    case Elke::Jaar:
        noemer = 12;
        break;
    }
    // Half away from zero, in whole numbers: no amount a household has comes near the overflow.
    const qint64 maal = contract.bedrag * teller;
    const qint64 rest = std::llabs(maal % noemer) * 2 >= noemer ? (maal < 0 ? -1 : 1) : 0;
    return maal / noemer + rest;
}

qint64 MaandTotaal(const std::vector<Contract> &contracten, bool inkomsten)
{
    qint64 totaal = 0;
    for (const Contract &contract : contracten) {
        if (!contract.gestopt && (contract.bedrag > 0) == inkomsten)
            totaal += MaandBedrag(contract);
    }
    return totaal;
}
