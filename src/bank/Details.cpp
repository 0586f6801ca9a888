#include "bank/Details.h"

#include <array>
#include <optional>
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

// The remittance text of the slash form: "USTD//<text>" unstructured, "STRD/CUR/<ref>" a payment
// reference (the issuer's code, then the reference).
QString Mededeling(QStringView remi)
{
    if (remi.startsWith(u"USTD"))
        return ZonderSlashes(remi.sliced(4)).toString();
    if (remi.startsWith(u"STRD/")) {
        const QStringView kenmerk = remi.sliced(remi.lastIndexOf(u'/') + 1).trimmed();
        if (remi.count(u'/') >= 2 && !kenmerk.isEmpty())
            return QStringLiteral("Betalingskenmerk ").append(kenmerk);
    }
    return remi.toString();
}

// The first value of each part that matters in a labelled text, and the text before its first
// label.
struct Gelabeld {
    bool gevonden = false;
    QStringView voor;
    std::optional<QStringView> naam, omschrijving, rekening;
};

struct Label {
    QStringView tekst;
    std::optional<QStringView> Gelabeld::*waarde; // nullptr for a part that is not used
};

// The labels of ING's notes (its Dutch and English site) and ABN AMRO's blocks. A value runs from
// its label to the next. The notes of a card payment or a cash withdrawal are the terminal's data
// only ("Pasvolgnr: … Transactie: … Term: …"): they hold no description.
constexpr std::array<Label, 17> Labels { {
    { u"Naam:", &Gelabeld::naam },
    { u"Name:", &Gelabeld::naam },
    { u"Omschrijving:", &Gelabeld::omschrijving },
    { u"Description:", &Gelabeld::omschrijving },
    { u"IBAN:", &Gelabeld::rekening },
    { u"Pasvolgnr:", nullptr },
    { u"Transactie:", nullptr },
    { u"Term:", nullptr },
    { u"BIC:", nullptr },
    { u"Kenmerk:", nullptr },
    { u"Reference:", nullptr },
    { u"Machtiging ID:", nullptr },
    { u"Machtiging:", nullptr },
    { u"Incassant ID:", nullptr },
    { u"Incassant:", nullptr },
    { u"Valutadatum:", nullptr },
    { u"Value date:", nullptr },
} };

// The label that ends at the colon `dubbelePunt`, at the start of a word, or nullptr.
const Label *LabelTot(QStringView tekst, qsizetype dubbelePunt)
{
    for (const Label &label : Labels) {
        const qsizetype begin = dubbelePunt + 1 - label.tekst.size();
        if (begin >= 0 && (begin == 0 || tekst[begin - 1].isSpace())
            && tekst.sliced(begin, label.tekst.size()) == label.tekst)
            return &label;
    }
    return nullptr;
}

// One pass over the colons; only the first value of each kind is kept, so a text of many labels
// costs no memory.
Gelabeld LeesLabels(QStringView tekst)
{
    Gelabeld gelabeld;
    const Label *open = nullptr;
    qsizetype waardeBegin = 0;
    const auto sluit = [&](qsizetype einde) {
        const QStringView waarde = tekst.sliced(waardeBegin, einde - waardeBegin).trimmed();
        if (!open)
            gelabeld.voor = waarde;
        else if (open->waarde && !(gelabeld.*open->waarde))
            gelabeld.*open->waarde = waarde;
    };
    for (qsizetype dubbelePunt = tekst.indexOf(u':'); dubbelePunt >= 0;
         dubbelePunt = tekst.indexOf(u':', dubbelePunt + 1)) {
        const Label *label = LabelTot(tekst, dubbelePunt);
        if (!label)
            continue;
        sluit(dubbelePunt + 1 - label->tekst.size());
        gelabeld.gevonden = true;
        open = label;
        waardeBegin = dubbelePunt + 1;
    }
    sluit(tekst.size());
    return gelabeld;
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
                if (delen.size() > 2 && post.naam.isEmpty())
                    post.naam = delen[2].trimmed().toString();
                if (post.tegenrekening.isEmpty() && !delen.isEmpty())
                    post.tegenrekening = delen[0].trimmed().toString();
            } else if (stuk.sleutel == u"IBAN" && post.tegenrekening.isEmpty()) {
                post.tegenrekening = ZonderSlashes(stuk.waarde).toString();
            } else if (stuk.sleutel == u"REMI") {
                post.omschrijving = Mededeling(ZonderSlashes(stuk.waarde));
            }
        }
        return;
    }
    const Gelabeld gelabeld = LeesLabels(tekst);
    if (!gelabeld.gevonden) {
        post.omschrijving = tekst.trimmed().toString();
        return;
    }
    if (post.naam.isEmpty())
        post.naam = gelabeld.naam.value_or(QStringView()).toString();
    if (post.tegenrekening.isEmpty())
        post.tegenrekening = gelabeld.rekening.value_or(QStringView()).toString();
    // Without a description of its own, the text before the labels: ABN AMRO's kind of transfer,
    // and nothing for a card's notes.
    post.omschrijving = gelabeld.omschrijving.value_or(gelabeld.voor).toString();
}

void DetailsUitOmschrijving(BankPost &post)
{
    const QString details = std::move(post.omschrijving);
    post.omschrijving.clear();
    LeesDetails(details, post);
}
