#include "matching/GeleerdBestand.h"

#include "common/IsoDatum.h"
#include "common/Programma.h"
#include "platform/SafeWrite.h"
#include "platform/WriteError.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <limits>
#include <numeric>
#include <tuple>

namespace {

const QByteArray KopBegin = QByteArrayLiteral("Geldlog geleerde omschrijvingen ");
const QByteArray Versie = QByteArrayLiteral("2");
// Version 1 had no marks; it is read as it is.
const QByteArray EersteVersie = QByteArrayLiteral("1");
const QByteArray Geldopname = QByteArrayLiteral("geldopname");
const QByteArray Voorstel = QByteArrayLiteral("voorstel");
const QByteArray Verbeterd = QByteArrayLiteral("verbeterd");
const QString Bestand = QStringLiteral("Geleerde omschrijvingen.txt");
// Where a damaged file is put aside; %1 is empty, or a number for the second and later.
const QString Opzij = QStringLiteral("Geleerde omschrijvingen (beschadigd%1).txt");

bool IsCijfer(char c)
{
    return c >= '0' && c <= '9';
}

// "  2026-03-12 -145,00\r\n" at `uit`, which has room for it; returns its end.
char *SchrijfPost(char *uit, const Geleerd::Voorbeeld &voorbeeld)
{
    *uit++ = ' ';
    *uit++ = ' ';
    uit = SchrijfIsoDatum(uit, voorbeeld.datum);
    *uit++ = ' ';
    // Through unsigned, so the most negative amount has a magnitude too.
    quint64 grootte = static_cast<quint64>(voorbeeld.centen);
    if (voorbeeld.centen < 0) {
        *uit++ = '-';
        grootte = 0 - grootte;
    }
    char omgekeerd[24];
    int lengte = 0;
    for (; lengte < 3 || grootte > 0; ++lengte, grootte /= 10) {
        if (lengte == 2)
            omgekeerd[lengte++] = ',';
        omgekeerd[lengte] = static_cast<char>('0' + grootte % 10);
    }
    while (lengte > 0)
        *uit++ = omgekeerd[--lengte];
    *uit++ = '\r';
    *uit++ = '\n';
    return uit;
}

// An amount as SchrijfPost writes it, "-145,00"; nothing for any other text.
std::optional<qint64> LeesCenten(QByteArrayView tekst)
{
    const bool negatief = tekst.startsWith('-');
    if (negatief)
        tekst = tekst.sliced(1);
    const qsizetype komma = tekst.indexOf(',');
    // At most 17 digits before the comma: the magnitude then fits, and is checked below.
    if (komma < 1 || komma > 17 || tekst.size() != komma + 3)
        return std::nullopt;
    quint64 grootte = 0;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        if (i == komma)
            continue;
        if (!IsCijfer(tekst[i]))
            return std::nullopt;
        grootte = grootte * 10 + static_cast<quint64>(tekst[i] - '0');
    }
    constexpr quint64 Grootste = std::numeric_limits<qint64>::max();
    if (grootte > Grootste + (negatief ? 1 : 0))
        return std::nullopt;
    return negatief ? static_cast<qint64>(0 - grootte) : static_cast<qint64>(grootte);
}

// A text field of a kind's line: one line without control characters, at most `lengste` long.
std::optional<QString> LeesTekst(QByteArrayView bytes, qsizetype lengste)
{
    // Every character as written: QString::fromUtf8 drops a byte order mark at a field's start,
    // and a name read back would be another kind than the one learned.
    const QString tekst
        = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
              .decode(bytes);
    if (tekst.size() > lengste || tekst != tekst.trimmed()
        || std::any_of(tekst.begin(), tekst.end(), IsStuurteken))
        return std::nullopt;
    return tekst;
}

std::optional<Bron> LeesBron(QByteArrayView rekening, QByteArrayView naam, QByteArrayView woorden)
{
    if (rekening.size() > Bron::LangsteRekening
        || !std::all_of(rekening.begin(), rekening.end(),
            [](char c) { return IsCijfer(c) || (c >= 'A' && c <= 'Z'); }))
        return std::nullopt;
    std::optional<QString> leesbareNaam = LeesTekst(naam, Bron::LangsteNaam);
    std::optional<QString> leesbareWoorden = LeesTekst(woorden, Bron::LangsteOmschrijving);
    if (!leesbareNaam || !leesbareWoorden)
        return std::nullopt;
    return Bron { QString::fromLatin1(rekening), *leesbareNaam, *leesbareWoorden };
}

