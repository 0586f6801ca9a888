#pragma once

#include "bank/Bankafschrift.h"
#include "bank/CsvLezer.h"

#include <QByteArrayView>
#include <QStringList>

#include <functional>
#include <optional>
#include <span>

// One kind of statement file: how to tell it from its first lines, how to read it, and its line
// in the list of kinds Geldlog knows. Each reader has a file of its own and gives one of these.
struct Soort {
    QString beschrijving;
    std::function<bool(const QStringList &eersteRegels)> herkent;
    std::function<std::optional<Bankafschrift>(
        QByteArrayView bytes, const QStringList &eersteRegels)>
        lees;
    // Whether the bank writes its newest transaction first, for a file that does not show it:
    // one whose rows are all of one day.
    bool nieuwsteEerst = false;
};

// A CSV kind: its layout found from its first lines, or nothing when they are not its kind.
using CsvHerkenning = std::optional<CsvVorm> (*)(const QStringList &eersteRegels);
Soort CsvSoort(QString beschrijving, CsvHerkenning vorm);

Soort IngCsv();
Soort IngSpaarCsv();
Soort RabobankCsv();
Soort BunqCsv();
Soort KnabCsv();
Soort SnsCsv();
Soort TriodosCsv();
Soort AbnAmroTab();
Soort Camt053();
Soort Mt940();

// Every kind, in the order they are tried.
std::span<const Soort> AlleSoorten();
