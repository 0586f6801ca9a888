// Contracts and recurring payments. Made-up households (matching/Huishouden.h), each of its own
// seed, tell what is true of their year: their contracts with interval, amount, a change that held
// and an end, and the series that look like contracts and are none. Each household's year goes
// into a data folder of its own as a household keeps it, and the contracts are found as of the
// last day of the year:
// - with the bank: January to June kept by hand with the fixed costs exported on the first, every
//   month's statement imported with `geldlog importeer` (the first six over the months kept by
//   hand, the rest into new months);
// - by hand only: the twelve months as the household typed them, no statement.
// Printed per flow: the contracts found with the right interval and amount, the changes and the
// ends told, the changes and ends told that were none, and the series listed that are no
// contract; for the households the rules were tuned on, and for twenty that no one looked at
// while tuning, whose figures are reported. With --toon, what each household tuned on got wrong.
//
// And the times, over ten years of lists and a learning file of 100,000 transactions: finding the
// contracts in the program, `geldlog terugkerend` as a process of its own, and the window from its
// opening to its painted table.
#include "BenchProgramma.h"
#include "Figure.h"
#include "SnelsteTijd.h"
#include "app/VensterTijd.h"
#include "bank/BankPosten.h"
#include "bank/Bankafschrift.h"
#include "cli/ImporteerOpdracht.h"
#include "common/Bedrag.h"
#include "common/MaandNamen.h"
#include "lists/LijstBestand.h"
#include "lists/VasteLastenBestand.h"
#include "matching/GeleerdBestand.h"
#include "matching/Huishouden.h"
#include "matching/InLijst.h"
#include "planning/TerugkerendForm.h"
#include "recurring/ContractTekst.h"
#include "recurring/Contracten.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QTextStream>

#include <array>
#include <cstdio>
#include <cstring>

namespace {

constexpr int Jaar = 2025;
// The households the rules were tuned on, each looked at one by one, and twenty more that no one
// looked at while tuning, whose figures count.
constexpr std::array<quint32, 22> AfstemZaden { 1, 7, 101, 102, 103, 104, 105, 106, 107, 108, 109,
    110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120 };
constexpr quint32 EersteOngeziene = 301;
constexpr quint32 Ongezien = 20;
constexpr int Herhalingen = 5;
constexpr size_t GroteLeerschat = 100'000;
constexpr int LaatsteJaar = 2026;
constexpr int Jaren = 10;

void Schrijf(const QString &pad, const QByteArray &inhoud)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly) || bestand.write(inhoud) != inhoud.size())
        qFatal("cannot write %s", qPrintable(pad));
}

void SchrijfLijstBestand(const QString &pad, const ItemRijen &rijen)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    if (!SchrijfLijst(bytes, rijen, nullptr))
        qFatal("cannot write a list");
    Schrijf(pad, bytes.data());
}

QString LijstNaam(int jaar, int maand)
{
    return QStringLiteral("%1 %2").arg(jaar).arg(MaandNaam(maand + 1));
}

QString Gevouwen(const QString &tekst)
{
    return tekst.trimmed().toCaseFolded();
}

// How the contracts found compare with what is true.
struct Uitslag {
    int contracten = 0;
    int goed = 0; // found with the right interval and amount
    int wijzigingen = 0;
    int wijzigingenVerteld = 0;
    int eindes = 0;
    int eindesVerteld = 0;
    int valsGewijzigd = 0; // a change told where there was none
    int valsGestopt = 0; // an end told where there was none
    int lijkend = 0; // listed, and no contract
    int jaren = 0;

    void Tel(const Uitslag &ander)
    {
        contracten += ander.contracten;
        goed += ander.goed;
        wijzigingen += ander.wijzigingen;
        wijzigingenVerteld += ander.wijzigingenVerteld;
        eindes += ander.eindes;
        eindesVerteld += ander.eindesVerteld;
        valsGewijzigd += ander.valsGewijzigd;
        valsGestopt += ander.valsGestopt;
        lijkend += ander.lijkend;
        jaren += ander.jaren;
    }
    double Goed() const { return 100.0 * goed / contracten; }
    double LijkendPerJaar() const { return double(lijkend) / jaren; }
    void Druk(const char *wat) const
    {
        std::printf("%-32s %5.1f %% right of %3d, changes %2d/%-2d ends %2d/%-2d, "
                    "told wrongly %d+%d, look-alikes %.2f a year\n",
            wat, Goed(), contracten, wijzigingenVerteld, wijzigingen, eindesVerteld, eindes,
            valsGewijzigd, valsGestopt, LijkendPerJaar());
    }
};

