#include "lists/LijstBestand.h"

#include "common/Bedrag.h"
#include "common/Programma.h"
#include "platform/Ansi.h"
#include "platform/SafeWrite.h"
#include "platform/TextLines.h"

#include <QFile>
#include <QIODevice>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

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

bool Schrijf(QIODevice &uit, const char *bytes, qsizetype aantal, QString *fout)
{
    if (uit.write(bytes, aantal) == aantal)
        return true;
    if (fout) {
        *fout = uit.errorString().isEmpty() ? QStringLiteral("niet alles is geschreven")
                                            : uit.errorString();
    }
    return false;
}

char *SchrijfRegel(char *uit, QStringView tekst)
{
    uit = Ansi::encode(tekst, uit);
    *uit++ = '\r';
    *uit++ = '\n';
    return uit;
}

// A field of a list is nearly always short and often the same as one a few rows before (the
// same date, amount or description); those share one string instead of each having a copy.
class TekstCache {
public:
    void Lees(QByteArrayView bytes, QString &tekst)
    {
        if (bytes.size() > MaxLengte) {
            Ansi::decode(bytes, tekst);
            return;
        }
        Plek &plek = m_plekken[Hash(bytes) % m_plekken.size()];
        if (plek.lengte != bytes.size()
            || std::memcmp(plek.bytes, bytes.data(), bytes.size()) != 0) {
            Ansi::decode(bytes, plek.tekst);
            std::memcpy(plek.bytes, bytes.data(), bytes.size());
            plek.lengte = bytes.size();
        }
        tekst = plek.tekst;
    }

private:
    static constexpr qsizetype MaxLengte = 32;

    // Cheap, and enough to tell dates and amounts apart: their ends and their length.
    static size_t Hash(QByteArrayView bytes)
    {
        quint64 begin = 0;
        quint64 eind = 0;
        const qsizetype n = std::min<qsizetype>(bytes.size(), 8);
        std::memcpy(&begin, bytes.data(), n);
        std::memcpy(&eind, bytes.data() + bytes.size() - n, n);
        const quint64 h = (begin * 0x9E3779B97F4A7C15 ^ eind) * 0xC2B2AE3D27D4EB4F + bytes.size();
        return static_cast<size_t>(h >> 32);
    }

    struct Plek {
        qsizetype lengte = -1;
        char bytes[MaxLengte];
        QString tekst;
    };
    std::array<Plek, 512> m_plekken;
};

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

bool LeesRegel(TextLines &bestand, TekstCache &cache, QString &regel)
{
    if (bestand.atEnd())
        return false;
    cache.Lees(bestand.readBytes(), regel);
    return true;
}

bool LeesGroep(TextLines &bestand, std::array<TekstCache, 4> &caches, Item &item)
{
    return LeesRegel(bestand, caches[0], item.datum)
        && LeesRegel(bestand, caches[1], item.omschrijving)
        && LeesRegel(bestand, caches[2], item.inkomsten)
        && LeesRegel(bestand, caches[3], item.uitgaven) && VolgendeRegel(bestand, nullptr);
}

} // namespace

bool SchrijfLijst(QIODevice &uit, const std::vector<Item> &items, QString *fout)
{
    QByteArray blok(Blok, Qt::Uninitialized);
    char *begin = blok.data();
    char *vrij = begin;
    for (const Item &item : items) {
        const QStringView datum = ZonderSpaties(item.datum);
        const qsizetype nodig = datum.size() + item.omschrijving.size() + item.inkomsten.size()
            + item.uitgaven.size() + 4 * 2 + Scheiding.size();
        if (vrij - begin + nodig > blok.size()) {
            if (!Schrijf(uit, begin, vrij - begin, fout))
                return false;
            if (nodig > blok.size())
                blok.resize(nodig);
            begin = blok.data();
            vrij = begin;
        }
        vrij = SchrijfRegel(vrij, datum);
        vrij = SchrijfRegel(vrij, item.omschrijving);
        vrij = SchrijfRegel(vrij, item.inkomsten);
        vrij = SchrijfRegel(vrij, item.uitgaven);
        vrij = std::copy(Scheiding.cbegin(), Scheiding.cend(), vrij);
    }
    return vrij == begin || Schrijf(uit, begin, vrij - begin, fout);
}

std::vector<Item> LeesLijst(QIODevice &in)
{
    std::vector<Item> items;
    // Room for the entries a file of this size usually holds, so a long list is not moved
    // again and again while it grows; only address space is taken until it is used.
    if (!in.isSequential())
        items.reserve(
            static_cast<size_t>(std::clamp<qint64>(in.size() - in.pos(), 0, 1 << 26) / 48));
    TextLines bestand(in);
    auto caches = std::make_unique<std::array<TekstCache, 4>>();
    while (!bestand.atEnd()) {
        Item item;
        if (!LeesGroep(bestand, *caches, item))
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
