#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The groups a household's spending falls in, as the budget institute names them: what comes back
// by contract, what is put by for costs that come now and then, and the daily household.
enum class Groep { VasteLasten, Reserveringsuitgaven, HuishoudelijkeUitgaven };

inline constexpr std::array AlleGroepen { Groep::VasteLasten, Groep::Reserveringsuitgaven,
    Groep::HuishoudelijkeUitgaven };

// "Vaste lasten", "Reserveringsuitgaven", "Huishoudelijke uitgaven".
QString GroepNaam(Groep groep);

// The group of such a name, case aside; nothing for any other text.
std::optional<Groep> GroepVanNaam(QStringView naam);
