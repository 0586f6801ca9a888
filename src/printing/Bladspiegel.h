#pragma once

#include <QColor>
#include <QString>

#include <optional>

class Printer;
class QDateTime;

// The printed page as the list and the year overview lay it out, in twips from the top left of
// the printable area.
namespace Bladspiegel {
inline constexpr int Kantlijn = 300;
inline constexpr int Rechts = 10800; // where the last column ends
inline constexpr int TitelY = 300;
inline constexpr int KopEerstePagina = 990; // the heads, under the title line
inline constexpr int KopVolgendePagina = 690; // the heads of the pages that follow
inline constexpr int LaatsteRegel = 14800; // below it a page takes no more lines
// The least room between a text that is cut and what stands to its right.
inline constexpr int Tussenruimte = 120;
inline constexpr QColor TitelKleur(0, 0, 90);
inline constexpr QColor TekstKleur(40, 0, 0);
} // namespace Bladspiegel

// Prints `tekst` with the top left of its line at `x`, `y`.
void PrintOp(Printer &printer, int x, int y, const QString &tekst);

// The title line in bold 11 point Arial: `titel`, cut short with "…" before the time and date of
// `moment`, which start at `tijdX` or else end at the right margin. The text colour is left for
// what follows, the font as it is.
void PrintTitel(Printer &printer, const QString &titel, const QDateTime &moment,
    std::optional<int> tijdX = std::nullopt);
