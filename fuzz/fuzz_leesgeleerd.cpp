// The learning file's reader on any bytes: no crash, no hang, and what it reads comes back the
// same when it is written and read again.
#include "matching/GeleerdBestand.h"

#include <QBuffer>

#include <algorithm>
#include <cstdlib>

namespace {

std::optional<Geleerd> Lees(const QByteArray &bytes)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    return LeesGeleerd(in, nullptr);
}

// The learned transactions as texts, in an order of their own: two readings compared whole.
QStringList Inhoud(const Geleerd &geleerd)
{
    QStringList inhoud;
    for (const Geleerd::Voorbeeld &voorbeeld : geleerd.Voorbeelden()) {
        const Bron &bron = geleerd.Bronnen()[static_cast<size_t>(voorbeeld.bron)];
        inhoud.append(
            QStringList { voorbeeld.datum.toString(Qt::ISODate), QString::number(voorbeeld.centen),
                voorbeeld.spelling == Geleerd::GeenWoord ? QString()
                                                         : geleerd.Spelling(voorbeeld.spelling),
                voorbeeld.voorgesteld ? QStringLiteral("voorstel") : QString(),
                voorbeeld.verbeterd ? QStringLiteral("verbeterd") : QString(), bron.rekening,
                bron.naam, bron.omschrijving, QString::number(static_cast<int>(bron.soort)) }
                .join(u'\t'));
    }
    std::sort(inhoud.begin(), inhoud.end());
    return inhoud;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<Geleerd> gelezen
        = Lees(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    if (!gelezen)
        return 0;
    QBuffer uit;
    uit.open(QIODevice::WriteOnly);
    if (!SchrijfGeleerd(uit, *gelezen, nullptr))
        std::abort();
    const std::optional<Geleerd> opnieuw = Lees(uit.data());
    if (!opnieuw || Inhoud(*opnieuw) != Inhoud(*gelezen))
        std::abort();
    return 0;
}
