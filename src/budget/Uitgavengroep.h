#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The groups a household's spending falls in, as the budget institute names them: what comes back
// by contract, what is put by for costs that come now and then, and the daily household.
enum class Uitgavengroep { VasteLasten, Reserveringsuitgaven, HuishoudelijkeUitgaven };

inline constexpr std::array AlleGroepen { Uitgavengroep::VasteLasten,
    Uitgavengroep::Reserveringsuitgaven, Uitgavengroep::HuishoudelijkeUitgaven };

// "Vaste lasten", "Reserveringsuitgaven", "Huishoudelijke uitgaven".
QString GroepNaam(Uitgavengroep groep);

// The group of such a name, case aside; nothing for any other text.
std::optional<Uitgavengroep> GroepVanNaam(QStringView naam);
