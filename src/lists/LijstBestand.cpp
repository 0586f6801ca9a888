#include "lists/LijstBestand.h"

#include "common/Bedrag.h"
#include "common/LijstNaam.h"
#include "common/Programma.h"
#include "platform/Ansi.h"
#include "platform/FileList.h"
#include "platform/SafeWrite.h"
#include "platform/SortedList.h"
#include "platform/TextLines.h"
#include "platform/WriteError.h"

#include <QFile>
#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace {

// Of a size known when compiling, so copying it takes a few moves rather than a call.
constexpr char Scheiding[] = "----------------------------\r\n";
constexpr qsizetype ScheidingLengte = sizeof Scheiding - 1;

const QString Extensie = LijstExtensie;

// Written in pieces of this size, so a long list never needs its whole file in memory.
constexpr qsizetype Blok = 256 * 1024;

// The fixed costs' groups are dated "-".
bool VasteLast(QByteArrayView datum)
{
    return datum.size() == 1 && datum.front() == '-';
}

// Only the blanks are removed from the date, not tabs or other white space.
QStringView ZonderSpaties(QStringView tekst)
{
    while (!tekst.isEmpty() && tekst.front() == u' ')
        tekst = tekst.sliced(1);
    while (!tekst.isEmpty() && tekst.back() == u' ')
        tekst.chop(1);
    return tekst;
}

char *SchrijfRegel(char *uit, QStringView tekst)
{
    char *const begin = uit;
    uit = Ansi::encode(tekst, uit);
    // A line break inside a cell would split the entry over more lines and shift every entry
    // after it; it is written as a blank.
    std::replace_if(
        begin, uit, [](char c) { return c == '\r' || c == '\n'; }, ' ');
    *uit++ = '\r';
    *uit++ = '\n';
    return uit;
}

// Passes over the next `aantal` lines; false when the file ends before: the group is cut off.
bool SlaOver(TextLines &bestand, int aantal)
{
    return bestand.skipLines(aantal) == 0;
}

// The next line of a group into `regel`; false when the file ends before it.
bool VolgendeRegel(TextLines &bestand, QString &regel)
{
    if (bestand.atEnd())
        return false;
    bestand.readLine(regel);
    return true;
}

// A group's cells are decoded straight into the rows, one after another; true when the group is
// complete, separator and all. `leeg`: every line read of it was empty.
bool LeesGroep(TextLines &bestand, QByteArrayView datum, ItemRijen &rijen, bool &leeg)
{
    leeg = datum.isEmpty();
    rijen.VoegCel(datum.size(), [datum](char16_t *uit) { return Ansi::decode(datum, uit); });
    for (int kolom = 1; kolom < ItemRijen::AantalCellen; ++kolom) {
        if (bestand.atEnd())
            return false;
        const QByteArrayView regel = bestand.readBytes();
        leeg = leeg && regel.isEmpty();
        rijen.VoegCel(regel.size(), [regel](char16_t *uit) { return Ansi::decode(regel, uit); });
    }
    return SlaOver(bestand, 1);
}

// Reads the groups whose date line `neem` takes into `rijen`; true when the file ended after a
// complete group and reading it did not fail.
template<typename Neem> bool LeesGroepen(QIODevice &in, const Neem &neem, ItemRijen &rijen)
{
    // Room for the rows a file of this size usually holds, so their records are not copied again
    // and again while they grow. The texts need no such guess: their block grows in place.
    if (!in.isSequential())
        rijen.Reserveer(std::clamp<qint64>(in.size() - in.pos(), 0, 1 << 26) / 48);
    TextLines bestand(in);
    bool heel = true;
    while (!bestand.atEnd()) {
        const QByteArrayView datum = bestand.readBytes();
        // A group not taken is passed over without decoding it.
        const bool overslaan = !neem(datum);
        bool leeg = false;
        if (overslaan ? !SlaOver(bestand, ItemRijen::AantalCellen)
                      : !LeesGroep(bestand, datum, rijen, leeg)) {
            rijen.Verwerp();
            // Empty lines at the end, as an editor may leave them, are no group cut off: opening
            // the list passes over them too, and writing it back loses nothing of them.
            heel = leeg;
            break;
        }
        if (!overslaan)
            rijen.SluitRij();
    }
    rijen.Krimp();
    return heel && !bestand.failed();
}

} // namespace

bool SchrijfLijst(QIODevice &uit, const ItemRijen &rijen, QString *fout)
{
    QByteArray blok(Blok, Qt::Uninitialized);
    char *begin = blok.data();
    char *vrij = begin;
    for (int rij = 0; rij < rijen.Aantal(); ++rij) {
        const QStringView datum = ZonderSpaties(rijen.Cel(rij, ItemModel::Datum));
        const QStringView omschrijving = rijen.Cel(rij, ItemModel::Omschrijving);
        const QStringView inkomsten = rijen.Cel(rij, ItemModel::Inkomsten);
        const QStringView uitgaven = rijen.Cel(rij, ItemModel::Uitgaven);
        const qsizetype nodig = datum.size() + omschrijving.size() + inkomsten.size()
            + uitgaven.size() + 4 * 2 + ScheidingLengte;
        if (vrij - begin + nodig > blok.size()) {
            if (!writeAll(uit, begin, vrij - begin, fout))
                return false;
            if (nodig > blok.size())
                blok.resize(nodig);
            begin = blok.data();
            vrij = begin;
        }
        vrij = SchrijfRegel(vrij, datum);
        vrij = SchrijfRegel(vrij, omschrijving);
        vrij = SchrijfRegel(vrij, inkomsten);
        vrij = SchrijfRegel(vrij, uitgaven);
        std::memcpy(vrij, Scheiding, ScheidingLengte);
        vrij += ScheidingLengte;
    }
    return vrij == begin || writeAll(uit, begin, vrij - begin, fout);
}

