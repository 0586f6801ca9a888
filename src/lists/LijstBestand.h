#pragma once

#include "common/ItemModel.h"
#include "common/LijstNaam.h" // LijstPad, for whoever reads or writes a list's file

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Programma;
class QIODevice;

// A list file: five CR LF lines per entry (date, description, income, expense, a separator of
// 28 hyphens) in Windows-1252, nothing else. The list's name is the file name without ".lst".

// The fixed costs are kept in a file of the same layout, each dated "-". A reader takes the groups
// of one kind and passes over the others: a month's entries, or the fixed costs.
enum class Groepen { Gedateerd, VasteLasten };

// The stream forms, testable on a buffer.
bool SchrijfLijst(QIODevice &uit, const ItemRijen &rijen, QString *fout);
// Reads the complete groups of the kind asked for; a group cut off ends the read.
ItemRijen LeesLijst(QIODevice &in, Groepen soort = Groepen::Gedateerd);
// Whether to take a group, by its date line as the file holds it ("-" for a fixed cost).
using DatumKeuze = std::function<bool(QByteArrayView datum)>;
// The groups of either kind that `neem` takes, as LeesLijst reads them; the others are passed
// over without decoding them, so a few entries out of many are read at little more than the cost
// of the bytes.
ItemRijen LeesLijst(QIODevice &in, const DatumKeuze &neem);
// Income minus expenses in whole cents over every complete group, "-" groups included; a group
// cut off at the end counts for nothing, as it does when the list is opened. Nothing when
// reading the device failed.
std::optional<qint64> LeesSaldo(QIODevice &in);
// Every group of both kinds, in the order of the file; nothing when the file ends inside a group
// (an empty last line starts none) or reading failed. For whoever writes the list back: nothing
// of it may get lost.
std::optional<ItemRijen> LeesVolledigeLijst(QIODevice &in);

// "" when `naam` can be a file name in the Data folder, else the Dutch reason why not.
QString LijstNaamFout(const QString &naam);

// The name typed for a list as saving takes it: without the white space around it. Nothing when
// saving refuses it, with the reason in `fout` ("Naam ontbreekt!" or what LijstNaamFout says).
std::optional<QString> GetypteLijstNaam(const QString &invoer, QString *fout);

// The list files in Data, "<naam>.lst", in the order of every sorted list.
QStringList LijstBestanden(const Programma &programma);

// The list's name of a file in Data: the name without ".lst"; empty when no list can have it.
QString LijstVanBestand(const QString &bestand);

// The names of the saved lists, as the open dialog offers them: the file names in Data without
// ".lst", in the order of every sorted list, leaving out names no list can have.
QStringList OpgeslagenLijsten(const Programma &programma);

// Writes all rows to the list file of that name, replacing it only once the new content is
// completely written. On failure the old file is untouched and `fout` says why, in Dutch.
bool SaveLijst(
    const Programma &programma, const ItemModel &items, const QString &naam, QString *fout);
bool SaveLijst(
    const Programma &programma, const ItemRijen &rijen, const QString &naam, QString *fout);

// Replaces the rows with the entries of the list file of that name; a missing file leaves
// the table empty.
void LaadLijst(const Programma &programma, ItemModel &items, const QString &naam);

// The balance in whole cents of one list file, named with its ".lst", for the overview: that of
// the entries opening it shows (LeesSaldo); nothing when the file is missing or unreadable, or
// when no list can have its name.
std::optional<qint64> OpenGeldlog(const Programma &programma, const QString &bestandsNaam);
