#include "common/ItemModel.h"

#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <new>
#include <numeric>
#include <utility>

namespace {

// The amounts stand right-aligned under their heads.
QVariant Uitlijning(int kolom)
{
    const Qt::Alignment uitlijning = kolom >= ItemModel::Inkomsten ? Qt::AlignRight : Qt::AlignLeft;
    return static_cast<int>(uitlijning | Qt::AlignVCenter);
}

} // namespace

TekenBlok::TekenBlok(const TekenBlok &ander)
{
    Voeg(QStringView(ander.m_data, ander.m_grootte));
}

TekenBlok::TekenBlok(TekenBlok &&ander) noexcept
    : m_data(std::exchange(ander.m_data, nullptr))
    , m_grootte(std::exchange(ander.m_grootte, 0))
    , m_capaciteit(std::exchange(ander.m_capaciteit, 0))
{
}

TekenBlok &TekenBlok::operator=(TekenBlok ander) noexcept
{
    std::swap(m_data, ander.m_data);
    std::swap(m_grootte, ander.m_grootte);
    std::swap(m_capaciteit, ander.m_capaciteit);
    return *this;
}

TekenBlok::~TekenBlok()
{
    std::free(m_data);
}

void TekenBlok::Voeg(QStringView tekst)
{
    if (tekst.isEmpty())
        return;
    std::memcpy(Einde(tekst.size()), tekst.utf16(), static_cast<size_t>(tekst.size()) * 2);
    m_grootte += tekst.size();
}

void TekenBlok::Reserveer(qsizetype capaciteit)
{
    if (capaciteit > m_capaciteit)
        Herplaats(capaciteit);
}

void TekenBlok::Krimp()
{
    if (m_capaciteit > m_grootte)
        Herplaats(m_grootte);
}

// Half as much again as needed, so appending row after row moves the block only now and then.
void TekenBlok::Groter(qsizetype ruimte)
{
    Herplaats(std::max(m_grootte + ruimte, m_capaciteit + m_capaciteit / 2 + 64));
}

// realloc keeps the characters and, for a large block, moves its pages rather than copying them.
void TekenBlok::Herplaats(qsizetype capaciteit)
{
    if (capaciteit == 0) {
        std::free(std::exchange(m_data, nullptr));
        m_capaciteit = 0;
        return;
    }
    void *nieuw = std::realloc(m_data, static_cast<size_t>(capaciteit) * sizeof(char16_t));
    if (!nieuw)
        throw std::bad_alloc();
    m_data = static_cast<char16_t *>(nieuw);
    m_capaciteit = capaciteit;
}

qsizetype ItemRijen::Plek::Totaal() const
{
    return std::accumulate(lengte.begin(), lengte.end(), qsizetype(0));
}

QStringView ItemRijen::Cel(int rij, int kolom) const
{
    Q_ASSERT(rij >= 0 && rij < Aantal());
    Q_ASSERT(kolom >= 0 && kolom < AantalCellen);
    const Plek &plek = m_plekken[static_cast<size_t>(rij)];
    qsizetype begin = plek.begin;
    for (int k = 0; k < kolom; ++k)
        begin += plek.lengte[k];
    return QStringView(m_tekst.Data() + begin, plek.lengte[kolom]);
}

Item ItemRijen::Rij(int rij) const
{
    return { Cel(rij, 0).toString(), Cel(rij, 1).toString(), Cel(rij, 2).toString(),
        Cel(rij, 3).toString() };
}