// Whether a contract found can be the true one: of its direction, under its word or its
// counterparty's name.
bool Past(const Contract &gevonden, const HuishoudContract &waar)
{
    return (gevonden.bedrag > 0) == (waar.centen > 0)
        && (Gevouwen(gevonden.omschrijving) == Gevouwen(waar.woord)
            || (!gevonden.tegenpartij.isEmpty() && gevonden.tegenpartij == waar.naam));
}

void Toon(const char *wat, const Contract &contract)
{
    std::printf("    %-10s %s\n", wat, qPrintable(ContractCellen(contract).join(u'|')));
}

Uitslag Vergelijk(const std::vector<Contract> &gevonden, const std::vector<HuishoudContract> &waar,
    bool bank, bool toon)
{
    Uitslag uitslag;
    uitslag.jaren = 1;
    std::vector<bool> gebruikt(gevonden.size(), false);
    for (const HuishoudContract &contract : waar) {
        ++uitslag.contracten;
        const qint64 bedrag
            = contract.gewijzigd.isValid() ? contract.nieuweCenten : contract.centen;
        // The one found that fits it best: of the right interval, then of the right amount.
        int beste = -1;
        const auto score = [&](const Contract &c) {
            return (Gevouwen(c.omschrijving) == Gevouwen(contract.woord) ? 4 : 0)
                + (c.elke == contract.elke ? 2 : 0)
                + (c.wisselend == contract.wisselend && (contract.wisselend || c.bedrag == bedrag)
                        ? 1
                        : 0);
        };
        for (size_t i = 0; i < gevonden.size(); ++i) {
            if (!gebruikt[i] && Past(gevonden[i], contract)
                && (beste < 0 || score(gevonden[i]) > score(gevonden[static_cast<size_t>(beste)])))
                beste = static_cast<int>(i);
        }
        uitslag.wijzigingen += contract.gewijzigd.isValid() ? 1 : 0;
        uitslag.eindes += contract.gestopt.isValid() ? 1 : 0;
        if (beste < 0) {
            if (toon) {
                std::printf("    missed     %s (%s) elke %s\n", qPrintable(contract.woord),
                    qPrintable(contract.naam), qPrintable(ElkeTekst(contract.elke)));
            }
            continue;
        }
        gebruikt[static_cast<size_t>(beste)] = true;
        const Contract &c = gevonden[static_cast<size_t>(beste)];
        const bool goed = score(c) % 4 == 3;
        uitslag.goed += goed ? 1 : 0;
        const bool wijzigingVerteld = c.wijziging && c.wijziging->sinds == contract.gewijzigd
            && c.wijziging->nieuw == contract.nieuweCenten && c.wijziging->oud == contract.centen;
        if (contract.gewijzigd.isValid())
            uitslag.wijzigingenVerteld += wijzigingVerteld ? 1 : 0;
        else
            uitslag.valsGewijzigd += c.wijziging ? 1 : 0;
        // Kept by hand, the last payment is told on the day the household typed it.
        const bool eindeVerteld = c.gestopt && contract.gestopt.isValid()
            && std::abs(c.laatst.daysTo(contract.gestopt)) <= (bank ? 0 : DagenRondBoeking);
        if (contract.gestopt.isValid())
            uitslag.eindesVerteld += eindeVerteld ? 1 : 0;
        else
            uitslag.valsGestopt += c.gestopt ? 1 : 0;
        if (toon
            && (!goed || wijzigingVerteld != contract.gewijzigd.isValid()
                || c.wijziging.has_value() != contract.gewijzigd.isValid()
                || eindeVerteld != contract.gestopt.isValid()
                || c.gestopt != contract.gestopt.isValid())) {
            std::printf("    %s (%s) elke %s, %lld, gewijzigd %s %lld, gestopt %s\n",
                qPrintable(contract.woord), qPrintable(contract.naam),
                qPrintable(ElkeTekst(contract.elke)), static_cast<long long>(contract.centen),
                qPrintable(contract.gewijzigd.toString(Qt::ISODate)),
                static_cast<long long>(contract.nieuweCenten),
                qPrintable(contract.gestopt.toString(Qt::ISODate)));
            Toon("found", c);
        }
    }
    for (size_t i = 0; i < gevonden.size(); ++i) {
        if (gebruikt[i])
            continue;
        ++uitslag.lijkend;
        if (toon)
            Toon("look-alike", gevonden[i]);
    }
    return uitslag;
}

