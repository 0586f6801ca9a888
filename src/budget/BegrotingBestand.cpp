#include "budget/BegrotingBestand.h"

#include "common/Bedrag.h"
#include "common/Programma.h"
#include "platform/SafeWrite.h"
#include "platform/TextLines.h"
#include "platform/WriteError.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QStringDecoder>
#include <QStringList>

#include <cerrno>

namespace {

const QByteArray KopBegin = QByteArrayLiteral("Geldlog begroting ");
const QByteArray Versie = QByteArrayLiteral("1");
const QString Bestand = QStringLiteral("Begroting.txt");
// Where a damaged file is kept; %1 is empty, or a number for the second and later.
const QString Opzij = QStringLiteral("Begroting (beschadigd%1).txt");

// A line of the file, its fields read; nothing when it is damaged.
std::optional<Begroting> LeesRegel(QByteArrayView regel)
{
    const QList<QByteArrayView> velden = [regel] {
        QList<QByteArrayView> delen;
        qsizetype begin = 0;
        for (qsizetype tab; (tab = regel.indexOf('\t', begin)) >= 0; begin = tab + 1)
            delen.append(regel.sliced(begin, tab - begin));
        delen.append(regel.sliced(begin));
        return delen;
    }();
    if (velden.size() < 2 || velden.size() > 3)
        return std::nullopt;
    // Every character as written: QString::fromUtf8 would drop a byte order mark at a field's
    // start, and the description read back would be another.
    const auto tekst = [](QByteArrayView veld) {
        return QString(QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
                           .decode(veld));
    };
    const QString omschrijving = tekst(velden[0]).trimmed();
    const QString bedrag = tekst(velden[1]);
    const QString groep = velden.size() > 2 ? tekst(velden[2]).trimmed() : QString();
    if (!OmschrijvingFout(omschrijving).isEmpty() || !BegrotingFout(bedrag).isEmpty())
        return std::nullopt;
    Begroting begroting { omschrijving, BegrotingBedrag(bedrag), GroepVanNaam(groep) };
    if (!groep.isEmpty() && !begroting.groep)
        return std::nullopt;
    return begroting;
}

// "regel 4", "regels 4 en 7", "regels 4, 7, 12 en nog 3"
QString Regels(const std::vector<int> &nummers)
{
    constexpr size_t Genoemd = 3;
    QStringList genoemd;
    for (size_t i = 0; i < nummers.size() && i < Genoemd; ++i)
        genoemd.append(QString::number(nummers[i]));
    if (nummers.size() > Genoemd)
        genoemd.append(QStringLiteral("nog %1").arg(nummers.size() - Genoemd));
    const QString laatste = genoemd.takeLast();
    return genoemd.isEmpty()
        ? QStringLiteral("regel %1").arg(laatste)
        : QStringLiteral("regels %1 en %2").arg(genoemd.join(QStringLiteral(", ")), laatste);
}

} // namespace

GelezenBegroting LeesBegroting(QIODevice &in)
{
    GelezenBegroting gelezen;
    TextLines regels(in);
    QByteArrayView kop = regels.readBytes();
    if (kop.startsWith("\xEF\xBB\xBF"))
        kop = kop.sliced(3);
    if (!kop.startsWith(KopBegin)) {
        gelezen.vreemd = QStringLiteral("het is geen begroting van Geldlog");
        return gelezen;
    }
    if (kop.sliced(KopBegin.size()) != Versie) {
        gelezen.vreemd = QStringLiteral("het is van een andere versie van Geldlog");
        return gelezen;
    }
    for (int nummer = 2; !regels.atEnd(); ++nummer) {
        const QByteArrayView regel = regels.readBytes();
        if (regel.trimmed().isEmpty())
            continue;
        std::optional<Begroting> begroting = LeesRegel(regel);
        // A description met before is not given a second budget: which one was meant?
        if (!begroting || gelezen.begrotingen.Van(begroting->omschrijving)) {
            gelezen.beschadigd.push_back(nummer);
            continue;
        }
        gelezen.begrotingen.ZetBedrag(begroting->omschrijving, begroting->bedrag);
        gelezen.begrotingen.ZetGroep(begroting->omschrijving, begroting->groep);
    }
    return gelezen;
}

