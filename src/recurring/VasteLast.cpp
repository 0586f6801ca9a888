#include "recurring/VasteLast.h"

#include "common/Bedrag.h"

#include <cstdlib>

namespace {

QString BedragVan(const Contract &contract)
{
    return CentenTekst(std::llabs(contract.bedrag));
}

// A fixed cost's direction as its amounts tell it: an income holds its amount in the income column.
bool IsInkomen(QStringView inkomsten, QStringView uitgaven)
{
    return CentenVerschil(BedragCenten(inkomsten), BedragCenten(uitgaven)) > 0
        || (uitgaven.trimmed().isEmpty() && !inkomsten.trimmed().isEmpty());
}

} // namespace

Item AlsVasteLast(const Contract &contract)
{
    const bool inkomen = contract.bedrag > 0;
    return { QStringLiteral("-"), contract.omschrijving, inkomen ? BedragVan(contract) : QString(),
        inkomen ? QString() : BedragVan(contract) };
}

int VasteLastVan(const Contract &contract, const ItemRijen &vasteLasten)
{
    const QString omschrijving = contract.omschrijving.trimmed().toCaseFolded();
    for (int rij = 0; rij < vasteLasten.Aantal(); ++rij) {
        if (vasteLasten.Cel(rij, ItemModel::Omschrijving).trimmed().toString().toCaseFolded()
                == omschrijving
            && IsInkomen(vasteLasten.Cel(rij, ItemModel::Inkomsten),
                   vasteLasten.Cel(rij, ItemModel::Uitgaven))
                == (contract.bedrag > 0))
            return rij;
    }
    return -1;
}

bool ZelfdeBedrag(const Item &vasteLast, const Contract &contract)
{
    return CentenVerschil(BedragCenten(vasteLast.inkomsten), BedragCenten(vasteLast.uitgaven))
        == contract.bedrag;
}

Item BijgewerkteVasteLast(Item vasteLast, const Contract &contract)
{
    (contract.bedrag > 0 ? vasteLast.inkomsten : vasteLast.uitgaven) = BedragVan(contract);
    return vasteLast;
}