void Importeer(const Programma &programma, const QString &bestand, const QString &lijst)
{
    QString verslag;
    QTextStream uit(&verslag);
    QTextStream fout(&verslag);
    if (Importeer(programma, { bestand, lijst, std::nullopt, false }, uit, fout) != Gedaan)
        qFatal("%s", qPrintable(verslag));
}

// One household's year in a data folder of its own, with or without the bank; its contracts as of
// the year's last day, compared with the truth.
Uitslag Meet(quint32 zaad, bool bank, bool toon)
{
    const HuishoudJaar huis = MaakHuishoudJaar(Jaar, zaad);
    BenchProgramma<> bench;
    const Programma &programma = bench.programma;
    SchrijfLijstBestand(VasteLastenPad(programma), huis.vasteLasten);
    for (int maand = 0; maand < 12; ++maand) {
        if (!bank || maand < 6)
            SchrijfLijstBestand(LijstPad(programma, LijstNaam(Jaar, maand)),
                huis.maanden[static_cast<size_t>(maand)].lijst);
    }
    if (bank) {
        const QString afschrift = bench.map.path() + QStringLiteral("/afschrift.csv");
        for (int maand = 0; maand < 12; ++maand) {
            Schrijf(afschrift, huis.maanden[static_cast<size_t>(maand)].afschrift);
            Importeer(programma, afschrift, LijstNaam(Jaar, maand));
        }
    }
    QStringList meldingen;
    const std::vector<Contract> gevonden
        = VindContracten(programma, QDate(Jaar, 12, 31), &meldingen);
    if (!meldingen.isEmpty())
        qFatal("%s", qPrintable(meldingen.join(u' ')));
    if (toon)
        std::printf("  household %u, %s:\n", zaad, bank ? "with the bank" : "by hand only");
    // By hand the household exports its fixed costs at the amounts of January: what its lists
    // show of them is that amount, every month.
    std::vector<HuishoudContract> waar = huis.contracten;
    for (HuishoudContract &contract : waar) {
        for (int rij = 0; !bank && rij < huis.vasteLasten.Aantal(); ++rij) {
            const Item vast = huis.vasteLasten.Rij(rij);
            if (Gevouwen(vast.omschrijving) == Gevouwen(contract.woord)) {
                contract.centen = -BedragCenten(vast.uitgaven);
                contract.gewijzigd = QDate();
            }
        }
    }
    return Vergelijk(gevonden, waar, bank, toon);
}

