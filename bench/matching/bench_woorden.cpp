// The household's own words. Made-up households (Huishouden.h), each of its own seed: the
// statements of a household's first half year dropped on the months it kept by hand teach
// Geldlog its words; then every transaction of its second half year is proposed for, and the
// proposal checked against the word the household means (whatever its capitals). Printed per way
// of knowing a word, added one by one: the share proposed right, left with the bank's text, and
// proposed wrong; for the household the rules were tuned on, for one they never were, for the
// command line's flow on that one (the first half year's statements imported over the months
// kept by hand, the second half year's imported into new months with nothing corrected), and
// over twenty more. With --afstemmen only the household of tuning; with --toon, every
// transaction of it not proposed right, for whoever weighs a change; with --schrijf MAP, that
// household as the files of a program folder, to read it in by hand.
//
// And the times: learning from a year and proposing for a month; reading, writing and proposing
// from a learning file of 100,000 transactions; finding 100,000 transactions in a list of as
// many, also when they are all alike.
#include "BenchProgramma.h"
#include "Figure.h"
#include "Huishouden.h"
#include "IngBestand.h"
#include "SnelsteTijd.h"
#include "bank/BankPosten.h"
#include "bank/Bankafschrift.h"
#include "cli/ImporteerOpdracht.h"
#include "common/Bedrag.h"
#include "common/MaandNamen.h"
#include "lists/LijstBestand.h"
#include "lists/VasteLastenBestand.h"
#include "matching/GeleerdBestand.h"
#include "matching/InLijst.h"
#include "matching/Voorsteller.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMultiHash>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int Jaar = 2025;
constexpr quint32 AfstemZaad = 1; // the household the rules were tuned on
constexpr quint32 OngezienZaad = 7; // one no one looked at while tuning
constexpr quint32 EersteAndere = 101; // and twenty more from here
constexpr int Huishoudens = 20;
constexpr int Herhalingen = 5;
constexpr size_t GroteLeerschat = 100'000;

using Posten = std::vector<std::vector<BankPost>>;

// What the generator tells of a transaction is told in the order of the export's lines; the
// reader gives the transactions in date order, each with its line.
size_t Nummer(const BankPost &post)
{
    return static_cast<size_t>(post.regel) - 2;
}

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

bool ZelfdeWoord(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
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
        // What the months before taught tells the counterparties' words, as in the window.
        const Voorsteller voorsteller(geleerd);
        const auto treffers = ZoekInLijst(maandPosten, hand.lijst, jaar.vasteLasten, &voorsteller);
        geleerd.Leer(maandPosten, treffers);
        for (size_t i = 0; i < maandPosten.size(); ++i) {
            if (!treffers[i])
                geleerd.Leer(maandPosten[i], AlsItem(maandPosten[i]).omschrijving);
            ++gevonden.alle;
            const size_t nummer = Nummer(maandPosten[i]);
            if (treffers[i] && !hand.inLijst[nummer])
                ++gevonden.teVeel;
            else if (treffers[i])
                ++(ZelfdeWoord(treffers[i]->omschrijving, hand.woorden[nummer]) ? gevonden.goed
                                                                                : gevonden.anders);
            else if (hand.inLijst[nummer])
                ++gevonden.gemist;
        }
    }
}

struct Uitslag {
    int goed = 0;
    int bank = 0;
    int fout = 0;

    double Deel(int aantal) const { return 100.0 * aantal / (goed + bank + fout); }
    void Tel(const std::optional<QString> &voorgesteld, const QString &woord)
    {
        if (!voorgesteld)
            ++bank;
        else
            ++(ZelfdeWoord(*voorgesteld, woord) ? goed : fout);
    }
    void Druk(const char *wat) const
    {
        std::printf("%-34s %7.1f %%  %7.1f %%  %6.1f %%   of %d\n", wat, Deel(goed), Deel(bank),
            Deel(fout), goed + bank + fout);
    }
};

void Toon(const BankPost &post, const QString &woord, const std::optional<QString> &voorgesteld)
{
    std::printf("  %s  %-16s %-16s %s | %s\n", qPrintable(post.datum.toString(Qt::ISODate)),
        qPrintable(woord), voorgesteld ? qPrintable(*voorgesteld) : "-", qPrintable(post.naam),
        qPrintable(post.omschrijving.left(60)));
}