ItemRijen LeesLijst(QIODevice &in, Groepen soort)
{
    ItemRijen rijen;
    const bool vasteLasten = soort == Groepen::VasteLasten;
    LeesGroepen(
        in, [vasteLasten](QByteArrayView datum) { return VasteLast(datum) == vasteLasten; }, rijen);
    return rijen;
}

ItemRijen LeesLijst(QIODevice &in, const DatumKeuze &neem)
{
    ItemRijen rijen;
    LeesGroepen(in, neem, rijen);
    return rijen;
}

std::optional<qint64> LeesSaldo(QIODevice &in)
{
    TextLines bestand(in);
    qint64 saldo = 0;
    QString regel;
    // A group counts once it is complete, separator and all, as opening the list counts it: a
    // group cut off at the end, or an empty line after the last one, adds nothing.
    while (!bestand.atEnd()) {
        if (!SlaOver(bestand, 2) || !VolgendeRegel(bestand, regel))
            break;
        const qint64 inkomsten = BedragCenten(regel);
        if (!VolgendeRegel(bestand, regel))
            break;
        const qint64 uitgaven = BedragCenten(regel);
        if (!SlaOver(bestand, 1))
            break;
        saldo = CentenSom(saldo, CentenVerschil(inkomsten, uitgaven));
    }
    if (bestand.failed())
        return std::nullopt;
    return saldo;
}

std::optional<ItemRijen> LeesVolledigeLijst(QIODevice &in)
{
    ItemRijen rijen;
    if (!LeesGroepen(
            in, [](QByteArrayView) { return true; }, rijen))
        return std::nullopt;
    return rijen;
}

QString LijstNaamFout(const QString &naam)
{
    if (naam.isEmpty())
        return QStringLiteral("Naam ontbreekt!");
    if (naam == u"." || naam == u"..")
        return QStringLiteral("De naam mag niet \".\" of \"..\" zijn.");
    for (const QChar c : naam) {
        if (QStringView(u"\\/:*?\"<>|").contains(c) || c.category() == QChar::Other_Control)
            return QStringLiteral("De naam mag geen \\ / : * ? \" < > | of stuurtekens bevatten.");
    }
    // The file system takes at most 255 bytes for a name, ".lst" included.
    if ((naam + Extensie).toUtf8().size() > 255)
        return QStringLiteral("De naam is te lang.");
    return {};
}

std::optional<QString> GetypteLijstNaam(const QString &invoer, QString *fout)
{
    QString naam = invoer.trimmed();
    if (QString reden = LijstNaamFout(naam); !reden.isEmpty()) {
        *fout = std::move(reden);
        return std::nullopt;
    }
    return naam;
}

QStringList LijstBestanden(const Programma &programma)
{
    return listFiles(programma.DataMap(), u'*' + Extensie);
}

QString LijstVanBestand(const QString &bestand)
{
    if (!bestand.endsWith(Extensie))
        return {};
    QString naam = bestand.chopped(Extensie.size());
    // A file copied in from elsewhere, say "Kas: 2018.lst", could be neither opened nor saved
    // again.
    if (!LijstNaamFout(naam).isEmpty())
        return {};
    return naam;
}

QStringList OpgeslagenLijsten(const Programma &programma)
{
    QStringList namen;
    for (const QString &bestand : LijstBestanden(programma)) {
        if (QString naam = LijstVanBestand(bestand); !naam.isEmpty())
            namen.append(std::move(naam));
    }
    // Sorted again once the extension is gone: "a b.lst" comes before "a.lst", but "a" before
    // "a b".
    sortAlphabetically(namen);
    return namen;
}

bool SaveLijst(
    const Programma &programma, const ItemModel &items, const QString &naam, QString *fout)
{
    return SaveLijst(programma, items.Rijen(), naam, fout);
}

bool SaveLijst(
    const Programma &programma, const ItemRijen &rijen, const QString &naam, QString *fout)
{
    if (const QString reden = LijstNaamFout(naam); !reden.isEmpty()) {
        if (fout)
            *fout = reden;
        return false;
    }
    return writeFileSafely(
        LijstPad(programma, naam),
        [&rijen](QIODevice &uit, QString *reden) { return SchrijfLijst(uit, rijen, reden); }, fout);
}

void LaadLijst(const Programma &programma, ItemModel &items, const QString &naam)
{
    items.MaakLeeg();
    // A name that cannot have been saved has no file; it must not reach outside the Data folder.
    if (!LijstNaamFout(naam).isEmpty())
        return;
    QFile bestand(LijstPad(programma, naam));
    if (bestand.open(QIODevice::ReadOnly))
        items.VoegToe(LeesLijst(bestand));
}

std::optional<qint64> OpenGeldlog(const Programma &programma, const QString &bestandsNaam)
{
    // Only a list the open dialog offers; no other name may reach outside the Data folder.
    if (LijstVanBestand(bestandsNaam).isEmpty())
        return std::nullopt;
    QFile bestand(programma.DataMap() + bestandsNaam);
    if (!bestand.open(QIODevice::ReadOnly))
        return std::nullopt;
    return LeesSaldo(bestand);
}
