#include "budget/Groep.h"

QString GroepNaam(Groep groep)
{
    switch (groep) {
    case Groep::VasteLasten:
        return QStringLiteral("Vaste lasten");
    case Groep::Reserveringsuitgaven:
        return QStringLiteral("Reserveringsuitgaven");
    case Groep::HuishoudelijkeUitgaven:
        return QStringLiteral("Huishoudelijke uitgaven");
    }
    return {};
}

std::optional<Groep> GroepVanNaam(QStringView naam)
{
    for (const Groep groep : AlleGroepen) {
        if (naam.compare(GroepNaam(groep), Qt::CaseInsensitive) == 0)
            return groep;
    }
    return std::nullopt;
}