void StelVoor(const Voorsteller &voorsteller, const HuishoudJaar &jaar, const Posten &posten,
    Uitslag &uitslag, bool toon)
{
    for (int maand = 6; maand < 12; ++maand) {
        const std::vector<BankPost> &maandPosten = posten[static_cast<size_t>(maand)];
        for (size_t i = 0; i < maandPosten.size(); ++i) {
            const std::optional<Voorstel> voorstel = voorsteller.StelVoor(maandPosten[i]);
            const QString &woord
                = jaar.maanden[static_cast<size_t>(maand)].woorden[Nummer(maandPosten[i])];
            const auto voorgesteld = voorstel ? std::optional(voorstel->woord) : std::nullopt;
            uitslag.Tel(voorgesteld, woord);
            if (toon && !(voorgesteld && ZelfdeWoord(*voorgesteld, woord)))
                Toon(maandPosten[i], woord, voorgesteld);
        }
    }
}

// The rules added one by one, in the order they were made.
const std::array<std::pair<const char *, Regels>, 8> RegelStappen { {
    { "rekening (IBAN)", Regel::Rekening },
    { "+ naam zonder filiaal", Regel::Rekening | Regel::Naam },
    { "+ woorden", Regel::Rekening | Regel::Naam | Regel::Woorden },
    { "+ bedrag en richting", Regel::Rekening | Regel::Naam | Regel::Woorden | Regel::Bedrag },
    { "+ betaaldiensten",
        Regel::Rekening | Regel::Naam | Regel::Woorden | Regel::Bedrag | Regel::Betaaldienst },
    { "+ soort (geldautomaat)",
        Regel::Rekening | Regel::Naam | Regel::Woorden | Regel::Bedrag | Regel::Betaaldienst
            | Regel::Soort },
    { "+ omschrijving bij tegenpartij",
        Regel::Rekening | Regel::Naam | Regel::Woorden | Regel::Bedrag | Regel::Betaaldienst
            | Regel::Soort | Regel::Omschrijving },
    { "+ meestal een woord", AlleRegels },
} };

// One household learned from its first half year and proposed for in its second, per step of
// the layers; its finding in the lists added to `gevonden`.
std::array<Uitslag, RegelStappen.size()> MeetHuishouden(quint32 zaad, Gevonden &gevonden, bool toon)
{
    const HuishoudJaar jaar = MaakHuishoudJaar(Jaar, zaad);
    const Posten posten = LeesAfschriften(jaar);
    Geleerd geleerd;
    Leer(geleerd, jaar, posten, 0, 6, gevonden);
    std::array<Uitslag, RegelStappen.size()> uitslagen;
    for (size_t stap = 0; stap < RegelStappen.size(); ++stap) {
        StelVoor(Voorsteller(geleerd, RegelStappen[stap].second), jaar, posten, uitslagen[stap],
            toon && stap + 1 == RegelStappen.size());
    }
    return uitslagen;
}

void DrukRegels(const std::array<Uitslag, RegelStappen.size()> &uitslagen)
{
    std::printf("%-34s   right   bank text   wrong\n", "");
    for (size_t stap = 0; stap < RegelStappen.size(); ++stap)
        uitslagen[stap].Druk(RegelStappen[stap].first);
}

void Schrijf(const QString &pad, const QByteArray &inhoud)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly) || bestand.write(inhoud) != inhoud.size())
        qFatal("cannot write %s", qPrintable(pad));
}

// The fixed costs and the months January to June as the household kept them, in the Data folder of
// a program folder, and each month's statement beside it as "afschrift-MM.csv".
void SchrijfHuishoudenIn(const HuishoudJaar &jaar, const Programma &programma, const QString &map)
{
    QBuffer vast;
    vast.open(QIODevice::WriteOnly);
    SchrijfLijst(vast, jaar.vasteLasten, nullptr);
    Schrijf(VasteLastenPad(programma), vast.data());
    for (int maand = 0; maand < 12; ++maand) {
        QString fout;
        if (maand < 6
            && !SaveLijst(programma, jaar.maanden[static_cast<size_t>(maand)].lijst,
                QStringLiteral("%1 %2").arg(Jaar).arg(MaandNaam(maand + 1)), &fout))
            qFatal("%s", qPrintable(fout));
        Schrijf(QStringLiteral("%1/afschrift-%2.csv").arg(map).arg(maand + 1, 2, 10, QChar(u'0')),
            jaar.maanden[static_cast<size_t>(maand)].afschrift);
    }
}

