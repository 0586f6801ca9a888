#include "budget/Uitgavengroep.h"

QString GroepNaam(Uitgavengroep groep)
{
    switch (groep) {
    case Uitgavengroep::VasteLasten:
        return QStringLiteral("Vaste lasten");
    case Uitgavengroep::Reserveringsuitgaven:
        return QStringLiteral("Reserveringsuitgaven");
    case Uitgavengroep::HuishoudelijkeUitgaven:
        return QStringLiteral("Huishoudelijke uitgaven");
    }
    return {};
}

std::optional<Uitgavengroep> GroepVanNaam(QStringView naam)
{
    for (const Uitgavengroep groep : AlleGroepen) {
        if (naam.compare(GroepNaam(groep), Qt::CaseInsensitive) == 0)
            return groep;
    }
    return std::nullopt;
}
