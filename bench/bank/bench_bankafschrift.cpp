// An ING export of 100,000 transactions (about 20 MB): reading it, beside merely decoding its
// bytes, so the readers' own cost shows the same on any machine; telling which of its entries a
// list of 100,000 entries already holds (ZoekInLijst); and refusing a CAMT.053 file of 16 million
// nested elements (48 MB), in time and in memory.
#include "bank/BankPosten.h"
#include "bank/Bankafschrift.h"
#include "matching/InLijst.h"

#include "Figure.h"
#include "IngBestand.h"
#include "Kosten.h"
#include "SnelsteTijd.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int Posten = 100'000;
constexpr int Herhalingen = 5;

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QByteArray bytes = IngBestand(Posten);
    std::printf("ING file of %d transactions, %.1f MB\n", Posten, bytes.size() / 1e6);

    qsizetype tekens = 0;
    const double decoderen
        = SnelsteMs(Herhalingen, [&] { tekens += QString::fromUtf8(bytes).size(); });
    std::optional<Bankafschrift> afschrift;
    const double lezen = SnelsteMs(Herhalingen, [&] { afschrift = LeesBankafschrift(bytes); });
    if (!afschrift || afschrift->posten.size() != Posten || tekens == 0) {
        std::fprintf(stderr, "the file did not read as %d transactions\n", Posten);
        return 1;
    }

    // A list that holds every other transaction of the file: half of them are new, each near
    // an entry of another amount.
    ItemRijen lijst;
    lijst.Reserveer(Posten);
    for (size_t i = 0; i < afschrift->posten.size(); ++i) {
        Item item = AlsItem(afschrift->posten[i]);
        if (i % 2 == 1)
            (item.uitgaven.isEmpty() ? item.inkomsten : item.uitgaven).prepend(u'1');
        lijst.Voeg(item);
    }
    size_t nieuwe = 0;
    const double dubbel = SnelsteMs(Herhalingen, [&] {
        const auto treffers = ZoekInLijst(afschrift->posten, lijst);
        nieuwe = static_cast<size_t>(std::count(treffers.begin(), treffers.end(), std::nullopt));
    });
    std::printf("%zu of %d new against the list\n", nieuwe, Posten);

    const QByteArray diep = "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\">"
        + QByteArray("<a>").repeated(16'000'000);
    bool geweigerd = true;
    const double weigeren
        = SnelsteMs(Herhalingen, [&] { geweigerd = geweigerd && !LeesBankafschrift(diep); });
    // The memory in a child process of its own, whose peak starts afresh.
    const std::optional<Kosten> diepKosten
        = MeetKosten([&] { return LeesBankafschrift(diep) ? 1 : 0; });
    if (!geweigerd || !diepKosten || diepKosten->uitkomst != 0) {
        std::fprintf(stderr, "the file of nested elements was not refused\n");
        return 1;
    }

    ReportFigure("bank_ing_100k_lezen", lezen, "ms", 1000);
    ReportFigure("bank_ing_100k_tov_decoderen", lezen / decoderen, "x", 20);
    ReportFigure("bank_100k_tegen_lijst_100k", dubbel, "ms", 1000);
    ReportFigure("bank_camt_diep_48mb_weigeren", weigeren, "ms", 1000);
    // The file's own bytes and what refusing it adds: the whole program stays under 100 MB.
    ReportFigure(
        "bank_camt_diep_48mb_geheugen", diep.size() / 1048576.0 + diepKosten->mb, "MB", 100);
    return 0;
}
