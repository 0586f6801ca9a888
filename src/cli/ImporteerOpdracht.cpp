#include "cli/ImporteerOpdracht.h"

#include "bank/BankBestand.h"
#include "bank/BankPosten.h"
#include "bank/Bankafschrift.h"
#include "cli/OpdrachtLijst.h"
#include "cli/Opdrachttekst.h"
#include "common/MaandNamen.h"
#include "lists/LijstBestand.h"
#include "lists/LijstNamen.h"
#include "lists/VasteLastenBestand.h"
#include "matching/GeleerdBestand.h"
#include "matching/InDataMap.h"
#include "matching/Voorsteller.h"

#include <QTextStream>

#include <map>

namespace {

QString Aantal(qsizetype aantal, const char *een, const char *meer)
{
    return QStringLiteral("%1 %2").arg(aantal).arg(QLatin1String(aantal == 1 ? een : meer));
}

// "ING (CSV): 14 posten toegevoegd aan "2026 Maart" (11 met een eigen omschrijving), 3 stonden
// er al in."
QString Verslag(const Bankafschrift &afschrift, const ImporteerOpdracht &opdracht,
    const QString &lijst, qsizetype nieuw, qsizetype eigen, qsizetype alIn, qsizetype elders)
{
    const char *toegevoegd = "toegevoegd aan";
    if (opdracht.proef)
        toegevoegd = nieuw == 1 ? "zou worden toegevoegd aan" : "zouden worden toegevoegd aan";
    QString tekst = QStringLiteral("%1: %2 %3 \"%4\"")
                        .arg(afschrift.Naam(), Aantal(nieuw, "post", "posten"),
                            QLatin1String(toegevoegd), lijst);
    if (eigen > 0)
        tekst += QStringLiteral(" (%1 met een eigen omschrijving)").arg(eigen);
    tekst += QStringLiteral(", %1 er al in").arg(Aantal(alIn, "stond", "stonden"));
    if (elders > 0)
        tekst += QStringLiteral(" (%1 in een andere lijst)").arg(elders);
    if (!afschrift.onleesbaar.empty()) {
        tekst += QStringLiteral(", %1 overgeslagen")
                     .arg(Aantal(static_cast<qsizetype>(afschrift.onleesbaar.size()),
                         "onleesbare regel", "onleesbare regels"));
    }
    tekst += opdracht.proef ? QStringLiteral("; er is niets geschreven.") : QStringLiteral(".");
    return tekst;
}

// One entry to be added, for a trial run: date, signed amount, description and, after the
// household's word, the bank's text in brackets.
QString ProefRegel(const Item &item, const BankPost &post)
{
    const QString bedrag = item.inkomsten.isEmpty() ? u'-' + item.uitgaven : u'+' + item.inkomsten;
    QString regel = QStringLiteral("%1  %2  %3")
                        .arg(item.datum, bedrag.rightJustified(11), item.omschrijving);
    if (const QString bank = AlsItem(post).omschrijving; bank != item.omschrijving)
        regel += QStringLiteral("  (%1)").arg(bank);
    return regel;
}

// "12 posten uit augustus 2026 niet toegevoegd; geldlog importeer afschrift.csv "2026 Augustus"",
// the list of that month as the household names its months.
QString NietToegevoegd(
    const ImporteerOpdracht &opdracht, QDate maand, qsizetype aantal, const QStringList &opgeslagen)
{
    return QStringLiteral("%1 uit %2 %3 niet toegevoegd; %4")
        .arg(Aantal(aantal, "post", "posten"), MaandNaam(maand.month()).toLower())
        .arg(maand.year())
        .arg(Opdrachttekst(
            { QStringLiteral("importeer"), opdracht.bestand, MaandLijstNaam(maand, opgeslagen) }));
}

bool InMaand(QDate datum, QDate maand)
{
    return !maand.isValid() || (datum.year() == maand.year() && datum.month() == maand.month());
}

} // namespace