// The parts of `tekst` between the separators.
std::vector<QByteArrayView> Delen(QByteArrayView tekst, char scheiding)
{
    std::vector<QByteArrayView> delen;
    for (qsizetype plek = tekst.indexOf(scheiding); plek >= 0; plek = tekst.indexOf(scheiding)) {
        delen.push_back(tekst.first(plek));
        tekst = tekst.sliced(plek + 1);
    }
    delen.push_back(tekst);
    return delen;
}

// The marks of a kind's line, "geldopname voorstel", into its kind and whether its word is a
// proposal or a correction; false for a mark no version of Geldlog writes.
bool LeesKenmerken(QByteArrayView kenmerken, Bron &bron, Geleerd::Voorbeeld &soort)
{
    for (const QByteArrayView kenmerk : Delen(kenmerken, ' ')) {
        if (kenmerk == Geldopname)
            bron.soort = PostSoort::Geldopname;
        else if (kenmerk == Voorstel)
            soort.voorgesteld = true;
        else if (kenmerk == Verbeterd)
            soort.verbeterd = true;
        else
            return false;
    }
    return true;
}

// The order of the file: by word as written (those without one last), its corrections and its
// proposals after it, then by kind, then by date, so that whoever reads it finds a word's
// transactions together. Per transaction its number.
std::vector<size_t> Volgorde(const Geleerd &geleerd)
{
    const std::vector<Geleerd::Voorbeeld> &voorbeelden = geleerd.Voorbeelden();
    const std::vector<Bron> &bronnen = geleerd.Bronnen();
    int woorden = 0;
    for (const Geleerd::Voorbeeld &voorbeeld : voorbeelden)
        woorden = std::max(woorden, voorbeeld.spelling + 1);

    // The rank of each of `teksten` in alphabetical order, capitals and small letters alike.
    const auto rangen = [](std::vector<std::pair<QString, QString>> teksten) {
        for (auto &[gevouwen, tekst] : teksten)
            gevouwen = tekst.toCaseFolded();
        std::vector<int> volgorde(teksten.size());
        std::iota(volgorde.begin(), volgorde.end(), 0);
        std::sort(volgorde.begin(), volgorde.end(), [&](int a, int b) {
            return teksten[static_cast<size_t>(a)] < teksten[static_cast<size_t>(b)];
        });
        std::vector<int> rang(teksten.size());
        for (size_t i = 0; i < volgorde.size(); ++i)
            rang[static_cast<size_t>(volgorde[i])] = static_cast<int>(i);
        return rang;
    };
    std::vector<std::pair<QString, QString>> woordTeksten;
    for (int woord = 0; woord < woorden; ++woord)
        woordTeksten.emplace_back(QString(), geleerd.Spelling(woord));
    std::vector<std::pair<QString, QString>> bronTeksten;
    for (const Bron &bron : bronnen)
        bronTeksten.emplace_back(
            QString(), bron.naam + u'\t' + bron.rekening + u'\t' + bron.omschrijving);
    const std::vector<int> woordRang = rangen(std::move(woordTeksten));
    const std::vector<int> bronRang = rangen(std::move(bronTeksten));

    struct Plek {
        qint64 soort;
        qint64 dag;
        qint64 centen;
        size_t nummer;
        bool operator<(const Plek &ander) const
        {
            return std::tie(soort, dag, centen) < std::tie(ander.soort, ander.dag, ander.centen);
        }
    };
    std::vector<Plek> plekken;
    plekken.reserve(voorbeelden.size());
    for (size_t i = 0; i < voorbeelden.size(); ++i) {
        const Geleerd::Voorbeeld &v = voorbeelden[i];
        const qint64 woord = v.spelling == Geleerd::GeenWoord
            ? 3 * static_cast<qint64>(woorden)
            : 3 * static_cast<qint64>(woordRang[static_cast<size_t>(v.spelling)])
                + (v.voorgesteld ? 2 : (v.verbeterd ? 1 : 0));
        plekken.push_back(
            { woord * static_cast<qint64>(bronnen.size()) + bronRang[static_cast<size_t>(v.bron)],
                v.datum.toJulianDay(), v.centen, i });
    }
    std::sort(plekken.begin(), plekken.end());
    std::vector<size_t> volgorde;
    volgorde.reserve(plekken.size());
    for (const Plek &plek : plekken)
        volgorde.push_back(plek.nummer);
    return volgorde;
}

