#include "bank/Details.h"

#include <array>
#include <vector>

namespace {

// The keys of the slash form; any other word between slashes belongs to a value.
bool IsSleutel(QStringView woord)
{
    static constexpr std::array<const char16_t *, 19> sleutels { u"TRTP", u"IBAN", u"BIC", u"NAME",
        u"REMI", u"EREF", u"MARF", u"CSID", u"ORDP", u"BENM", u"ADDR", u"CNTP", u"PURP", u"RTRN",
        u"ULTC", u"ULTD", u"SWOC", u"ISDT", u"CDTRREF" };
    for (const char16_t *sleutel : sleutels) {
        if (woord == QStringView(sleutel))
            return true;
    }
    return false;
}

struct Stuk {
    QStringView sleutel;
    QStringView waarde;
};

std::vector<Stuk> SlashVorm(QStringView tekst)
{
    std::vector<Stuk> stukken;
    qsizetype waardeBegin = -1;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        if (tekst[i] != u'/')
            continue;
        const qsizetype einde = tekst.indexOf(u'/', i + 1);
        if (einde < 0)
            break;
        const QStringView woord = tekst.sliced(i + 1, einde - i - 1);
        if (!IsSleutel(woord))
            continue;
        // A key right after a key ("/NAME/IBAN/") shares its slash: the first one's value is empty.
        if (!stukken.empty())
            stukken.back().waarde
                = i > waardeBegin ? tekst.sliced(waardeBegin, i - waardeBegin) : QStringView();
        stukken.push_back({ woord, {} });
        waardeBegin = einde + 1;
        i = einde - 1;
    }
    if (!stukken.empty())
        stukken.back().waarde = tekst.sliced(waardeBegin);
    return stukken;
}

QStringView ZonderSlashes(QStringView waarde)
{
    while (waarde.startsWith(u'/'))
        waarde = waarde.sliced(1);
    while (waarde.endsWith(u'/'))
        waarde.chop(1);
    return waarde.trimmed();
}

// The text after `label` up to the next label of the blocks form.
QStringView NaLabel(QStringView tekst, QStringView label)
{
    const qsizetype begin = tekst.indexOf(label);
    if (begin < 0)
        return {};
    QStringView waarde = tekst.sliced(begin + label.size());
    for (const char16_t *volgend : { u"IBAN:", u"BIC:", u"Naam:", u"Omschrijving:", u"Kenmerk:",
             u"Machtiging:", u"Incassant:" }) {
        const qsizetype eind = waarde.indexOf(QStringView(volgend));
        if (eind >= 0)
            waarde.truncate(eind);
    }
    return waarde.trimmed();
}

} // namespace

void LeesDetails(QStringView tekst, BankPost &post)
{
    // Only a text that starts with a slash is of the slash form; any other is not walked for it.
    const std::vector<Stuk> stukken
        = tekst.trimmed().startsWith(u'/') ? SlashVorm(tekst) : std::vector<Stuk>();
    if (!stukken.empty()) {
        post.omschrijving.clear();
        for (const Stuk &stuk : stukken) {
            if (stuk.sleutel == u"NAME" && post.naam.isEmpty()) {
                post.naam = ZonderSlashes(stuk.waarde).toString();
            } else if (stuk.sleutel == u"CNTP") {
                const QList<QStringView> delen = ZonderSlashes(stuk.waarde).split(u'/');
                if (delen.size() > 2)
                    post.naam = delen[2].trimmed().toString();
                if (post.tegenrekening.isEmpty() && !delen.isEmpty())
                    post.tegenrekening = delen[0].trimmed().toString();
            } else if (stuk.sleutel == u"IBAN" && post.tegenrekening.isEmpty()) {
                post.tegenrekening = ZonderSlashes(stuk.waarde).toString();
            } else if (stuk.sleutel == u"REMI") {
                QStringView remi = ZonderSlashes(stuk.waarde);
                if (remi.startsWith(u"USTD"))
                    remi = ZonderSlashes(remi.sliced(4));
                post.omschrijving = remi.toString();
            }
        }
        return;
    }
    const QStringView naam = NaLabel(tekst, u"Naam:");
    if (!naam.isEmpty()) {
        post.naam = naam.toString();
        post.omschrijving = NaLabel(tekst, u"Omschrijving:").toString();
        return;
    }
    post.omschrijving = tekst.trimmed().toString();
}
