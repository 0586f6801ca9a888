// The crash drills' driver: saves one kind of file through the program's own save function, so
// that scripts/drills/run can kill it at any moment and check what is left on disk.
//
//   geldlog-drill soorten                        the kinds, "name<TAB>file" a line
//   geldlog-drill bewaar SOORT MAP VERSIE [US]   saves version 0 or 1 of SOORT in program folder
//                                                MAP; prints "klaar" just before the save starts,
//                                                then "bewaard<TAB>ms" or "mislukt<TAB>reason";
//                                                with US, the process kills itself with SIGKILL
//                                                that many microseconds after the save starts
//   geldlog-drill lijsten MAP                    the names the open dialog lists, one a line
//
// A new kind of file is one more entry in Soorten().
#include "app/Instellingen.h"
#include "common/ItemModel.h"
#include "common/Programma.h"
#include "lists/VasteLastenBestand.h"
#include "lists/LijstBestand.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/QtPrinter.h"
#include "settings/OmschrijvingBestand.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {

// The saves show no message boxes and never wait; a box would be a fault of the drill.
class GeenBerichten final : public MessageBoxes {
public:
    Answer show(QWidget *, const Box &box) override
    {
        qFatal("unexpected message box: %s", qPrintable(box.text));
    }
};

// A save, made ready by `maak` (which may take long: the drill starts timing after it).
using Bewaar = std::function<bool(QString *fout)>;

struct Soort {
    const char *naam;
    const char *bestand; // in the program folder
    std::function<Bewaar(Programma &programma, int versie)> maak;
};

// A list of 100,000 entries; the versions differ in every amount and in their length.
Bewaar GroteLijst(Programma &programma, int versie)
{
    auto items = std::make_shared<ItemModel>();
    ItemRijen rijen;
    for (int i = 0; i < 100'000; ++i) {
        const QString bedrag = QString::number(i % 1000 + versie) + QStringLiteral(",45");
        const QString omschrijving = QStringLiteral("Boodschappen week %1").arg(i % 100);
        rijen.Voeg(QStringLiteral("2026-12-%1").arg(1 + i % 28, 2, 10, QLatin1Char('0')),
            versie == 0 ? omschrijving : omschrijving + QStringLiteral(" (nieuw)"),
            i % 2 == 0 ? bedrag : QString(), i % 2 == 0 ? QString() : bedrag);
    }
    items->VoegToe(std::move(rijen));
    return [&programma, items](QString *fout) {
        return SaveLijst(programma, *items, QStringLiteral("Drill"), fout);
    };
}

// 10,000 descriptions; the second version has a longer text on every line.
Bewaar Omschrijvingen(Programma &programma, int versie)
{
    QStringList omschrijvingen;
    for (int i = 0; i < 10'000; ++i) {
        omschrijvingen.append(versie == 0 ? QStringLiteral("Omschrijving %1").arg(i)
                                          : QStringLiteral("Vaste omschrijving nummer %1").arg(i));
    }
    return [&programma, omschrijvingen](
               QString *fout) { return SchrijfOmschrijvingen(programma, omschrijvingen, fout); };
}

// 10,000 fixed costs, every date "-"; the versions differ in every amount.
Bewaar VasteLasten(Programma &programma, int versie)
{
    auto items = std::make_shared<ItemModel>();
    ItemRijen rijen;
    for (int i = 0; i < 10'000; ++i) {
        const QString bedrag = QString::number(i % 500 + versie * 1000) + QStringLiteral(",00");
        rijen.Voeg(QStringLiteral("-"), QStringLiteral("Vaste last %1").arg(i), QString(), bedrag);
    }
    items->VoegToe(std::move(rijen));
    return [&programma, items](QString *fout) { return SaveVasteLasten(programma, *items, fout); };
}

Bewaar Instellingen(Programma &programma, int versie)
{
    ProgrammaWaarden &waarden = programma.Waarden();
    waarden.KleurRood = versie == 0 ? 230 : 12;
    waarden.KleurGroen = versie == 0 ? 230 : 34;
    waarden.KleurBlauw = versie == 0 ? 180 : 56;
    return [&programma](QString *fout) {
        return SchrijfInstellingen(
            programma.ProgrammaMap() + QStringLiteral("/Geldlog.ini"), programma.Waarden(), fout);
    };
}

const std::vector<Soort> &Soorten()
{
    static const std::vector<Soort> soorten {
        { "lijst", "Data/Drill.lst", GroteLijst },
        { "omschrijvingen", "Data/Omschrijving.txt", Omschrijvingen },
        { "vastelasten", "Data/Vastelasten.vls", VasteLasten },
        { "instellingen", "Geldlog.ini", Instellingen },
    };
    return soorten;
}

void Regel(const QString &tekst)
{
    std::fputs(qPrintable(tekst + u'\n'), stdout);
    std::fflush(stdout);
}

int Gebruik()
{
    std::fputs("usage: geldlog-drill soorten | bewaar SOORT MAP VERSIE | lijsten MAP\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString opdracht = args.value(0);
    GeenBerichten berichten;
    SystemClock klok;
    QtPrinters printers;

    if (opdracht == u"soorten" && args.size() == 1) {
        for (const Soort &soort : Soorten())
            Regel(QStringLiteral("%1\t%2").arg(
                QLatin1StringView(soort.naam), QLatin1StringView(soort.bestand)));
        return 0;
    }
    if (opdracht == u"lijsten" && args.size() == 2) {
        const Programma programma(args.at(1), berichten, klok, printers);
        for (const QString &naam : OpgeslagenLijsten(programma))
            Regel(naam);
        return 0;
    }
    if (opdracht != u"bewaar" || (args.size() != 4 && args.size() != 5))
        return Gebruik();

    const auto soort = std::find_if(Soorten().begin(), Soorten().end(),
        [&](const Soort &s) { return args.at(1) == QLatin1StringView(s.naam); });
    if (soort == Soorten().end())
        return Gebruik();
    Programma programma(args.at(2), berichten, klok, printers);
    const Bewaar bewaar = soort->maak(programma, args.at(3).toInt());

    Regel(QStringLiteral("klaar"));
    // The kill comes from within, timed to the microsecond from the start of the save: from
    // outside, starting a kill takes longer than a small file's whole save.
    if (args.size() == 5) {
        const std::chrono::microseconds na(args.at(4).toLongLong());
        std::thread([na] {
            std::this_thread::sleep_for(na);
            kill(getpid(), SIGKILL);
        }).detach();
    }
    QElapsedTimer tijd;
    tijd.start();
    QString fout;
    if (!bewaar(&fout)) {
        Regel(QStringLiteral("mislukt\t") + fout);
        return 1;
    }
    Regel(QStringLiteral("bewaard\t%1").arg(tijd.nsecsElapsed() / 1e6, 0, 'f', 2));
    return 0;
}
