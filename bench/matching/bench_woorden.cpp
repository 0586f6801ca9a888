// The household's own words. Made-up households (Huishouden.h), each of its own seed: the
// statements of a household's first half year dropped on the months it kept by hand teach
// Geldlog its words; then every transaction of its second half year is proposed for, and the
// proposal checked against the word the household uses. Printed per way of knowing a word, added
// one by one, over all households: the share proposed right, left with the bank's text, and
// proposed wrong. With --toon, every transaction not proposed right, for whoever weighs a change.
//
// And the times: learning from a year and proposing for a month; reading, writing and proposing
// from a learning file of 100,000 transactions; finding 100,000 transactions in a list of as
// many, also when they are all alike.
#include "Figure.h"
#include "Huishouden.h"
#include "IngBestand.h"
#include "SnelsteTijd.h"
#include "bank/BankPosten.h"
#include "bank/Bankafschrift.h"
#include "matching/GeleerdBestand.h"
#include "matching/InLijst.h"
#include "matching/Voorsteller.h"

#include <QBuffer>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int Jaar = 2025;
constexpr int Huishoudens = 20;
constexpr int Herhalingen = 5;
constexpr size_t GroteLeerschat = 100'000;

using Posten = std::vector<std::vector<BankPost>>;

// Each month's statement, as the bank reader reads it.
Posten LeesAfschriften(const HuishoudJaar &jaar)
{
    Posten posten;
    for (const HuishoudMaand &maand : jaar.maanden) {
        std::optional<Bankafschrift> afschrift = LeesBankafschrift(maand.afschrift);
        if (!afschrift || !afschrift->onleesbaar.empty()
            || afschrift->posten.size() != maand.woorden.size())
            qFatal("the generated statement did not read as it was made");
        posten.push_back(std::move(afschrift->posten));
    }
    return posten;
}

// How the transactions of the statements were found in the household's lists.
struct Gevonden {
    int goed = 0; // in the list, found as the entry of its word
    int anders = 0; // in the list, found as an entry of another word
    int gemist = 0; // in the list, not found
    int teVeel = 0; // not in the list, yet found
    int alle = 0;
};

// Drops each month's statement on the month as the household kept it, as the bank window will:
// what is found there teaches the entry's word, the rest is added with the bank's text.
void Leer(Geleerd &geleerd, const HuishoudJaar &jaar, const Posten &posten, int van, int tot,
    Gevonden &gevonden)
{
    for (int maand = van; maand < tot; ++maand) {
        const std::vector<BankPost> &maandPosten = posten[static_cast<size_t>(maand)];
        const HuishoudMaand &hand = jaar.maanden[static_cast<size_t>(maand)];
        const auto treffers = ZoekInLijst(maandPosten, hand.lijst, jaar.vasteLasten);
        geleerd.Leer(maandPosten, treffers);
        for (size_t i = 0; i < maandPosten.size(); ++i) {
            if (!treffers[i])
                geleerd.Leer(maandPosten[i], AlsItem(maandPosten[i]).omschrijving);
            ++gevonden.alle;
            if (treffers[i] && !hand.inLijst[i])
                ++gevonden.teVeel;
            else if (treffers[i])
                ++(treffers[i]->omschrijving == hand.woorden[i] ? gevonden.goed : gevonden.anders);
            else if (hand.inLijst[i])
                ++gevonden.gemist;
        }
    }
}

struct Uitslag {
    int goed = 0;
    int bank = 0;
    int fout = 0;

    double Deel(int aantal) const { return 100.0 * aantal / (goed + bank + fout); }
};