// Ten years of a household's lists and, for the learning file, its statements of as many years
// before as make 100,000 transactions.
void VulDataMap(const Programma &programma)
{
    Geleerd geleerd;
    for (int jaar = LaatsteJaar; geleerd.Voorbeelden().size() < GroteLeerschat; --jaar) {
        const HuishoudJaar huis = MaakHuishoudJaar(jaar, static_cast<quint32>(1000 + jaar));
        const bool lijsten = jaar > LaatsteJaar - Jaren;
        for (size_t maand = 0; maand < 12; ++maand) {
            std::optional<Bankafschrift> afschrift
                = LeesBankafschrift(huis.maanden[maand].afschrift);
            if (!afschrift)
                qFatal("the generated statement did not read");
            const std::vector<BankPost> &posten = afschrift->posten;
            if (lijsten) {
                SchrijfLijstBestand(LijstPad(programma, LijstNaam(jaar, static_cast<int>(maand))),
                    huis.maanden[maand].lijst);
                const auto treffers
                    = ZoekInLijst(posten, huis.maanden[maand].lijst, huis.vasteLasten);
                geleerd.Leer(posten, treffers);
                for (size_t i = 0; i < posten.size(); ++i) {
                    if (!treffers[i])
                        geleerd.Leer(posten[i], AlsItem(posten[i]).omschrijving);
                }
            } else {
                for (const BankPost &post : posten)
                    geleerd.Leer(post, AlsItem(post).omschrijving);
            }
        }
    }
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QString fout;
    if (!SchrijfGeleerd(bytes, geleerd, &fout))
        qFatal("%s", qPrintable(fout));
    Schrijf(GeleerdPad(programma), bytes.data());
    std::printf("Ten years of lists, a learning file of %zu transactions (%.1f MB).\n",
        geleerd.Voorbeelden().size(), bytes.size() / 1e6);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool toon = argc > 1 && std::strcmp(argv[1], "--toon") == 0;

    for (const bool bank : { true, false }) {
        std::printf("%s\n", bank ? "With the bank's statements:" : "Kept by hand only:");
        Uitslag afgestemd;
        for (const quint32 zaad : AfstemZaden)
            afgestemd.Tel(Meet(zaad, bank, toon));
        afgestemd.Druk("the 22 households tuned on");
        Uitslag ongezien;
        for (quint32 zaad = EersteOngeziene; zaad < EersteOngeziene + Ongezien; ++zaad)
            ongezien.Tel(Meet(zaad, bank, false));
        ongezien.Druk("20 never looked at");
        const QString vorm = bank ? QStringLiteral("with the bank") : QStringLiteral("by hand");
        ReportFigure(qPrintable(QStringLiteral("contracts not found right, %1").arg(vorm)),
            100.0 - ongezien.Goed(), "%", 5);
        ReportFigure(qPrintable(QStringLiteral("changes and ends not told, %1").arg(vorm)),
            ongezien.wijzigingen - ongezien.wijzigingenVerteld + ongezien.eindes
                - ongezien.eindesVerteld,
            "", 0);
        ReportFigure(qPrintable(QStringLiteral("look-alikes listed a year, %1").arg(vorm)),
            ongezien.LijkendPerJaar(), "", 3);
        std::printf("\n");
    }

    BenchProgramma<> bench;
    Programma &programma = bench.programma;
    VulDataMap(programma);
    const QDate op(LaatsteJaar, 12, 31);
    std::vector<Contract> contracten;
    const double vinden
        = SnelsteMs(Herhalingen, [&] { contracten = VindContracten(programma, op, nullptr); });
    std::printf("%-50s %8.2f ms, %zu contracts\n", "contracts found, in one program", vinden,
        contracten.size());
    ReportFigure("contracts over ten years and 100,000 learned, in one program", vinden, "ms");

    // The real program on the same folder, as a user runs it.
    const QString programmaPad = bench.map.path() + QStringLiteral("/geldlog");
    if (!QFile::copy(QStringLiteral(GELDLOG_PROGRAMMA), programmaPad))
        qFatal("cannot copy the program");
    std::vector<double> proces;
    for (int i = 0; i < Herhalingen; ++i) {
        proces.push_back(ProcessMs(programmaPad,
            { QStringLiteral("terugkerend"), QStringLiteral("--op"),
                QStringLiteral("2026-12-31") }));
    }
    const double wand = *std::min_element(proces.begin(), proces.end());
    std::printf("%-50s %8.2f ms\n", "geldlog terugkerend, own process", wand);
    ReportFigure(
        "geldlog terugkerend, ten years and 100,000 learned, own process", wand, "ms", 300);

    // The window, as Ctrl+T opens it: from its making to the painted table.
    const WindowFactory maak = [&]() -> std::unique_ptr<QWidget> {
        return std::make_unique<TerugkerendForm>(programma, nullptr);
    };
    ShowAndPaint(maak);
    std::vector<double> openen;
    for (int i = 0; i < Herhalingen; ++i)
        openen.push_back(ShowAndPaint(maak));
    const double open = *std::min_element(openen.begin(), openen.end());
    std::printf("%-50s %8.2f ms\n", "Terugkerende betalingen opened and painted", open);
    ReportFigure("Terugkerende betalingen window opened, ten years", open, "ms", 100);
    return 0;
}
