#include "planning/BegrotingModel.h"

#include "budget/Begrotingen.h"
#include "common/Bedrag.h"

#include <QColor>
#include <QFont>

namespace {

constexpr QColor Rood(170, 0, 0);
constexpr QColor Grijs(120, 120, 110);
constexpr QColor GroepKleur(232, 236, 222);

QVariant Vet(int role)
{
    if (role != Qt::FontRole)
        return {};
    // Only the weight: the rest comes from the table's own font.
    QFont vet;
    vet.setBold(true);
    return vet;
}

} // namespace

BegrotingModel::BegrotingModel(Begrotingen &begrotingen, std::function<bool()> bewaar,
    std::function<void(const QString &)> weiger, QObject *parent)
    : QAbstractTableModel(parent)
    , m_begrotingen(begrotingen)
    , m_bewaar(std::move(bewaar))
    , m_weiger(std::move(weiger))
{
}

void BegrotingModel::ZetMaand(BegrotingMaand maand)
{
    beginResetModel();
    m_maand = std::move(maand);
    Plaats();
    endResetModel();
}

void BegrotingModel::Plaats()
{
    m_plekken.clear();
    if (!m_maand)
        return;
    const std::vector<BegrotingRij> &rijen = m_maand->Rijen();
    for (int groep = 0; groep < static_cast<int>(AlleGroepen.size()); ++groep) {
        m_plekken.push_back({ Plek::Soort::Groep, groep });
        for (int rij = 0; rij < static_cast<int>(rijen.size()); ++rij) {
            if (rijen[rij].groep == AlleGroepen[groep])
                m_plekken.push_back({ Plek::Soort::Rij, rij });
        }
    }
    m_plekken.push_back({ Plek::Soort::Totaal, 0 });
}

int BegrotingModel::TabelRij(QStringView omschrijving) const
{
    const int rij = m_maand ? m_maand->RijVan(omschrijving) : -1;
    for (int plek = 0; rij >= 0 && plek < static_cast<int>(m_plekken.size()); ++plek) {
        if (m_plekken[plek].soort == Plek::Soort::Rij && m_plekken[plek].index == rij)
            return plek;
    }
    return -1;
}

void BegrotingModel::ToonBedragen(int tabelRij)
{
    // The row, its group's totals above it and the grand total.
    int groep = tabelRij;
    while (groep > 0 && m_plekken[groep].soort != Plek::Soort::Groep)
        --groep;
    const int totaal = rowCount() - 1;
    for (const int rij : { tabelRij, groep, totaal })
        Q_EMIT dataChanged(index(rij, Begroot), index(rij, Over));
}

bool BegrotingModel::Wijzig(const std::function<void(Begrotingen &)> &wijziging)
{
    const Begrotingen oud = m_begrotingen;
    wijziging(m_begrotingen);
    if (m_bewaar())
        return true;
    m_begrotingen = oud;
    return false;
}

std::optional<int> BegrotingModel::VulVoorstellenIn()
{
    std::vector<int> leeg;
    for (int rij = 0; rij < static_cast<int>(m_maand->Rijen().size()); ++rij) {
        const BegrotingRij &r = m_maand->Rijen()[rij];
        if (!r.begroot && r.voorstel && OmschrijvingFout(r.omschrijving).isEmpty())
            leeg.push_back(rij);
    }
    if (leeg.empty())
        return 0;
    const bool bewaard = Wijzig([this, &leeg](Begrotingen &begrotingen) {
        for (const int rij : leeg) {
            const BegrotingRij &r = m_maand->Rijen()[rij];
            begrotingen.ZetBedrag(r.omschrijving, r.voorstel->bedrag);
        }
    });
    if (!bewaard)
        return std::nullopt;
    for (const int rij : leeg)
        m_maand->ZetBegroot(rij, m_maand->Rijen()[rij].voorstel->bedrag);
    Q_EMIT dataChanged(index(0, Begroot), index(rowCount() - 1, Over));
    Q_EMIT VrijGewijzigd();
    return static_cast<int>(leeg.size());
}