bool SchrijfBegroting(QIODevice &uit, const Begrotingen &begrotingen, QString *fout)
{
    QByteArray tekst = KopBegin + Versie + "\r\n";
    for (const Begroting &begroting : begrotingen.Alle()) {
        tekst += begroting.omschrijving.toUtf8();
        tekst += '\t';
        if (begroting.bedrag)
            tekst += CentenTekst(*begroting.bedrag).toLatin1();
        tekst += '\t';
        if (begroting.groep)
            tekst += GroepNaam(*begroting.groep).toUtf8();
        tekst += "\r\n";
    }
    return writeAll(uit, tekst.constData(), tekst.size(), fout);
}

QString BegrotingPad(const Programma &programma)
{
    return programma.DataMap() + Bestand;
}

BegrotingBestand::BegrotingBestand(const Programma &programma)
    : m_dataMap(programma.DataMap())
    , m_pad(BegrotingPad(programma))
{
    m_stempel = FileStamp::of(m_pad);
    QFile bestand(m_pad);
    if (!bestand.exists())
        return;
    QString reden;
    bool deels = false; // the lines that could be read count
    errno = 0;
    if (!bestand.open(QIODevice::ReadOnly)) {
        reden = errno == EACCES || errno == EPERM
            ? QStringLiteral("er is geen toestemming om het te lezen")
            : QStringLiteral("het kon niet geopend worden");
    } else if (GelezenBegroting gelezen = LeesBegroting(bestand);
               bestand.error() != QFileDevice::NoError) {
        reden = QStringLiteral("het kon niet helemaal gelezen worden");
    } else if (!gelezen.vreemd.isEmpty()) {
        reden = gelezen.vreemd;
    } else {
        m_begrotingen = std::move(gelezen.begrotingen);
        m_gelezen = m_begrotingen;
        if (gelezen.beschadigd.empty())
            return;
        deels = true;
        reden = QStringLiteral("%1 %2 beschadigd")
                    .arg(Regels(gelezen.beschadigd),
                        gelezen.beschadigd.size() == 1 ? QStringLiteral("is")
                                                       : QStringLiteral("zijn"));
    }
    m_opzijZetten = true;
    m_melding = QStringLiteral("De begroting in %1 telt %2 mee: %3. Het bestand blijft zoals het "
                               "is tot de begroting wijzigt; dan wordt het eerst bewaard als "
                               "\"%4\".")
                    .arg(QDir::toNativeSeparators(m_pad),
                        deels ? QStringLiteral("niet helemaal") : QStringLiteral("niet"), reden,
                        OpzijNaam());
}

QString BegrotingBestand::OpzijNaam() const
{
    QString naam = Opzij.arg(QString());
    for (int nummer = 2; QFile::exists(m_dataMap + naam); ++nummer)
        naam = Opzij.arg(u' ' + QString::number(nummer));
    return naam;
}

bool BegrotingBestand::Bewaar(QString *fout)
{
    // Another Geldlog wrote the file since it was read (geldlog begroting zet): its budgets stay,
    // with this one's changes made to them. A file that is no sound one now is not taken.
    if (const FileStamp nu = FileStamp::of(m_pad); nu != m_stempel && nu.exists()) {
        QFile bestand(m_pad);
        if (bestand.open(QIODevice::ReadOnly)) {
            GelezenBegroting opSchijf = LeesBegroting(bestand);
            if (bestand.error() == QFileDevice::NoError && opSchijf.vreemd.isEmpty()
                && opSchijf.beschadigd.empty()) {
                opSchijf.begrotingen.NeemOver(m_gelezen, m_begrotingen);
                m_begrotingen = std::move(opSchijf.begrotingen);
                // What was damaged here was written over, and kept aside, by that Geldlog.
                m_opzijZetten = false;
            }
        }
    }
    if (m_opzijZetten) {
        const QString opzij = OpzijNaam();
        // Copied rather than moved: should the new file fail, the old one still stands.
        if (QFile::exists(m_pad) && !QFile::copy(m_pad, m_dataMap + opzij)) {
            if (fout) {
                *fout = QStringLiteral("Kan %1 niet schrijven: het oude bestand kon niet eerst "
                                       "bewaard worden als \"%2\".")
                            .arg(QDir::toNativeSeparators(m_pad), opzij);
            }
            return false;
        }
        m_opzijZetten = false;
        m_melding = QStringLiteral("Wat er in %1 stond, is bewaard als \"%2\".")
                        .arg(QDir::toNativeSeparators(m_pad), opzij);
    }
    if (!writeFileSafely(
            m_pad,
            [this](QIODevice &uit, QString *reden) {
                return SchrijfBegroting(uit, m_begrotingen, reden);
            },
            fout))
        return false;
    m_gelezen = m_begrotingen;
    m_stempel = FileStamp::of(m_pad);
    return true;
}