bool Fout(QString *reden, const QString &tekst)
{
    if (reden)
        *reden = tekst;
    return false;
}

} // namespace

bool SchrijfGeleerd(QIODevice &uit, const Geleerd &geleerd, QString *fout)
{
    // A transaction's line: two blanks, a date, a blank, at most 21 characters of an amount and
    // the line end.
    constexpr qsizetype LangstePost = 2 + 10 + 1 + 21 + 2;
    const std::vector<Geleerd::Voorbeeld> &voorbeelden = geleerd.Voorbeelden();
    QByteArray tekst = KopBegin + Versie + "\r\n";
    tekst.reserve(tekst.size() + static_cast<qsizetype>(voorbeelden.size()) * 24);
    std::optional<std::tuple<int, bool, bool, int>> soort;
    for (const size_t i : Volgorde(geleerd)) {
        const Geleerd::Voorbeeld &voorbeeld = voorbeelden[i];
        const bool woord = voorbeeld.spelling != Geleerd::GeenWoord;
        const bool voorgesteld = woord && voorbeeld.voorgesteld;
        const bool verbeterd = woord && !voorgesteld && voorbeeld.verbeterd;
        if (soort != std::tuple { voorbeeld.spelling, voorgesteld, verbeterd, voorbeeld.bron }) {
            soort = std::tuple { voorbeeld.spelling, voorgesteld, verbeterd, voorbeeld.bron };
            const Bron &bron = geleerd.Bronnen()[static_cast<size_t>(voorbeeld.bron)];
            if (voorbeeld.spelling != Geleerd::GeenWoord)
                tekst += geleerd.Spelling(voorbeeld.spelling).toUtf8();
            tekst += '\t';
            tekst += bron.rekening.toLatin1();
            tekst += '\t';
            tekst += bron.naam.toUtf8();
            tekst += '\t';
            tekst += bron.omschrijving.toUtf8();
            QByteArrayList kenmerken;
            if (bron.soort == PostSoort::Geldopname)
                kenmerken.append(Geldopname);
            if (voorgesteld)
                kenmerken.append(Voorstel);
            if (verbeterd)
                kenmerken.append(Verbeterd);
            if (!kenmerken.isEmpty())
                tekst += '\t' + kenmerken.join(' ');
            tekst += "\r\n";
        }
        const qsizetype lengte = tekst.size();
        tekst.resize(lengte + LangstePost);
        tekst.truncate(SchrijfPost(tekst.data() + lengte, voorbeeld) - tekst.constData());
    }
    return writeAll(uit, tekst.constData(), tekst.size(), fout);
}