// Writes the texts of a row at the end and says in `plek` where they lie.
void ItemRijen::Schrijf(QStringView datum, QStringView omschrijving, QStringView inkomsten,
    QStringView uitgaven, Plek &plek)
{
    Q_ASSERT(m_openCellen == 0);
    const std::array<QStringView, AantalCellen> cellen
        = { datum, omschrijving, inkomsten, uitgaven };
    qsizetype totaal = 0;
    bool eigen = false;
    const std::less_equal<const char16_t *> voor;
    const char16_t *tekst = m_tekst.Data();
    for (const QStringView cel : cellen) {
        Q_ASSERT(cel.size() <= qsizetype(std::numeric_limits<quint32>::max()));
        totaal += cel.size();
        eigen = eigen
            || (!cel.isEmpty() && voor(tekst, cel.utf16())
                && voor(cel.utf16() + cel.size(), tekst + m_tekst.Grootte()));
    }
    // Texts of these very rows would move when the block grows: they are copied first.
    if (eigen) {
        QString kopie;
        kopie.reserve(totaal);
        for (const QStringView cel : cellen)
            kopie.append(cel);
        const QStringView k = kopie;
        Schrijf(k.first(datum.size()), k.sliced(datum.size(), omschrijving.size()),
            k.sliced(datum.size() + omschrijving.size(), inkomsten.size()), k.last(uitgaven.size()),
            plek);
        return;
    }
    plek.begin = m_tekst.Grootte();
    m_tekst.Einde(totaal);
    for (int kolom = 0; kolom < AantalCellen; ++kolom) {
        plek.lengte[kolom] = static_cast<quint32>(cellen[kolom].size());
        m_tekst.Voeg(cellen[kolom]);
    }
}

void ItemRijen::Voeg(
    QStringView datum, QStringView omschrijving, QStringView inkomsten, QStringView uitgaven)
{
    Plek plek;
    Schrijf(datum, omschrijving, inkomsten, uitgaven, plek);
    m_plekken.push_back(plek);
}

void ItemRijen::Voeg(const Item &item)
{
    Voeg(item.datum, item.omschrijving, item.inkomsten, item.uitgaven);
}

// The new texts go at the end; the old ones stay behind as waste until there is much of it.
void ItemRijen::Vervang(int rij, const Item &item)
{
    Plek &oud = m_plekken.at(static_cast<size_t>(rij));
    Plek plek;
    Schrijf(item.datum, item.omschrijving, item.inkomsten, item.uitgaven, plek);
    m_afval += oud.Totaal();
    oud = plek;
    RuimOpAlsNodig();
}

void ItemRijen::Verwijder(int rij)
{
    Q_ASSERT(rij >= 0 && rij < Aantal());
    const auto plek = m_plekken.begin() + rij;
    m_afval += plek->Totaal();
    m_plekken.erase(plek);
    RuimOpAlsNodig();
}

void ItemRijen::VoegAchter(ItemRijen &&rijen)
{
    Q_ASSERT(&rijen != this && m_openCellen == 0);
    rijen.Verwerp();
    if (m_plekken.empty()) {
        Wis();
        std::swap(*this, rijen);
        return;
    }
    const qsizetype verschuiving = m_tekst.Grootte();
    m_tekst.Voeg(QStringView(rijen.m_tekst.Data(), rijen.m_tekst.Grootte()));
    const size_t eerste = m_plekken.size();
    m_plekken.insert(m_plekken.end(), rijen.m_plekken.begin(), rijen.m_plekken.end());
    for (size_t i = eerste; i < m_plekken.size(); ++i)
        m_plekken[i].begin += verschuiving;
    m_afval += rijen.m_afval;
    rijen.Wis();
    RuimOpAlsNodig();
}

void ItemRijen::Wis()
{
    m_tekst = TekenBlok();
    std::vector<Plek>().swap(m_plekken);
    m_afval = 0;
    m_openCellen = 0;
}

void ItemRijen::Reserveer(qsizetype rijen)
{
    m_plekken.reserve(m_plekken.size() + static_cast<size_t>(rijen));
}

// Only the texts: their block shrinks where it lies, while the records would be copied.
void ItemRijen::Krimp()
{
    m_tekst.Krimp();
}

