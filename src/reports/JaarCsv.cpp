#include "reports/JaarCsv.h"

#include "common/Csv.h"
#include "platform/WriteError.h"
#include "reports/JaarTabel.h"

namespace {

void VoegRij(QByteArray &csv, const QString &omschrijving, const JaarRij &rij)
{
    VoegCsvCel(csv, omschrijving);
    for (const Telling &maand : rij.maanden) {
        csv += ';';
        VoegCsvCel(csv, CelTekst(maand));
    }
    csv += ';';
    VoegCsvCel(csv, CelTekst(rij.jaar));
    csv += "\r\n";
}

} // namespace

bool SchrijfJaarCsv(
    QIODevice &uit, const JaarTabel &tabel, const std::vector<int> &rijen, QString *fout)
{
    QByteArray csv = CsvBegin;
    csv += "Omschrijving;" + MaandKoppen().join(u';').toUtf8() + ";Totaal\r\n";
    for (const int rij : rijen)
        VoegRij(csv, GeenFormule(tabel.rijen[rij].omschrijving), tabel.rijen[rij]);
    const JaarRij totaal = Totaal(tabel, rijen);
    VoegRij(csv, totaal.omschrijving, totaal);
    return writeAll(uit, csv.constData(), csv.size(), fout);
}
