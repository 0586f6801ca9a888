#include "matching/GeleerdBestand.h"

#include "common/IsoDatum.h"
#include "common/Programma.h"
#include "platform/SafeWrite.h"
#include "platform/WriteError.h"

#include <QDir>
#include <QFile>
#include <QIODevice>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <limits>
#include <numeric>
#include <tuple>

namespace {

const QByteArray KopBegin = QByteArrayLiteral("Geldlog geleerde omschrijvingen ");
const QByteArray Versie = QByteArrayLiteral("1");
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
    const QString tekst = QString::fromUtf8(bytes);
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

// The order of the file: by word (those without one last), then by kind, then by date, so
// that whoever reads it finds a word's transactions together. Per transaction its number.
std::vector<size_t> Volgorde(const Geleerd &geleerd)
{
    const std::vector<Geleerd::Voorbeeld> &voorbeelden = geleerd.Voorbeelden();
    const std::vector<Bron> &bronnen = geleerd.Bronnen();
    int woorden = 0;
    for (const Geleerd::Voorbeeld &voorbeeld : voorbeelden)
        woorden = std::max(woorden, voorbeeld.woord + 1);

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
        woordTeksten.emplace_back(QString(), geleerd.Woord(woord));
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
        const qint64 woord
            = v.woord == Geleerd::GeenWoord ? woorden : woordRang[static_cast<size_t>(v.woord)];
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
    std::optional<std::pair<int, int>> soort;
    for (const size_t i : Volgorde(geleerd)) {
        const Geleerd::Voorbeeld &voorbeeld = voorbeelden[i];
        if (soort != std::pair { voorbeeld.woord, voorbeeld.bron }) {
            soort = std::pair { voorbeeld.woord, voorbeeld.bron };
            const Bron &bron = geleerd.Bronnen()[static_cast<size_t>(voorbeeld.bron)];
            if (voorbeeld.woord != Geleerd::GeenWoord)
                tekst += geleerd.Woord(voorbeeld.woord).toUtf8();
            tekst += '\t';
            tekst += bron.rekening.toLatin1();
            tekst += '\t';
            tekst += bron.naam.toUtf8();
            tekst += '\t';
            tekst += bron.omschrijving.toUtf8();
            tekst += "\r\n";
        }
        const qsizetype lengte = tekst.size();
        tekst.resize(lengte + LangstePost);
        tekst.truncate(SchrijfPost(tekst.data() + lengte, voorbeeld) - tekst.constData());
    }
    return writeAll(uit, tekst.constData(), tekst.size(), fout);
}

std::optional<Geleerd> LeesGeleerd(QIODevice &in, QString *reden)
{
    const QByteArray bytes = in.readAll();
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    int nummer = 0;
    const auto volgendeRegel = [&]() {
        // memchr may not be handed the null pointer of an empty file, even for no bytes.
        const auto *einde = rest.isEmpty()
            ? nullptr
            : static_cast<const char *>(std::memchr(rest.data(), '\n', rest.size()));
        QByteArrayView regel = einde ? rest.first(einde - rest.data()) : rest;
        rest = einde ? rest.sliced(einde - rest.data() + 1) : QByteArrayView();
        if (regel.endsWith('\r'))
            regel.chop(1);
        ++nummer;
        return regel;
    };
    const QByteArrayView kop = volgendeRegel();
    if (!kop.startsWith(KopBegin)) {
        Fout(reden, QStringLiteral("het is geen bestand met geleerde omschrijvingen"));
        return std::nullopt;
    }
    if (kop.sliced(KopBegin.size()) != Versie) {
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
    int bron = -1;
    int woord = Geleerd::GeenWoord;
    const auto beschadigd = [&]() {
        Fout(reden, QStringLiteral("regel %1 is beschadigd").arg(nummer));
        return std::nullopt;
    };
    while (!rest.isEmpty()) {
        const QByteArrayView regel = volgendeRegel();
        if (regel.isEmpty())
            continue;
        if (regel[0] == ' ') {
            // "  2026-03-12 -145,00": a transaction of the kind above it.
            if (bron < 0 || regel.size() < 14 || regel[1] != ' ' || regel[12] != ' ')
                return beschadigd();
            const std::optional<IsoDatum> datum = LeesIsoDatum(regel.sliced(2, 10));
            const std::optional<qint64> centen = LeesCenten(regel.sliced(13));
            if (!datum || !datum->Dag().isValid() || !centen)
                return beschadigd();
            geleerd.VoegToe({ datum->Dag(), *centen, bron, woord });
            continue;
        }
        // "Energie<TAB>NL12ABNA0123456789<TAB>Eneco<TAB>Termijnbedrag": a kind and its word.
        std::array<QByteArrayView, 4> velden;
        QByteArrayView veld = regel;
        for (size_t i = 0; i < velden.size(); ++i) {
            const qsizetype tab = veld.indexOf('\t');
            if ((tab < 0) != (i + 1 == velden.size()))
                return beschadigd();
            velden[i] = tab < 0 ? veld : veld.first(tab);
            veld = tab < 0 ? QByteArrayView() : veld.sliced(tab + 1);
        }
        const std::optional<QString> eigen = LeesTekst(velden[0], Geleerd::LangsteWoord);
        const std::optional<Bron> gelezen = LeesBron(velden[1], velden[2], velden[3]);
        if (!eigen || !gelezen)
            return beschadigd();
        bron = geleerd.BronNummer(*gelezen);
        woord = eigen->isEmpty() ? Geleerd::GeenWoord : geleerd.WoordNummer(*eigen);
    }
    return geleerd;
}

QString GeleerdPad(const Programma &programma)
{
    return programma.DataMap() + Bestand;
}

GeleerdBestand::GeleerdBestand(const Programma &programma, Gebruik gebruik)
    : m_pad(GeleerdPad(programma))
{
    const bool leren = gebruik == Gebruik::Leren;
    QFile bestand(m_pad);
    if (!bestand.exists()) {
        m_bewaren = leren;
        return;
    }
    QString reden;
    errno = 0;
    if (!bestand.open(QIODevice::ReadOnly)) {
        reden = errno == EACCES || errno == EPERM
            ? QStringLiteral("er is geen toestemming om het te lezen")
            : QStringLiteral("het kon niet geopend worden");
    } else if (std::optional<Geleerd> gelezen = LeesGeleerd(bestand, &reden);
               bestand.error() != QFileDevice::NoError) {
        reden = QStringLiteral("het kon niet helemaal gelezen worden");
    } else if (gelezen) {
        m_geleerd = std::move(*gelezen);
        m_bewaren = leren;
        return;
    } else if (leren) {
        // Read and found damaged: put aside under a name of its own rather than written over,
        // so whoever wants it still has it, even when it happened before.
        bestand.close();
        QString opzij = Opzij.arg(QString());
        for (int nummer = 2; QFile::exists(programma.DataMap() + opzij); ++nummer)
            opzij = Opzij.arg(u' ' + QString::number(nummer));
        if (QFile::rename(m_pad, programma.DataMap() + opzij)) {
            m_bewaren = true;
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
    m_melding += leren ? QStringLiteral("; wat Geldlog nu leert, wordt niet bewaard.")
                       : QStringLiteral(".");
}

bool GeleerdBestand::Bewaar(QString *fout) const
{
    if (!m_bewaren)
        return true;
    const auto schrijf
        = [this](QIODevice &uit, QString *reden) { return SchrijfGeleerd(uit, m_geleerd, reden); };
    return writeFileSafely(m_pad, schrijf, fout);
}