void StelVoor(const Voorsteller &voorsteller, const HuishoudJaar &jaar, const Posten &posten,
    Uitslag &uitslag, bool toon)
{
    for (int maand = 6; maand < 12; ++maand) {
        const std::vector<BankPost> &maandPosten = posten[static_cast<size_t>(maand)];
        for (size_t i = 0; i < maandPosten.size(); ++i) {
            const std::optional<Voorstel> voorstel = voorsteller.StelVoor(maandPosten[i]);
            const QString &woord = jaar.maanden[static_cast<size_t>(maand)].woorden[i];
            if (!voorstel)
                ++uitslag.bank;
            else
                ++(voorstel->woord == woord ? uitslag.goed : uitslag.fout);
            if (toon && (!voorstel || voorstel->woord != woord))
                std::printf("  %s  %-14s %-14s %s | %s\n",
                    qPrintable(maandPosten[i].datum.toString(Qt::ISODate)), qPrintable(woord),
                    voorstel ? qPrintable(voorstel->woord) : "-", qPrintable(maandPosten[i].naam),
                    qPrintable(maandPosten[i].omschrijving.left(60)));
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool toon = app.arguments().contains(QStringLiteral("--toon"));

    const std::array<std::pair<const char *, Lagen>, 5> lagen { {
        { "rekening (IBAN)", Laag::Rekening },
        { "+ naam zonder filiaal", Laag::Rekening | Laag::Naam },
        { "+ woorden", Laag::Rekening | Laag::Naam | Laag::Woorden },
        { "+ bedrag en richting", Laag::Rekening | Laag::Naam | Laag::Woorden | Laag::Bedrag },
        { "+ betaaldiensten", AlleLagen },
    } };
    std::array<Uitslag, lagen.size()> uitslagen;
    Gevonden gevonden;
    size_t transacties = 0;
    for (int huishouden = 1; huishouden <= Huishoudens; ++huishouden) {
        const HuishoudJaar jaar = MaakHuishoudJaar(Jaar, static_cast<quint32>(huishouden));
        const Posten posten = LeesAfschriften(jaar);
        for (const std::vector<BankPost> &maand : posten)
            transacties += maand.size();
        Geleerd geleerd;
        Leer(geleerd, jaar, posten, 0, 6, gevonden);
        for (size_t laag = 0; laag < lagen.size(); ++laag) {
            const bool toonDeze = toon && laag + 1 == lagen.size();
            StelVoor(
                Voorsteller(geleerd, lagen[laag].second), jaar, posten, uitslagen[laag], toonDeze);
        }
    }
    std::printf("%d households, %zu transactions a year on average.\n", Huishoudens,
        transacties / Huishoudens);
    std::printf("First half years dropped on the months kept by hand: of %d transactions, in the "
                "list and found as its word %d, as another word %d, not found %d; not in the list "
                "but found %d.\n",
        gevonden.alle, gevonden.goed, gevonden.anders, gevonden.gemist, gevonden.teVeel);
    std::printf("\nSecond half years          right   bank text   wrong\n");
    for (size_t laag = 0; laag < lagen.size(); ++laag) {
        const Uitslag &uitslag = uitslagen[laag];
        std::printf("%-24s %7.1f %%  %7.1f %%  %6.1f %%\n", lagen[laag].first,
            uitslag.Deel(uitslag.goed), uitslag.Deel(uitslag.bank), uitslag.Deel(uitslag.fout));
    }
    const Uitslag &alle = uitslagen.back();
    ReportFigure("woorden_goed", alle.Deel(alle.goed), "%");
    ReportFigure("woorden_niet_goed", 100.0 - alle.Deel(alle.goed), "%", 15);
    ReportFigure("woorden_fout", alle.Deel(alle.fout), "%", 2);

    // A year learned and a month proposed for, the statements already read.
    const HuishoudJaar jaar = MaakHuishoudJaar(Jaar, 1);
    const Posten posten = LeesAfschriften(jaar);
    int voorgesteld = 0;
    const double jaarLeren = SnelsteMs(Herhalingen, [&] {
        Geleerd geleerd;
        Gevonden niet;
        Leer(geleerd, jaar, posten, 0, 12, niet);
        const Voorsteller voorsteller(geleerd);
        for (const BankPost &post : posten[11])
            voorgesteld += voorsteller.StelVoor(post) ? 1 : 0;
    });
    ReportFigure("woorden_jaar_leren_maand_voorstellen", jaarLeren, "ms", 50);

    // Decades of one household, year after year of its own seed, until 100,000 transactions.
    Geleerd groot;
    for (int jaren = 0; groot.Voorbeelden().size() < GroteLeerschat; ++jaren) {
        const HuishoudJaar ouder
            = MaakHuishoudJaar(1960 + jaren, static_cast<quint32>(100 + jaren));
        Gevonden niet;
        Leer(groot, ouder, LeesAfschriften(ouder), 0, 12, niet);
    }
    QBuffer bestand;
    QString fout;
    const double schrijven = SnelsteMs(
        Herhalingen, [&] { bestand.open(QIODevice::WriteOnly); },
        [&] {
            if (!SchrijfGeleerd(bestand, groot, &fout))
                qFatal("%s", qPrintable(fout));
        },
        [&] { bestand.close(); });
    std::printf("A learning file of %zu transactions of %zu kinds: %.1f MB.\n",
        groot.Voorbeelden().size(), groot.Bronnen().size(), bestand.size() / 1e6);
    std::optional<Geleerd> gelezen;
    const double lezen = SnelsteMs(
        Herhalingen, [&] { bestand.open(QIODevice::ReadOnly); },
        [&] { gelezen = LeesGeleerd(bestand, &fout); }, [&] { bestand.close(); });
    if (!gelezen || gelezen->Voorbeelden().size() != groot.Voorbeelden().size())
        qFatal("the learning file did not read back: %s", qPrintable(fout));
    const double voorsteller = SnelsteMs(Herhalingen, [&] {
        const Voorsteller uitGelezen(*gelezen);
        for (const BankPost &post : posten[11])
            voorgesteld += uitGelezen.StelVoor(post) ? 1 : 0;
    });
    // The worst a file can be: every transaction a kind of its own.
    Geleerd verschillend;
    for (size_t i = 0; i < GroteLeerschat; ++i) {
        BankPost post = posten[i % 12][i % posten[i % 12].size()];
        QString eigen;
        for (size_t rest = i; rest > 0; rest /= 26)
            eigen += QChar(u'a' + static_cast<char16_t>(rest % 26));
        post.omschrijving += u' ' + eigen;
        verschillend.Leer(post, QStringLiteral("Woord ") + eigen.left(2));
    }
    QBuffer verschillendBestand;
    verschillendBestand.open(QIODevice::WriteOnly);
    SchrijfGeleerd(verschillendBestand, verschillend, &fout);
    verschillendBestand.close();
    const double verschillendLezen = SnelsteMs(
        Herhalingen, [&] { verschillendBestand.open(QIODevice::ReadOnly); },
        [&] { gelezen = LeesGeleerd(verschillendBestand, &fout); },
        [&] { verschillendBestand.close(); });
    if (!gelezen || gelezen->Bronnen().size() < GroteLeerschat / 2)
        qFatal("the learning file of many kinds did not read back: %s", qPrintable(fout));
    std::printf("A learning file of %zu transactions of %zu kinds: %.1f MB.\n",
        gelezen->Voorbeelden().size(), gelezen->Bronnen().size(), verschillendBestand.size() / 1e6);

    // Which of 100,000 transactions a list of 100,000 entries holds, half of them under other
    // words, as the bank window will ask it of a large file.
    const std::optional<Bankafschrift> groot100k = LeesBankafschrift(IngBestand(100'000));
    ItemRijen lijst;
    for (size_t i = 0; i < groot100k->posten.size(); ++i) {
        Item item = AlsItem(groot100k->posten[i]);
        if (i % 2 == 1)
            item.omschrijving = QStringLiteral("Boodschappen");
        lijst.Voeg(item);
    }
    size_t gevondenIn = 0;
    const double zoeken = SnelsteMs(Herhalingen, [&] {
        const auto treffers = ZoekInLijst(groot100k->posten, lijst, jaar.vasteLasten);
        gevondenIn = static_cast<size_t>(std::count_if(treffers.begin(), treffers.end(),
            [](const auto &treffer) { return treffer.has_value(); }));
    });
    std::printf(
        "%zu of %zu transactions found in the list.\n", gevondenIn, groot100k->posten.size());

    // The worst a statement and a list can be alike: every transaction and entry of one amount
    // within a few days, under another text; and every transaction of a fixed cost's amount in
    // one month, against entries of its description but of another amount.
    const QDate maart(Jaar, 3, 10);
    const ItemRijen huur = [] {
        ItemRijen vast;
        vast.Voeg(QStringLiteral("-"), QStringLiteral("Huur"), QString(), QStringLiteral("950,00"));
        return vast;
    }();
    std::vector<BankPost> gelijkePosten;
    std::vector<BankPost> huurPosten;
    ItemRijen gelijkeLijst;
    ItemRijen huurLijst;
    for (int i = 0; i < 100'000; ++i) {
        // Each day of the five as many transactions as entries, in another order.
        const QString dag = maart.addDays(i * 2 % 5).toString(Qt::ISODate);
        gelijkePosten.push_back({ maart.addDays(i % 5), QStringLiteral("Parkeren"), {}, -100, {} });
        gelijkeLijst.Voeg(dag, QStringLiteral("Parkeergeld"), QString(), QStringLiteral("1,00"));
        huurPosten.push_back(
            { maart.addDays(i % 21), QStringLiteral("Verhuurder"), {}, -95000, {} });
        huurLijst.Voeg(dag, QStringLiteral("Huur"), QString(), QStringLiteral("900,00"));
    }
    const auto zoekAlleGevonden = [](const std::vector<BankPost> &posten, const ItemRijen &in,
                                      const ItemRijen &vasteLasten) {
        return SnelsteMs(Herhalingen, [&] {
            const auto treffers = ZoekInLijst(posten, in, vasteLasten);
            if (!std::all_of(treffers.begin(), treffers.end(),
                    [](const auto &treffer) { return treffer.has_value(); }))
                qFatal("alike transactions not all found in the list");
        });
    };
    const double gelijkZoeken = zoekAlleGevonden(gelijkePosten, gelijkeLijst, {});
    const double huurZoeken = zoekAlleGevonden(huurPosten, huurLijst, huur);

    ReportFigure("woorden_100k_lezen", lezen, "ms", 20);
    ReportFigure("woorden_100k_maand_voorstellen", voorsteller, "ms");
    ReportFigure("woorden_100k_schrijven", schrijven, "ms");
    ReportFigure("woorden_100k_elk_een_soort_lezen", verschillendLezen, "ms");
    ReportFigure("woorden_100k_zoeken_in_lijst_100k", zoeken, "ms", 1000);
    ReportFigure("woorden_100k_gelijk_zoeken_in_lijst_100k", gelijkZoeken, "ms", 1000);
    ReportFigure("woorden_100k_vaste_last_zoeken_in_lijst_100k", huurZoeken, "ms", 1000);
    return voorgesteld > 0 ? 0 : 1;
}
