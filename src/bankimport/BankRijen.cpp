#include "bankimport/BankRijen.h"

#include "bank/BankPosten.h"
#include "bank/Bankafschrift.h"
#include "common/Bedrag.h"
#include "matching/Geleerd.h"
#include "matching/Uitleg.h"

#include <QColor>

namespace {

const QColor Grijs(128, 128, 128);
const QColor Rood(200, 0, 0);
// The bank's text beside the household's word: there to read, not what the list gets.
const QColor BankKleur(70, 90, 125);
constexpr qsizetype LangsteRegel = 200;

} // namespace

BankRijen::BankRijen(const Bankafschrift &afschrift, DataMapTreffers treffers, QDate maand,
    const Voorsteller &voorsteller, QObject *parent)
    : QAbstractTableModel(parent)
    , m_posten(afschrift.posten)
    , m_maand(maand)
{
    // The transactions in their order, the rows without a date to stand by after them.
    const auto &onleesbaar = afschrift.onleesbaar;
    m_rijen.reserve(m_posten.size() + onleesbaar.size());
    for (size_t p = 0; p < m_posten.size(); ++p) {
        Rij rij;
        rij.item = AlsItem(m_posten[p]);
        rij.post = static_cast<int>(p);
        // Asked of every transaction, as another list may find any of them new.
        rij.voorstel = voorsteller.StelVoor(m_posten[p]);
        if (rij.voorstel)
            rij.voorstel->woord = LijstOmschrijving(rij.voorstel->woord);
        m_rijen.push_back(std::move(rij));
    }
    for (const OnleesbareRegel &regel : onleesbaar) {
        Rij rij;
        rij.reden = regel.Melding();
        // Enough of the row to recognise it; a line of junk can be megabytes long.
        rij.item.omschrijving = regel.tekst.left(LangsteRegel);
        rij.staat = Staat::Onleesbaar;
        ++m_aantalOnleesbaar;
        m_rijen.push_back(std::move(rij));
    }
    ZetStaten(std::move(treffers));
}

void BankRijen::Vergelijk(DataMapTreffers treffers, QDate maand)
{
    m_maand = maand;
    ZetStaten(std::move(treffers));
    if (!m_rijen.empty()) {
        Q_EMIT dataChanged(index(0, 0),
            index(static_cast<int>(m_rijen.size()) - 1, AantalKolommen - 1),
            { Qt::DisplayRole, Qt::EditRole, Qt::CheckStateRole, Qt::ForegroundRole,
                Qt::ToolTipRole });
    }
    Q_EMIT KeuzeGewijzigd();
}

void BankRijen::ZetStaten(DataMapTreffers &&treffers)
{
    m_aantalAlInLijst = 0;
    m_aantalInAndereLijst = 0;
    for (Rij &rij : m_rijen) {
        if (rij.staat == Staat::Onleesbaar)
            continue;
        rij.treffer = std::move(treffers.treffers[static_cast<size_t>(rij.post)]);
        rij.andereLijst = std::move(treffers.andereLijsten[static_cast<size_t>(rij.post)]);
        rij.staat = rij.treffer ? Staat::AlInLijst : Staat::Nieuw;
        m_aantalAlInLijst += rij.treffer ? 1 : 0;
        m_aantalInAndereLijst += rij.andereLijst.isEmpty() ? 0 : 1;
        rij.gekozen = rij.staat == Staat::Nieuw && InMaand(rij);
    }
    TelGekozen();
}

const QString &BankRijen::OmschrijvingVan(const Rij &rij) const
{
    if (rij.eigen)
        return rij.eigen->isEmpty() ? rij.item.omschrijving : *rij.eigen;
    if (rij.treffer)
        return rij.treffer->omschrijving;
    if (rij.voorstel)
        return rij.voorstel->woord;
    return rij.item.omschrijving;
}

QString BankRijen::TipVan(const Rij &rij) const
{
    if (rij.staat == Staat::Onleesbaar)
        return rij.reden;
    if (rij.treffer) {
        return rij.andereLijst.isEmpty() ? InLijstUitleg(*rij.treffer)
                                         : InAndereLijstUitleg(*rij.treffer, rij.andereLijst);
    }
    if (rij.voorstel && !rij.eigen)
        return VoorstelUitleg(*rij.voorstel, m_posten[static_cast<size_t>(rij.post)].datum);
    return {};
}

bool BankRijen::InMaand(const Rij &rij) const
{
    const QDate datum = m_posten[static_cast<size_t>(rij.post)].datum;
    return !m_maand.isValid()
        || (datum.year() == m_maand.year() && datum.month() == m_maand.month());
}

bool BankRijen::ZetGekozen(Rij &rij, bool gekozen)
{
    if (rij.gekozen == gekozen || rij.staat == Staat::Onleesbaar)
        return false;
    rij.gekozen = gekozen;
    return true;
}

void BankRijen::TelGekozen()
{
    // Counted afresh rather than kept up by additions and subtractions: a total held at its
    // bound by CentenSom cannot be taken back down.
    m_aantalGekozen = 0;
    m_inkomsten = 0;
    m_uitgaven = 0;
    for (const Rij &rij : m_rijen) {
        if (!rij.gekozen)
            continue;
        ++m_aantalGekozen;
        const qint64 centen = m_posten[static_cast<size_t>(rij.post)].centen;
        if (centen >= 0)
            m_inkomsten = CentenSom(m_inkomsten, centen);
        else
            m_uitgaven = CentenVerschil(m_uitgaven, centen);
    }
}

