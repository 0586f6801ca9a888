#include "reports/JaarCsv.h"

#include "common/Csv.h"
#include "platform/WriteError.h"
#include "reports/JaarTabel.h"

namespace {

void VoegRij(QByteArray &csv, const QStringList &cellen)
{
    for (qsizetype kolom = 0; kolom < cellen.size(); ++kolom) {
        if (kolom > 0)
            csv += ';';
        VoegCsvCel(csv, cellen[kolom]);
    }
    csv += "\r\n";
}

} // namespace

bool SchrijfJaarCsv(
    QIODevice &uit, const JaarTabel &tabel, const std::vector<int> &rijen, QString *fout)
{
    QByteArray csv = CsvBegin;
    VoegRij(csv, Koppen());
    for (const int rij : rijen) {
        const JaarRij &r = tabel.rijen[rij];
        VoegRij(csv, Cellen(GeenFormule(r.omschrijving), r));
    }
    const JaarRij totaal = Totaal(tabel, rijen);
    VoegRij(csv, Cellen(totaal.omschrijving, totaal));
    return writeAll(uit, csv.constData(), csv.size(), fout);
}
