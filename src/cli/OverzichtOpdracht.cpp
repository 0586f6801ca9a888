#include "cli/OverzichtOpdracht.h"

#include "common/Bedrag.h"
#include "common/Programma.h"
#include "lists/LijstBestand.h"

#include <QTextStream>

Afloop Overzicht(const Programma &programma, QTextStream &uit, QTextStream &fout)
{
    // The same files in the same order as the overview window's scan, summed in whole cents as
    // its rows show them, so the total is its total.
    qint64 totaal = 0;
    for (const QString &bestand : LijstBestanden(programma)) {
        const QString naam = LijstVanBestand(bestand);
        // A name no list can have is no list the window shows.
        if (naam.isEmpty())
            continue;
        if (const std::optional<qint64> saldo = OpenGeldlog(programma, bestand)) {
            uit << naam << ": " << CentenTekst(*saldo) << '\n';
            totaal = CentenSom(totaal, *saldo);
        } else {
            fout << QStringLiteral("De lijst \"%1\" is niet te lezen en telt niet mee.").arg(naam)
                 << '\n';
        }
    }
    uit << QStringLiteral("Totaal € ") << CentenTekst(totaal) << '\n';
    return Gedaan;
}