bool BegrotingModel::ZetBegroot(int rij, const QString &invoer)
{
    const BegrotingRij &r = m_maand->Rijen()[rij];
    QString waarom = BegrotingFout(invoer);
    if (waarom.isEmpty())
        waarom = OmschrijvingFout(r.omschrijving);
    if (!waarom.isEmpty()) {
        m_weiger(waarom);
        return false;
    }
    const std::optional<qint64> bedrag = BegrotingBedrag(invoer);
    if (bedrag == r.begroot)
        return true;
    if (!Wijzig([&r, bedrag](Begrotingen &b) { b.ZetBedrag(r.omschrijving, bedrag); }))
        return false;
    m_maand->ZetBegroot(rij, bedrag);
    ToonBedragen(TabelRij(r.omschrijving));
    Q_EMIT VrijGewijzigd();
    return true;
}

bool BegrotingModel::ZetGroep(int rij, int groep)
{
    if (groep < 0 || groep >= static_cast<int>(AlleGroepen.size()))
        return false;
    const BegrotingRij &r = m_maand->Rijen()[rij];
    const Uitgavengroep gekozen = AlleGroepen[groep];
    if (r.groepGekozen && r.groep == gekozen)
        return true;
    if (const QString waarom = OmschrijvingFout(r.omschrijving); !waarom.isEmpty()) {
        m_weiger(waarom);
        return false;
    }
    if (!Wijzig([&r, gekozen](Begrotingen &b) { b.ZetGroep(r.omschrijving, gekozen); }))
        return false;
    // The row moves to its group once the editor that chose it has closed: the view keeps an
    // editor of a row only until the rows are laid out anew.
    QMetaObject::invokeMethod(
        this,
        [this, omschrijving = r.omschrijving, gekozen] {
            // Another month chosen meanwhile was made with the group already.
            const int verplaatst = m_maand->RijVan(omschrijving);
            if (verplaatst < 0)
                return;
            beginResetModel();
            m_maand->ZetGroep(verplaatst, gekozen);
            Plaats();
            endResetModel();
            Q_EMIT GroepGewijzigd(TabelRij(omschrijving));
        },
        Qt::QueuedConnection);
    return true;
}

int BegrotingModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_plekken.size());
}

int BegrotingModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : AantalKolommen;
}

Qt::ItemFlags BegrotingModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags vlaggen = QAbstractTableModel::flags(index);
    if (index.isValid() && m_plekken[index.row()].soort == Plek::Soort::Rij
        && (index.column() == Begroot || index.column() == GroepKolom))
        vlaggen |= Qt::ItemIsEditable;
    return vlaggen;
}

QVariant BegrotingModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= AantalKolommen)
        return {};
    const int kolom = index.column();
    if (role == Qt::TextAlignmentRole) {
        return static_cast<int>(kolom >= Begroot ? Qt::AlignRight | Qt::AlignVCenter
                                                 : Qt::AlignLeft | Qt::AlignVCenter);
    }
    const Plek &plek = m_plekken[index.row()];
    switch (plek.soort) {
    case Plek::Soort::Rij:
        return RijData(m_maand->Rijen()[plek.index], kolom, role);
    case Plek::Soort::Groep: {
        const Uitgavengroep groep = AlleGroepen[plek.index];
        if (role == Qt::BackgroundRole)
            return GroepKleur;
        if (kolom == Omschrijving && role == Qt::DisplayRole)
            return GroepNaam(groep);
        return kolom == Omschrijving ? Vet(role) : TotaalData(m_maand->Totaal(groep), kolom, role);
    }
    case Plek::Soort::Totaal:
        if (kolom == Omschrijving && role == Qt::DisplayRole)
            return QStringLiteral("Totaal");
        return kolom == Omschrijving ? Vet(role) : TotaalData(m_maand->Totaal(), kolom, role);
    }
    return {};
}