void SchrijfHuishouden(quint32 zaad, const QString &map)
{
    QtMessageBoxes berichten;
    SystemClock klok;
    QtPrinters printers;
    const Programma programma(map, berichten, klok, printers);
    // A folder to try the household in, as the program lays it out.
    if (!QDir().mkpath(programma.DataMap()))
        qFatal("cannot make %s", qPrintable(programma.DataMap()));
    SchrijfHuishoudenIn(MaakHuishoudJaar(Jaar, zaad), programma, map);
}

// The command line's flow in a data folder of its own: the fixed costs and the months kept by
// hand, January to June; each month's statement imported into its month; then July to December
// imported into new months, as they come, nothing corrected. The new months' entries scored.
Uitslag MeetOpdrachtregel(quint32 zaad, bool toon)
{
    const HuishoudJaar jaar = MaakHuishoudJaar(Jaar, zaad);
    const Posten posten = LeesAfschriften(jaar);
    BenchProgramma<> bench;
    const Programma &programma = bench.programma;
    SchrijfHuishoudenIn(jaar, programma, bench.map.path());
    const auto lijstNaam
        = [](int maand) { return QStringLiteral("%1 %2").arg(Jaar).arg(MaandNaam(maand + 1)); };
    QString verslag;
    QTextStream uit(&verslag);
    for (int maand = 0; maand < 12; ++maand) {
        ImporteerOpdracht opdracht;
        opdracht.bestand = bench.map.filePath(
            QStringLiteral("afschrift-%1.csv").arg(maand + 1, 2, 10, QChar(u'0')));
        opdracht.lijst = lijstNaam(maand);
        if (Importeer(programma, opdracht, uit, uit) != Gedaan)
            qFatal("%s", qPrintable(verslag));
    }

    // Each new entry is the transaction of its day and amount whose bank text or word it has.
    Uitslag uitslag;
    for (int maand = 6; maand < 12; ++maand) {
        const HuishoudMaand &truth = jaar.maanden[static_cast<size_t>(maand)];
        const std::vector<BankPost> &maandPosten = posten[static_cast<size_t>(maand)];
        QMultiHash<std::pair<QString, qint64>, size_t> open;
        for (size_t i = 0; i < maandPosten.size(); ++i)
            open.insert({ maandPosten[i].datum.toString(Qt::ISODate), maandPosten[i].centen }, i);
        ItemModel lijst;
        LaadLijst(programma, lijst, lijstNaam(maand));
        for (int rij = 0; rij < lijst.Aantal(); ++rij) {
            const Item item = lijst.Rij(rij);
            const std::pair sleutel { item.datum,
                CentenVerschil(BedragCenten(item.inkomsten), BedragCenten(item.uitgaven)) };
            const QList<size_t> kandidaten = open.values(sleutel);
            if (kandidaten.isEmpty())
                qFatal("an entry no transaction of the month has: %s", qPrintable(item.datum));
            const auto is = [&](auto past) {
                return std::find_if(kandidaten.begin(), kandidaten.end(), past);
            };
            auto gekozen = is([&](size_t i) {
                return AlsItem(maandPosten[i]).omschrijving == item.omschrijving;
            });
            const bool bank = gekozen != kandidaten.end();
            if (!bank)
                gekozen = is([&](size_t i) {
                    return ZelfdeWoord(truth.woorden[Nummer(maandPosten[i])], item.omschrijving);
                });
            if (gekozen == kandidaten.end())
                gekozen = kandidaten.begin();
            open.remove(sleutel, *gekozen);
            const auto voorgesteld = bank ? std::nullopt : std::optional(item.omschrijving);
            const QString &woord = truth.woorden[Nummer(maandPosten[*gekozen])];
            uitslag.Tel(voorgesteld, woord);
            if (toon && !(voorgesteld && ZelfdeWoord(*voorgesteld, woord)))
                Toon(maandPosten[*gekozen], woord, voorgesteld);
        }
    }
    return uitslag;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool toon = app.arguments().contains(QStringLiteral("--toon"));
    const bool afstemmen = app.arguments().contains(QStringLiteral("--afstemmen"));
    if (const qsizetype schrijf = app.arguments().indexOf(QStringLiteral("--schrijf"));
        schrijf > 0 && schrijf + 1 < app.arguments().size()) {
        SchrijfHuishouden(AfstemZaad, app.arguments()[schrijf + 1]);
        return 0;
    }

    Gevonden gevonden;
    const auto afgestemd = MeetHuishouden(AfstemZaad, gevonden, toon);
    std::printf("The household of seed %u, that the rules were tuned on. First half year dropped "
                "on the months kept by hand: of %d transactions, in the list and found as its "
                "word %d, as another word %d, not found %d; not in the list but found %d.\n",
        AfstemZaad, gevonden.alle, gevonden.goed, gevonden.anders, gevonden.gemist,
        gevonden.teVeel);
    DrukRegels(afgestemd);
    const Uitslag opdrachtregelAfgestemd = MeetOpdrachtregel(AfstemZaad, false);
    opdrachtregelAfgestemd.Druk("command line, seed of tuning");
    if (afstemmen)
        return 0;

    Gevonden ongezienGevonden;
    const auto ongezien = MeetHuishouden(OngezienZaad, ongezienGevonden, false);
    std::printf("\nThe household of seed %u, never looked at while tuning:\n", OngezienZaad);
    DrukRegels(ongezien);
    const Uitslag opdrachtregel = MeetOpdrachtregel(OngezienZaad, false);
    opdrachtregel.Druk("command line");
    Uitslag andere;
    Gevonden andereGevonden;
    for (quint32 zaad = EersteAndere; zaad < EersteAndere + Huishoudens; ++zaad) {
        const Uitslag uitslag = MeetHuishouden(zaad, andereGevonden, false).back();
        andere.goed += uitslag.goed;
        andere.bank += uitslag.bank;
        andere.fout += uitslag.fout;
    }
    std::printf("\n");
    andere.Druk("twenty more households");
    const Uitslag &alle = ongezien.back();
    ReportFigure("woorden_goed", alle.Deel(alle.goed), "%");
    ReportFigure("woorden_niet_goed", 100.0 - alle.Deel(alle.goed), "%", 15);
    ReportFigure("woorden_fout", alle.Deel(alle.fout), "%", 2);
    ReportFigure(
        "woorden_opdrachtregel_niet_goed", 100.0 - opdrachtregel.Deel(opdrachtregel.goed), "%", 15);
    ReportFigure("woorden_opdrachtregel_fout", opdrachtregel.Deel(opdrachtregel.fout), "%", 2);
    ReportFigure("woorden_twintig_niet_goed", 100.0 - andere.Deel(andere.goed), "%", 15);
    ReportFigure("woorden_twintig_fout", andere.Deel(andere.fout), "%", 2);

    // A year learned and a month proposed for, the statements already read.
    const HuishoudJaar jaar = MaakHuishoudJaar(Jaar, AfstemZaad);
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
    // The alike entries each known from the learning as the record of another transaction, every
    // one a kind of its own.
    Geleerd bekend;
    for (int i = 0; i < 100'000; ++i) {
        bekend.Leer(
            { maart.addDays(i * 2 % 5), QStringLiteral("Parkeren %1").arg(i), {}, -100, {} },
            QStringLiteral("Parkeergeld"));
    }
    const Voorsteller bekendVoorsteller(bekend);
    size_t nieuw = 0;
    const double bekendZoeken = SnelsteMs(Herhalingen, [&] {
        const auto treffers = ZoekInLijst(gelijkePosten, gelijkeLijst, {}, &bekendVoorsteller);
        nieuw = static_cast<size_t>(std::count(treffers.begin(), treffers.end(), std::nullopt));
    });
    if (nieuw != gelijkePosten.size())
        qFatal("entries known as other transactions were taken for new ones");

    ReportFigure("woorden_100k_lezen", lezen, "ms", 20);
    ReportFigure("woorden_100k_maand_voorstellen", voorsteller, "ms");
    ReportFigure("woorden_100k_schrijven", schrijven, "ms");
    ReportFigure("woorden_100k_elk_een_soort_lezen", verschillendLezen, "ms");
    ReportFigure("woorden_100k_zoeken_in_lijst_100k", zoeken, "ms", 1000);
    ReportFigure("woorden_100k_gelijk_zoeken_in_lijst_100k", gelijkZoeken, "ms", 1000);
    ReportFigure("woorden_100k_vaste_last_zoeken_in_lijst_100k", huurZoeken, "ms", 1000);
    ReportFigure("woorden_100k_bekend_zoeken_in_lijst_100k", bekendZoeken, "ms", 1000);
    return voorgesteld > 0 ? 0 : 1;
}