// Once more than half the block is waste, the texts in use are copied together; each change
// has then paid for its share of the copy.
void ItemRijen::RuimOpAlsNodig()
{
    if (m_afval <= m_tekst.Grootte() / 2)
        return;
    TekenBlok tekst;
    tekst.Reserveer(m_tekst.Grootte() - m_afval);
    for (Plek &plek : m_plekken) {
        const qsizetype begin = tekst.Grootte();
        tekst.Voeg(QStringView(m_tekst.Data() + plek.begin, plek.Totaal()));
        plek.begin = begin;
    }
    m_tekst = std::move(tekst);
    m_afval = 0;
}

char16_t *ItemRijen::BeginCel(qsizetype hoogstens)
{
    Q_ASSERT(m_openCellen < AantalCellen);
    Q_ASSERT(hoogstens <= qsizetype(std::numeric_limits<quint32>::max()));
    if (m_openCellen == 0)
        m_open.begin = m_tekst.Grootte();
    return m_tekst.Einde(hoogstens);
}

void ItemRijen::SluitCel(qsizetype lengte)
{
    m_tekst.Groei(lengte);
    m_open.lengte[m_openCellen++] = static_cast<quint32>(lengte);
}

void ItemRijen::SluitRij()
{
    Q_ASSERT(m_openCellen == AantalCellen);
    m_plekken.push_back(m_open);
    m_openCellen = 0;
}

void ItemRijen::Verwerp()
{
    if (m_openCellen == 0)
        return;
    m_tekst.Kap(m_open.begin);
    m_openCellen = 0;
}

bool operator==(const ItemRijen &a, const ItemRijen &b)
{
    if (a.Aantal() != b.Aantal())
        return false;
    for (size_t rij = 0; rij < a.m_plekken.size(); ++rij) {
        const ItemRijen::Plek &pa = a.m_plekken[rij];
        const ItemRijen::Plek &pb = b.m_plekken[rij];
        if (pa.lengte != pb.lengte
            || QStringView(a.m_tekst.Data() + pa.begin, pa.Totaal())
                != QStringView(b.m_tekst.Data() + pb.begin, pb.Totaal()))
            return false;
    }
    return true;
}

ItemModel::ItemModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ItemModel::VoegToe(const Item &item)
{
    const int rij = Aantal();
    beginInsertRows({}, rij, rij);
    m_rijen.Voeg(item);
    endInsertRows();
}

void ItemModel::VoegToe(ItemRijen &&rijen)
{
    if (rijen.Aantal() == 0)
        return;
    const int eerste = Aantal();
    beginInsertRows({}, eerste, eerste + rijen.Aantal() - 1);
    m_rijen.VoegAchter(std::move(rijen));
    endInsertRows();
}

void ItemModel::Wijzig(int rij, const Item &item)
{
    m_rijen.Vervang(rij, item);
    Q_EMIT dataChanged(index(rij, 0), index(rij, AantalKolommen - 1));
}

void ItemModel::Verwijder(int rij)
{
    Q_ASSERT(rij >= 0 && rij < Aantal());
    beginRemoveRows({}, rij, rij);
    m_rijen.Verwijder(rij);
    endRemoveRows();
}

void ItemModel::MaakLeeg()
{
    beginResetModel();
    m_rijen.Wis();
    endResetModel();
}

QModelIndex ItemModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || row >= Aantal() || column < 0 || column >= AantalKolommen)
        return {};
    return createIndex(row, column);
}

Qt::ItemFlags ItemModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

int ItemModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Aantal();
}

int ItemModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : AantalKolommen;
}

QVariant ItemModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return Cel(index.row(), index.column()).toString();
    case Qt::TextAlignmentRole:
        return Uitlijning(index.column());
    default:
        return {};
    }
}

QVariant ItemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= AantalKolommen)
        return {};
    if (role == Qt::DisplayRole) {
        static const QString koppen[AantalKolommen]
            = { QStringLiteral("Datum"), QStringLiteral("Omschrijving"),
                  QStringLiteral("Inkomsten"), QStringLiteral("Uitgaven") };
        return koppen[section];
    }
    if (role == Qt::TextAlignmentRole)
        return Uitlijning(section);
    return {};
}
