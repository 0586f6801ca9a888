#include "lists/LijstBestand.h"

#include "common/Bedrag.h"
#include "common/Programma.h"
#include "platform/Ansi.h"
#include "platform/SafeWrite.h"
#include "platform/TextLines.h"

#include <QFile>
#include <QIODevice>

namespace {

const QByteArray Scheiding = QByteArrayLiteral("----------------------------\r\n");

// Written in pieces of this size, so a long list never needs its whole file in memory.
constexpr qsizetype Blok = 256 * 1024;

// Only the blanks are removed from the date, not tabs or other white space.
QStringView ZonderSpaties(QStringView tekst)
{
    while (!tekst.isEmpty() && tekst.front() == u' ')
        tekst = tekst.sliced(1);
    while (!tekst.isEmpty() && tekst.back() == u' ')
        tekst.chop(1);
    return tekst;
}

void VoegRegelToe(QByteArray &bytes, QStringView tekst)
{
    Ansi::appendEncoded(bytes, tekst);
    bytes.append("\r\n", 2);
}

bool Schrijf(QIODevice &uit, const QByteArray &bytes, QString *fout)
{
    if (uit.write(bytes) == bytes.size())
        return true;
    if (fout) {
        *fout = uit.errorString().isEmpty() ? QStringLiteral("niet alles is geschreven")
                                            : uit.errorString();
    }
    return false;
}

// The next line of a group into `regel` (or passed over when it is null); false when the file
// ends before it: the group is cut off.
bool VolgendeRegel(TextLines &bestand, QString *regel)
{
    if (bestand.atEnd())
        return false;
    if (regel)
        bestand.readLine(*regel);
    else
        bestand.skipLine();
    return true;
}

bool LeesGroep(TextLines &bestand, Item &item)
{
    return VolgendeRegel(bestand, &item.datum) && VolgendeRegel(bestand, &item.omschrijving)
        && VolgendeRegel(bestand, &item.inkomsten) && VolgendeRegel(bestand, &item.uitgaven)
        && VolgendeRegel(bestand, nullptr);
}

} // namespace

bool SchrijfLijst(QIODevice &uit, const std::vector<Item> &items, QString *fout)
{
    QByteArray bytes;
    bytes.reserve(Blok + 4096);
    for (const Item &item : items) {
        VoegRegelToe(bytes, ZonderSpaties(item.datum));
        VoegRegelToe(bytes, item.omschrijving);
        VoegRegelToe(bytes, item.inkomsten);
        VoegRegelToe(bytes, item.uitgaven);
        bytes.append(Scheiding);
        if (bytes.size() >= Blok) {
            if (!Schrijf(uit, bytes, fout))
                return false;
            bytes.resize(0);
        }
    }
    return bytes.isEmpty() || Schrijf(uit, bytes, fout);
}

std::vector<Item> LeesLijst(QIODevice &in)
{
    std::vector<Item> items;
    TextLines bestand(in);
    while (!bestand.atEnd()) {
        Item item;
        if (!LeesGroep(bestand, item))
            break;
        if (item.datum != u"-")
            items.push_back(std::move(item));
    }
    return items;
}

std::optional<double> LeesSaldo(QIODevice &in)
{
    TextLines bestand(in);
    double inkomsten = 0.0;
    double uitgaven = 0.0;
    QString regel;
    while (!bestand.atEnd()) {
        if (!VolgendeRegel(bestand, nullptr) || !VolgendeRegel(bestand, nullptr)
            || !VolgendeRegel(bestand, &regel))
            return std::nullopt;
        inkomsten += BedragWaarde(regel);
        if (!VolgendeRegel(bestand, &regel))
            return std::nullopt;
        uitgaven += BedragWaarde(regel);
        if (!VolgendeRegel(bestand, nullptr))
            return std::nullopt;
    }
    if (bestand.failed())
        return std::nullopt;
    return inkomsten - uitgaven;
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
    if ((naam + QStringLiteral(".lst")).toUtf8().size() > 255)
        return QStringLiteral("De naam is te lang.");
    return {};
}

QString LijstPad(const Programma &programma, const QString &naam)
{
    return programma.DataMap() + naam + QStringLiteral(".lst");
}

bool SaveLijst(
    const Programma &programma, const ItemModel &items, const QString &naam, QString *fout)
{
    if (const QString reden = LijstNaamFout(naam); !reden.isEmpty()) {
        if (fout)
            *fout = reden;
        return false;
    }
    return writeFileSafely(
        LijstPad(programma, naam),
        [&items](
            QIODevice &uit, QString *reden) { return SchrijfLijst(uit, items.Items(), reden); },
        fout);
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

std::optional<double> OpenGeldlog(const Programma &programma, const QString &bestandsNaam)
{
    QFile bestand(programma.DataMap() + bestandsNaam);
    if (!bestand.open(QIODevice::ReadOnly))
        return std::nullopt;
    return LeesSaldo(bestand);
}
