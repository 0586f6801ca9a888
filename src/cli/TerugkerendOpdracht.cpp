#include "cli/TerugkerendOpdracht.h"

#include "cli/Kolommen.h"
#include "common/Bedrag.h"
#include "common/IsoDatum.h"
#include "recurring/ContractTekst.h"
#include "recurring/Contracten.h"

#include <QBuffer>
#include <QStringDecoder>
#include <QTextStream>

Afloop Terugkerend(
    const Programma &programma, QDate op, bool csv, QTextStream &uit, QTextStream &fout)
{
    QStringList meldingen;
    const std::vector<Contract> contracten = VindContracten(programma, op, &meldingen);
    for (const QString &melding : meldingen)
        fout << melding << '\n';

    if (csv) {
        QBuffer bytes;
        bytes.open(QIODevice::WriteOnly);
        SchrijfContractenCsv(bytes, contracten, nullptr);
        // Decoded with its byte order mark, which the stream writes out again.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        uit << QString(utf8.decode(bytes.data()));
        return Gedaan;
    }
    if (contracten.empty()) {
        fout << QStringLiteral("Geen terugkerende betalingen gevonden tot en met %1.")
                    .arg(IsoDatumTekst(op))
             << '\n';
        return Gedaan;
    }
    std::vector<QStringList> rijen { { QStringLiteral("Omschrijving"),
        QStringLiteral("Tegenpartij"), QStringLiteral("Elke"), QStringLiteral("Bedrag"),
        QStringLiteral("Volgende"), QStringLiteral("Let op") } };
    for (const Contract &contract : contracten) {
        rijen.push_back({ KortVoorKolom(contract.omschrijving), KortVoorKolom(contract.tegenpartij),
            ElkeTekst(contract.elke), CentenTekst(contract.bedrag),
            contract.volgende.isValid() ? IsoDatumTekst(contract.volgende) : QString(),
            Opmerking(contract, op) });
    }
    for (const QString &regel : Uitgelijnd(rijen, { false, false, false, true, false, false }))
        uit << regel << '\n';
    uit << '\n'
        << QStringLiteral("Per maand: inkomsten € %1, uitgaven € %2")
               .arg(CentenTekst(MaandTotaal(contracten, true)),
                   CentenTekst(-MaandTotaal(contracten, false)))
        << '\n';
    return Gedaan;
}