std::optional<Geleerd> LeesGeleerd(QIODevice &in, QString *reden, int *overgeslagen)
{
    const QByteArray bytes = in.readAll();
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    const auto volgendeRegel = [&]() {
        // memchr may not be handed the null pointer of an empty file, even for no bytes.
        const auto *einde = rest.isEmpty()
            ? nullptr
            : static_cast<const char *>(std::memchr(rest.data(), '\n', rest.size()));
        QByteArrayView regel = einde ? rest.first(einde - rest.data()) : rest;
        rest = einde ? rest.sliced(einde - rest.data() + 1) : QByteArrayView();
        if (regel.endsWith('\r'))
            regel.chop(1);
        return regel;
    };
    const QByteArrayView kop = volgendeRegel();
    if (!kop.startsWith(KopBegin)) {
        Fout(reden, QStringLiteral("het is geen bestand met geleerde omschrijvingen"));
        return std::nullopt;
    }
    const QByteArrayView versie = kop.sliced(KopBegin.size());
    if (versie != Versie && versie != EersteVersie) {
        Fout(reden, QStringLiteral("het is van een andere versie van Geldlog"));
        return std::nullopt;
    }

    // Room for every kind and transaction at once: a table that grows hashes every kind again.
    qsizetype soorten = 0;
    qsizetype posten = 0;
    for (QByteArrayView regels = rest; !regels.isEmpty();) {
        ++(regels.front() == ' ' ? posten : soorten);
        const auto *einde
            = static_cast<const char *>(std::memchr(regels.data(), '\n', regels.size()));
        regels = einde ? regels.sliced(einde - regels.data() + 1) : QByteArrayView();
    }
    Geleerd geleerd;
    geleerd.Reserveer(soorten, posten);
    // The kind the transactions below belong to; none after a kind's line that was damaged.
    std::optional<Geleerd::Voorbeeld> soort;
    int weggelaten = 0;
    while (!rest.isEmpty()) {
        const QByteArrayView regel = volgendeRegel();
        if (regel.isEmpty())
            continue;
        if (regel[0] == ' ') {
            // "  2026-03-12 -145,00": a transaction of the kind above it.
            const bool vorm = regel.size() >= 14 && regel[1] == ' ' && regel[12] == ' ';
            const std::optional<IsoDatum> datum
                = vorm ? LeesIsoDatum(regel.sliced(2, 10)) : std::nullopt;
            const std::optional<qint64> centen = vorm ? LeesCenten(regel.sliced(13)) : std::nullopt;
            if (!soort || !datum || !datum->Dag().isValid() || !centen) {
                ++weggelaten;
                continue;
            }
            Geleerd::Voorbeeld voorbeeld = *soort;
            voorbeeld.datum = datum->Dag();
            voorbeeld.centen = *centen;
            geleerd.VoegToe(voorbeeld);
            continue;
        }
        // "Energie<TAB>NL12ABNA0123456789<TAB>Eneco<TAB>Termijnbedrag", and its marks after a
        // fifth tab: a kind and its word.
        soort.reset();
        const std::vector<QByteArrayView> velden = Delen(regel, '\t');
        const bool vijfde = velden.size() == 5 && versie == Versie;
        std::optional<QString> eigen = velden.size() == 4 || vijfde
            ? LeesTekst(velden[0], Geleerd::LangsteWoord)
            : std::nullopt;
        std::optional<Bron> gelezen
            = eigen ? LeesBron(velden[1], velden[2], velden[3]) : std::nullopt;
        Geleerd::Voorbeeld kenmerken;
        if (!gelezen || (vijfde && !LeesKenmerken(velden[4], *gelezen, kenmerken))) {
            ++weggelaten;
            continue;
        }
        soort = Geleerd::Voorbeeld {};
        soort->bron = geleerd.BronNummer(*gelezen);
        if (!eigen->isEmpty()) {
            soort->spelling = geleerd.SpellingNummer(*eigen);
            soort->voorgesteld = kenmerken.voorgesteld;
            soort->verbeterd = kenmerken.verbeterd && !kenmerken.voorgesteld;
        }
    }
    if (overgeslagen)
        *overgeslagen = weggelaten;
    return geleerd;
}

QString GeleerdPad(const Programma &programma)
{
    return programma.DataMap() + Bestand;
}

GeleerdBestand::GeleerdBestand(const Programma &programma, Gebruik gebruik)
    : m_pad(GeleerdPad(programma))
{
    m_stempel = FileStamp::of(m_pad);
    QFile bestand(m_pad);
    if (bestand.exists())
        Lees(bestand, programma.DataMap(), gebruik);
    else
        m_bewaren = gebruik != Gebruik::AlleenLezen;
}

QString GeleerdBestand::VrijeNaam(const QString &dataMap)
{
    QString opzij = Opzij.arg(QString());
    for (int nummer = 2; QFile::exists(dataMap + opzij); ++nummer)
        opzij = Opzij.arg(u' ' + QString::number(nummer));
    return opzij;
}

