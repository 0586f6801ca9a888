#include "app/OverzichtOpdracht.h"

#include "common/Bedrag.h"
#include "common/Programma.h"
#include "lists/LijstBestand.h"
#include "platform/FileList.h"

#include <QTextStream>

Afloop Overzicht(const Programma &programma, QTextStream &uit, QTextStream &fout)
{
    const QString extensie = QStringLiteral(".lst");
    // The same files in the same order as the overview window's scan, so the total is its total.
    double totaal = 0.0;
    for (const QString &bestand : listFiles(programma.DataMap(), u'*' + extensie)) {
        const QString naam = bestand.chopped(extensie.size());
        if (const std::optional<double> saldo = OpenGeldlog(programma, bestand)) {
            uit << naam << ": " << BedragTekst(*saldo) << '\n';
            totaal += *saldo;
        } else {
            fout << QStringLiteral("De lijst \"%1\" is niet volledig te lezen en telt niet mee.")
                        .arg(naam)
                 << '\n';
        }
    }
    uit << QStringLiteral("Totaal € ") << BedragTekst(totaal) << '\n';
    return Gedaan;
}
