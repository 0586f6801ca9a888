#include "bank/CsvLezer.h"

#include "bank/Regels.h"
#include "bank/Verzamelaar.h"
#include "bank/Waarden.h"

#include <algorithm>

namespace {

qsizetype NodigeVelden(const CsvVorm &vorm)
{
    qsizetype hoogste = std::max({ vorm.datum, vorm.bedrag, vorm.richting, vorm.naam,
        vorm.tegenrekening, vorm.rekening, vorm.code });
    for (const qsizetype kolom : vorm.omschrijving)
        hoogste = std::max(hoogste, kolom);
    return hoogste + 1;
}

// Reads one row into `post`, or gives the reason it is unreadable.
std::optional<QString> LeesRij(const Velden &velden, const CsvVorm &vorm, BankPost &post)
{
    const QStringView datum = velden[vorm.datum];
    const std::optional<QDate> gelezen = LeesDatum(datum, vorm.datumVorm);
    if (!gelezen)
        return DatumOnleesbaar(datum);
    const QStringView bedrag = velden[vorm.bedrag];
    std::optional<qint64> centen
        = vorm.decimaal ? LeesCenten(bedrag, *vorm.decimaal) : LeesCentenKommaOfPunt(bedrag);
    if (vorm.richting >= 0) {
        QString onleesbaar;
        centen = MetRichting(centen, bedrag, velden[vorm.richting], onleesbaar);
        if (!centen)
            return BedragOnleesbaar(onleesbaar);
    } else if (!centen) {
        return BedragOnleesbaar(bedrag);
    }
    post.datum = *gelezen;
    post.centen = *centen;
    post.naam = velden[vorm.naam].trimmed().toString();
    for (const qsizetype kolom : vorm.omschrijving) {
        const QStringView deel = velden[kolom].trimmed();
        if (deel.isEmpty())
            continue;
        if (!post.omschrijving.isEmpty())
            post.omschrijving += u' ';
        post.omschrijving += deel;
    }
    post.tegenrekening = velden[vorm.tegenrekening].trimmed().toString();
    if (vorm.code >= 0
        && vorm.geldopname.contains(velden[vorm.code].trimmed(), Qt::CaseInsensitive))
        post.soort = PostSoort::Geldopname;
    if (vorm.verfijn)
        vorm.verfijn(post);
    return std::nullopt;
}

} // namespace

Bankafschrift LeesCsv(QByteArrayView bytes, const CsvVorm &vorm)
{
    const qsizetype nodig = NodigeVelden(vorm);
    Verzamelaar verzamelaar(vorm.bank, vorm.soort);
    Regels regels(bytes);
    for (int kop = 0; kop < vorm.kopregels; ++kop)
        regels.Volgende();
    Velden velden;
    while (!verzamelaar.Vol() && regels.Volgende()) {
        const QStringView regel = regels.Tekst();
        if (regel.trimmed().isEmpty())
            continue;
        velden.Splits(regel, vorm.scheiding, vorm.aanhaling);
        BankPost post;
        std::optional<QString> reden;
        if (velden.Aantal() < nodig) {
            reden = QStringLiteral("de regel heeft %1 van de %2 velden.")
                        .arg(velden.Aantal())
                        .arg(nodig);
        } else {
            reden = LeesRij(velden, vorm, post);
        }
        if (reden) {
            verzamelaar.Onleesbaar(regels.Nummer(), *reden, regel);
            continue;
        }
        verzamelaar.Rekening(velden[vorm.rekening]);
        post.regel = regels.Nummer();
        verzamelaar.Voeg(std::move(post));
    }
    return std::move(verzamelaar.Afschrift());
}

std::optional<QChar> KopScheiding(
    QStringView kop, qsizetype velden, Velden &gesplitst, std::initializer_list<QChar> scheidingen)
{
    for (const QChar scheiding : scheidingen) {
        gesplitst.Splits(kop, scheiding);
        if (gesplitst.Aantal() >= velden)
            return scheiding;
    }
    return std::nullopt;
}