Afloop Importeer(const Programma &programma, const ImporteerOpdracht &opdracht, QTextStream &uit,
    QTextStream &fout)
{
    // The list first: a refused name needs no bank file read.
    QString reden;
    std::optional<OpdrachtLijst> lijst = LeesOpdrachtLijst(
        programma, opdracht.lijst, QStringLiteral("er is niets toegevoegd"), &reden);
    if (!lijst) {
        fout << reden << '\n';
        return Geweigerd;
    }
    const std::optional<QByteArray> bytes = LeesBankBestand(opdracht.bestand, &reden);
    if (!bytes) {
        fout << reden << '\n';
        return Geweigerd;
    }
    const std::optional<Bankafschrift> afschrift = LeesBankafschrift(*bytes);
    if (!afschrift) {
        fout << OnbekendAfschrift() << '\n';
        for (const QString &soort : BekendeSoorten())
            fout << soort << '\n';
        return Geweigerd;
    }
    for (const OnleesbareRegel &regel : afschrift->onleesbaar)
        fout << regel.Melding() << '\n';

    // Into a list named after a month go that month's transactions, as the bank window chooses
    // them: a statement seldom ends where a month does, and the days of the next month would
    // count in this one. Every transaction is looked for, so those of another month that a
    // list holds already are not named as left out.
    const QDate maand
        = opdracht.maand.value_or(opdracht.alle ? QDate() : MaandVanLijst(lijst->naam));
    const std::vector<BankPost> &posten = afschrift->posten;
    const DataMapTreffers gevonden
        = ZoekInDataMap(programma, posten, lijst->rijen, lijst->naam, LeesVasteLasten(programma));
    const std::vector<std::optional<LijstTreffer>> &treffers = gevonden.treffers;
    // A learning file that cannot be used costs the learning, not the import; a trial leaves
    // even a damaged one where it is.
    GeleerdBestand geleerd(programma,
        opdracht.proef ? GeleerdBestand::Gebruik::AlleenLezen : GeleerdBestand::Gebruik::Leren);
    if (!geleerd.Melding().isEmpty())
        fout << geleerd.Melding() << '\n';

    // The new transactions under the household's words where Geldlog is sure of them.
    const Voorsteller voorsteller(geleerd.Inhoud());
    struct Nieuw {
        const BankPost &post;
        Item item;
        bool eigen = false; // under the household's word, not the bank's text
    };
    std::vector<Nieuw> nieuw;
    qsizetype eigen = 0;
    qsizetype bekend = 0;
    qsizetype elders = 0;
    std::map<QDate, qsizetype> anderMaand; // the new ones of other months, by their first day
    for (size_t i = 0; i < posten.size(); ++i) {
        if (treffers[i]) {
            ++bekend;
            elders += gevonden.andereLijsten[i].isEmpty() ? 0 : 1;
            continue;
        }
        if (!InMaand(posten[i].datum, maand)) {
            ++anderMaand[QDate(posten[i].datum.year(), posten[i].datum.month(), 1)];
            continue;
        }
        const std::optional<Voorstel> voorstel = voorsteller.StelVoor(posten[i]);
        eigen += voorstel ? 1 : 0;
        nieuw.push_back({ posten[i],
            voorstel ? AlsItem(posten[i], voorstel->woord) : AlsItem(posten[i]), bool(voorstel) });
    }
    for (const Nieuw &rij : nieuw) {
        if (opdracht.proef)
            uit << ProefRegel(rij.item, rij.post) << '\n';
        else
            lijst->rijen.Voeg(rij.item);
    }
    const auto aantal = static_cast<qsizetype>(nieuw.size());

    // With nothing new the file stays as it is, and no empty list is made.
    if (!opdracht.proef && aantal > 0 && !SaveLijst(programma, lijst->rijen, lijst->naam, &reden)) {
        fout << reden << '\n';
        fout << QStringLiteral("De lijst \"%1\" is ongewijzigd; er is niets toegevoegd.")
                    .arg(lijst->naam)
             << '\n';
        return Geweigerd;
    }
    // What the list taught, as the bank window learns it; the list is written all the same.
    if (!opdracht.proef && !posten.empty()) {
        geleerd.Inhoud().Leer(posten, treffers);
        for (const Nieuw &rij : nieuw)
            geleerd.Inhoud().Leer(rij.post, rij.eigen ? rij.item.omschrijving : QString());
        if (!geleerd.Bewaar(&reden)) {
            fout << reden << '\n'
                 << QStringLiteral("Wat Geldlog ervan leerde, is niet bewaard.") << '\n';
        }
    }
    uit << Verslag(*afschrift, opdracht, lijst->naam, aantal, eigen, bekend, elders) << '\n';
    if (!anderMaand.empty()) {
        const QStringList opgeslagen = OpgeslagenLijsten(programma);
        for (const auto &[andere, telling] : anderMaand)
            uit << NietToegevoegd(opdracht, andere, telling, opgeslagen) << '\n';
    }
    return Gedaan;
}
