#include "cli/ImporteerOpdracht.h"

#include "bank/BankBestand.h"
#include "bank/BankPosten.h"
#include "bank/Bankafschrift.h"
#include "cli/OpdrachtLijst.h"
#include "lists/LijstBestand.h"

#include <QTextStream>

namespace {

QString Aantal(qsizetype aantal, const char *een, const char *meer)
{
    return QStringLiteral("%1 %2").arg(aantal).arg(QLatin1String(aantal == 1 ? een : meer));
}

// "ING (CSV): 14 posten toegevoegd aan "2026 Maart", 3 stonden er al in."
QString Verslag(const Bankafschrift &afschrift, const ImporteerOpdracht &opdracht,
    const QString &lijst, qsizetype nieuw, qsizetype alIn)
{
    const char *toegevoegd = "toegevoegd aan";
    if (opdracht.proef)
        toegevoegd = nieuw == 1 ? "zou worden toegevoegd aan" : "zouden worden toegevoegd aan";
    QString tekst = QStringLiteral("%1: %2 %3 \"%4\", %5 er al in")
                        .arg(afschrift.Naam(), Aantal(nieuw, "post", "posten"),
                            QLatin1String(toegevoegd), lijst, Aantal(alIn, "stond", "stonden"));
    if (!afschrift.onleesbaar.empty()) {
        tekst += QStringLiteral(", %1 overgeslagen")
                     .arg(Aantal(static_cast<qsizetype>(afschrift.onleesbaar.size()),
                         "onleesbare regel", "onleesbare regels"));
    }
    tekst += opdracht.proef ? QStringLiteral("; er is niets geschreven.") : QStringLiteral(".");
    return tekst;
}

// One entry to be added, for a trial run: date, signed amount, description.
QString ProefRegel(const Item &item)
{
    const QString bedrag = item.inkomsten.isEmpty() ? u'-' + item.uitgaven : u'+' + item.inkomsten;
    return QStringLiteral("%1  %2  %3")
        .arg(item.datum, bedrag.rightJustified(11), item.omschrijving);
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

    std::vector<Item> posten;
    posten.reserve(afschrift->posten.size());
    for (const BankPost &post : afschrift->posten) {
        if (!opdracht.maand
            || (post.datum.year() == opdracht.maand->year()
                && post.datum.month() == opdracht.maand->month()))
            posten.push_back(AlsItem(post));
    }
    const std::vector<bool> alIn = StaanAlInLijst(lijst->rijen, posten);
    qsizetype nieuw = 0;
    for (std::size_t i = 0; i < posten.size(); ++i) {
        if (alIn[i])
            continue;
        ++nieuw;
        if (opdracht.proef)
            uit << ProefRegel(posten[i]) << '\n';
        else
            lijst->rijen.Voeg(posten[i]);
    }
    const qsizetype bekend = static_cast<qsizetype>(posten.size()) - nieuw;

    // With nothing new the file stays as it is, and no empty list is made.
    if (!opdracht.proef && nieuw > 0 && !SaveLijst(programma, lijst->rijen, lijst->naam, &reden)) {
        fout << reden << '\n';
        fout << QStringLiteral("De lijst \"%1\" is ongewijzigd; er is niets toegevoegd.")
                    .arg(lijst->naam)
             << '\n';
        return Geweigerd;
    }
    uit << Verslag(*afschrift, opdracht, lijst->naam, nieuw, bekend) << '\n';
    return Gedaan;
}