QVariant BegrotingModel::RijData(const BegrotingRij &rij, int kolom, int role) const
{
    const std::optional<qint64> over = rij.Over();
    switch (kolom) {
    case Omschrijving:
        return role == Qt::DisplayRole ? QVariant(rij.omschrijving) : QVariant();
    case GroepKolom:
        if (role == Qt::DisplayRole)
            return GroepNaam(rij.groep);
        if (role == Qt::EditRole)
            return static_cast<int>(rij.groep);
        if (rij.groepGekozen)
            return {};
        if (role == Qt::ForegroundRole)
            return Grijs;
        if (role == Qt::ToolTipRole) {
            return rij.voorgesteldeGroep == Uitgavengroep::VasteLasten
                ? QStringLiteral("Voorgesteld: er loopt een contract onder deze omschrijving")
                : QStringLiteral("Voorgesteld");
        }
        return {};
    case Begroot:
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return rij.begroot ? CentenTekst(*rij.begroot) : QString();
        return {};
    case Gemiddeld:
        if (!rij.voorstel)
            return {};
        if (role == Qt::DisplayRole)
            return CentenTekst(rij.voorstel->bedrag);
        if (role == Qt::ForegroundRole)
            return Grijs;
        if (role == Qt::ToolTipRole) {
            return QStringLiteral("Gemiddeld € %1 per maand van %2")
                .arg(CentenTekst(rij.voorstel->gemiddeld), VoorstelMaanden(m_maand->EersteDag()));
        }
        return {};
    case Uitgegeven:
        if (role == Qt::DisplayRole && (rij.begroot || rij.uitgegeven != 0))
            return CentenTekst(rij.uitgegeven);
        // Without a budget it counts in no total.
        if (role == Qt::ForegroundRole && !rij.begroot)
            return Grijs;
        return {};
    case Over:
        if (role == Qt::DisplayRole && over)
            return CentenTekst(*over);
        if (role == Qt::ForegroundRole && over && *over < 0)
            return Rood;
        return {};
    default:
        return {};
    }
}

QVariant BegrotingModel::TotaalData(const BegrotingTotaal &totaal, int kolom, int role) const
{
    if (role == Qt::FontRole)
        return Vet(role);
    if (role == Qt::ForegroundRole && kolom == Over && totaal.Over() < 0)
        return Rood;
    if (role != Qt::DisplayRole)
        return {};
    switch (kolom) {
    case Begroot:
        return CentenTekst(totaal.begroot);
    case Uitgegeven:
        return CentenTekst(totaal.uitgegeven);
    case Over:
        return CentenTekst(totaal.Over());
    default:
        return {};
    }
}

bool BegrotingModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int rij = m_plekken[index.row()].index;
    return index.column() == Begroot ? ZetBegroot(rij, value.toString())
                                     : ZetGroep(rij, value.toInt());
}

QVariant BegrotingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= AantalKolommen)
        return {};
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(section >= Begroot ? Qt::AlignRight | Qt::AlignVCenter
                                                   : Qt::AlignLeft | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole) {
        switch (section) {
        case Gemiddeld:
            return QStringLiteral("Wat de omschrijving in de twaalf maanden hiervoor gemiddeld "
                                  "per maand kostte, naar boven afgerond: het voorstel");
        case Uitgegeven:
            return QStringLiteral("Uitgaven min inkomsten onder de omschrijving in deze maand");
        case Over:
            return QStringLiteral("Begroot min uitgegeven, rood wanneer er meer is uitgegeven");
        default:
            return {};
        }
    }
    if (role != Qt::DisplayRole)
        return {};
    static const QStringList koppen { QStringLiteral("Omschrijving"), QStringLiteral("Groep"),
        QStringLiteral("Begroot"), QStringLiteral("Gemiddeld"), QStringLiteral("Uitgegeven"),
        QStringLiteral("Over") };
    return koppen.at(section);
}