void BankRijen::Kies(int rij, bool gekozen)
{
    if (rij < 0 || rij >= static_cast<int>(m_rijen.size()) || !ZetGekozen(m_rijen[rij], gekozen))
        return;
    TelGekozen();
    const QModelIndex cel = index(rij, Datum);
    Q_EMIT dataChanged(cel, cel, { Qt::CheckStateRole });
    Q_EMIT KeuzeGewijzigd();
}

void BankRijen::ZetAlleenMaand(bool alleenMaand)
{
    if (!m_maand.isValid() || m_rijen.empty())
        return;
    bool gewijzigd = false;
    for (Rij &rij : m_rijen) {
        if (rij.staat == Staat::Nieuw && !InMaand(rij))
            gewijzigd |= ZetGekozen(rij, !alleenMaand);
    }
    if (gewijzigd)
        TelGekozen();
    Q_EMIT dataChanged(index(0, Datum), index(static_cast<int>(m_rijen.size()) - 1, Datum),
        { Qt::CheckStateRole });
    Q_EMIT KeuzeGewijzigd();
}

ItemRijen BankRijen::GekozenRijen() const
{
    ItemRijen gekozen;
    gekozen.Reserveer(m_aantalGekozen);
    for (const Rij &rij : m_rijen) {
        if (rij.gekozen) {
            gekozen.Voeg(
                rij.item.datum, OmschrijvingVan(rij), rij.item.inkomsten, rij.item.uitgaven);
        }
    }
    return gekozen;
}

bool BankRijen::Leer(Geleerd &geleerd) const
{
    if (m_aantalAlInLijst == 0 && m_aantalGekozen == 0)
        return false;
    std::vector<std::optional<LijstTreffer>> treffers(m_posten.size());
    for (const Rij &rij : m_rijen) {
        if (rij.treffer)
            treffers[static_cast<size_t>(rij.post)] = rij.treffer;
    }
    geleerd.Leer(m_posten, treffers);
    for (const Rij &rij : m_rijen) {
        if (!rij.gekozen)
            continue;
        // Under the bank's text is said as nothing of its own, which spares telling it apart. A
        // word given in place of the one Geldlog proposed is a correction.
        const QString &omschrijving = OmschrijvingVan(rij);
        const bool verbeterd = rij.voorstel && rij.eigen && !rij.eigen->isEmpty()
            && rij.eigen->trimmed().compare(rij.voorstel->woord.trimmed(), Qt::CaseInsensitive)
                != 0;
        geleerd.Leer(m_posten[static_cast<size_t>(rij.post)],
            omschrijving == rij.item.omschrijving ? QString() : omschrijving, verbeterd);
    }
    return true;
}

int BankRijen::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rijen.size());
}

int BankRijen::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : AantalKolommen;
}

Qt::ItemFlags BankRijen::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags vlaggen = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (m_rijen[index.row()].staat == Staat::Onleesbaar)
        return vlaggen;
    if (index.column() == Datum)
        vlaggen |= Qt::ItemIsUserCheckable;
    else if (index.column() == Omschrijving)
        vlaggen |= Qt::ItemIsEditable;
    return vlaggen;
}

QVariant BankRijen::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Rij &rij = m_rijen[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (index.column()) {
        case Datum:
            return rij.item.datum;
        case Omschrijving:
            return OmschrijvingVan(rij);
        case Bank:
            // Beside another description only: a row under the bank's text says it once.
            return OmschrijvingVan(rij) == rij.item.omschrijving ? QString()
                                                                 : rij.item.omschrijving;
        case Inkomsten:
            return rij.item.inkomsten;
        default:
            return rij.item.uitgaven;
        }
    case Qt::TextAlignmentRole:
        return static_cast<int>(
            (index.column() >= Inkomsten ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::CheckStateRole:
        if (index.column() == Datum)
            return rij.gekozen ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ForegroundRole:
        if (rij.staat == Staat::AlInLijst)
            return Grijs;
        if (rij.staat == Staat::Onleesbaar)
            return Rood;
        if (index.column() == Bank)
            return BankKleur;
        return {};
    case Qt::ToolTipRole:
        return TipVan(rij);
    default:
        return {};
    }
}

bool BankRijen::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || m_rijen[index.row()].staat == Staat::Onleesbaar)
        return false;
    if (role == Qt::CheckStateRole && index.column() == Datum) {
        Kies(index.row(), value.toInt() == Qt::Checked);
        return true;
    }
    if (role != Qt::EditRole || index.column() != Omschrijving)
        return false;
    Rij &rij = m_rijen[index.row()];
    const QString omschrijving = LijstOmschrijving(value.toString());
    // Left as it was, a proposal stays one, with its reason.
    if (omschrijving == OmschrijvingVan(rij))
        return true;
    rij.eigen = omschrijving == rij.item.omschrijving ? QString() : omschrijving;
    Q_EMIT dataChanged(index.siblingAtColumn(Datum), index.siblingAtColumn(Uitgaven),
        { Qt::DisplayRole, Qt::EditRole, Qt::ToolTipRole });
    return true;
}

QVariant BankRijen::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= AantalKolommen)
        return {};
    if (role == Qt::DisplayRole) {
        static const QString koppen[AantalKolommen]
            = { QStringLiteral("Datum"), QStringLiteral("Omschrijving"), QStringLiteral("Bank"),
                  QStringLiteral("Inkomsten"), QStringLiteral("Uitgaven") };
        return koppen[section];
    }
    if (role == Qt::TextAlignmentRole) {
        return static_cast<int>(
            (section >= Inkomsten ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    return {};
}
