#include "cli/JaarOpdracht.h"

#include "cli/Kolommen.h"
#include "reports/JaarCsv.h"
#include "reports/JaarTabel.h"
#include "lists/Posten.h"

#include <QBuffer>
#include <QStringDecoder>
#include <QTextStream>

Afloop Jaar(const Programma &programma, int jaar, bool csv, QTextStream &uit, QTextStream &fout)
{
    const Posten posten = LeesPosten(programma, jaar);
    for (const QString &zin : NietMeegeteld(posten))
        fout << zin << '\n';
    const JaarTabel tabel = MaakJaarTabel(posten, jaar);
    if (tabel.rijen.empty())
        fout << GeenPosten(jaar) << '\n';
    const std::vector<int> alle = GevondenRijen(tabel, u"");

    if (csv) {
        QBuffer bytes;
        bytes.open(QIODevice::WriteOnly);
        SchrijfJaarCsv(bytes, tabel, alle, nullptr);
        // Decoded with its byte order mark, which the stream writes out again.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        uit << QString(utf8.decode(bytes.data()));
        return Gedaan;
    }
    if (tabel.rijen.empty())
        return Gedaan;
    std::vector<QStringList> rijen { Koppen() };
    for (const JaarRij &rij : tabel.rijen)
        rijen.push_back(Cellen(KortVoorKolom(rij.omschrijving), rij));
    const JaarRij totaal = Totaal(tabel, alle);
    rijen.push_back(Cellen(totaal.omschrijving, totaal));
    std::vector<bool> rechts(14, true);
    rechts[0] = false;
    for (const QString &regel : Uitgelijnd(rijen, rechts))
        uit << regel << '\n';
    return Gedaan;
}