void GeleerdBestand::Lees(QFile &bestand, const QString &dataMap, Gebruik gebruik)
{
    const bool leren = gebruik == Gebruik::Leren;
    QString reden;
    int weggelaten = 0;
    errno = 0;
    if (!bestand.open(QIODevice::ReadOnly)) {
        reden = errno == EACCES || errno == EPERM
            ? QStringLiteral("er is geen toestemming om het te lezen")
            : QStringLiteral("het kon niet geopend worden");
    } else if (std::optional<Geleerd> gelezen = LeesGeleerd(bestand, &reden, &weggelaten);
               bestand.error() != QFileDevice::NoError) {
        reden = QStringLiteral("het kon niet helemaal gelezen worden");
    } else if (gelezen && weggelaten == 0) {
        m_geleerd = std::move(*gelezen);
        m_bewaren = gebruik != Gebruik::AlleenLezen;
        return;
    } else if (gelezen) {
        // What can be read is used; the lines left out are told once, as the file is written
        // back without them beside a copy of it as it was.
        bestand.close();
        m_geleerd = std::move(*gelezen);
        m_melding = weggelaten == 1
            ? QStringLiteral("1 regel van \"%1\" kon niet gelezen worden en is weggelaten")
                  .arg(Bestand)
            : QStringLiteral("%1 regels van \"%2\" konden niet gelezen worden en zijn weggelaten")
                  .arg(weggelaten)
                  .arg(Bestand);
        const QString kopie = dataMap + VrijeNaam(dataMap);
        if (leren && QFile::copy(m_pad, kopie)) {
            m_bewaren = true;
            m_melding += QStringLiteral("; een kopie staat in \"%1\".")
                             .arg(QDir::toNativeSeparators(kopie));
            QString fout;
            if (Bewaar(&fout))
                return;
            m_melding += u' ' + fout;
            return;
        }
        m_melding += leren
            ? QStringLiteral("; er kon geen kopie van gemaakt worden, dus het bestand "
                             "blijft zoals het is en wat Geldlog nu leert, wordt "
                             "niet bewaard.")
            : QStringLiteral("; het bestand blijft zoals het is.");
        return;
    } else if (leren) {
        // Read and found no learning file: put aside under a name of its own rather than
        // written over, so whoever wants it still has it, even when it happened before.
        bestand.close();
        const QString opzij = VrijeNaam(dataMap);
        if (QFile::rename(m_pad, dataMap + opzij)) {
            m_bewaren = true;
            m_stempel = FileStamp::of(m_pad);
            m_melding = QStringLiteral("De geleerde omschrijvingen in %1 zijn niet te lezen: %2. "
                                       "Geldlog begint opnieuw met leren. Het oude bestand is "
                                       "bewaard als \"%3\".")
                            .arg(QDir::toNativeSeparators(m_pad), reden, opzij);
            return;
        }
        reden += QStringLiteral(", en het kon niet opzij gezet worden");
    }
    m_melding = QStringLiteral("De geleerde omschrijvingen in %1 worden deze keer niet gebruikt: "
                               "%2. Het bestand blijft zoals het is")
                    .arg(QDir::toNativeSeparators(m_pad), reden);
    m_melding += gebruik != Gebruik::AlleenLezen
        ? QStringLiteral("; wat Geldlog nu leert, wordt niet bewaard.")
        : QStringLiteral(".");
}

bool GeleerdBestand::Bewaar(QString *fout)
{
    if (!m_bewaren)
        return true;
    // Another Geldlog wrote the file since it was read: what it learned stays, and this one's is
    // added to it. A file that cannot be read now is written over with what was read before.
    if (const FileStamp nu = FileStamp::of(m_pad); nu != m_stempel && nu.exists()) {
        QFile bestand(m_pad);
        std::optional<Geleerd> opSchijf;
        if (bestand.open(QIODevice::ReadOnly))
            opSchijf = LeesGeleerd(bestand, nullptr);
        if (opSchijf && bestand.error() == QFileDevice::NoError) {
            opSchijf->NeemOver(m_geleerd);
            m_geleerd = std::move(*opSchijf);
        }
    }
    const auto schrijf
        = [this](QIODevice &uit, QString *reden) { return SchrijfGeleerd(uit, m_geleerd, reden); };
    if (!writeFileSafely(m_pad, schrijf, fout))
        return false;
    m_stempel = FileStamp::of(m_pad);
    return true;
}
