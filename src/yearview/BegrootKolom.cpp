#include "yearview/BegrootKolom.h"

#include "common/Bedrag.h"
#include "yearview/JaarModel.h"

#include <QColor>
#include <QFont>

namespace {

constexpr QColor BovenBegroting(215, 0, 0);

} // namespace

BegrootKolom::BegrootKolom(JaarModel &jaar, QObject *parent)
    : QAbstractProxyModel(parent)
    , m_jaar(jaar)
{
    setSourceModel(&jaar);
    // The year's table changes only as a whole: another year, another search.
    connect(&jaar, &QAbstractItemModel::modelAboutToBeReset, this, &BegrootKolom::beginResetModel);
    connect(&jaar, &QAbstractItemModel::modelReset, this, [this] {
        ZoekBedragen();
        endResetModel();
    });
    ZoekBedragen();
}

void BegrootKolom::ZetBegrotingen(Begrotingen begrotingen)
{
    beginResetModel();
    m_begrotingen = std::move(begrotingen);
    ZoekBedragen();
    endResetModel();
}

void BegrootKolom::ZoekBedragen()
{
    m_bedragen.assign(static_cast<size_t>(m_jaar.rowCount()), std::nullopt);
    for (int rij = 0; rij < m_jaar.rowCount(); ++rij) {
        const JaarRij *jaarRij = m_jaar.Rij(rij);
        // The total's row is no description.
        if (jaarRij != &m_jaar.TotaalRij())
            m_bedragen[static_cast<size_t>(rij)] = m_begrotingen.Bedrag(jaarRij->omschrijving);
    }
}

QModelIndex BegrootKolom::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex BegrootKolom::parent(const QModelIndex &) const
{
    return {};
}

int BegrootKolom::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_jaar.rowCount();
}

int BegrootKolom::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_jaar.columnCount() + 1;
}

QModelIndex BegrootKolom::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || proxyIndex.column() == Kolom)
        return {};
    const int kolom = proxyIndex.column() < Kolom ? proxyIndex.column() : proxyIndex.column() - 1;
    return m_jaar.index(proxyIndex.row(), kolom);
}

QModelIndex BegrootKolom::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid())
        return {};
    return index(sourceIndex.row(), Van(sourceIndex.column()));
}

Qt::ItemFlags BegrootKolom::flags(const QModelIndex &index) const
{
    // The budget's cell is one of its row, chosen with it.
    if (index.isValid() && index.column() == Kolom)
        return m_jaar.flags(m_jaar.index(index.row(), JaarModel::Omschrijving));
    return QAbstractProxyModel::flags(index);
}

QVariant BegrootKolom::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const std::optional<qint64> &bedrag = m_bedragen[static_cast<size_t>(index.row())];
    if (index.column() == Kolom) {
        if (role == Qt::DisplayRole && bedrag)
            return CentenTekst(*bedrag);
        if (role == Qt::TextAlignmentRole)
            return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
        return role == Qt::FontRole ? m_jaar.data(m_jaar.index(index.row(), 0), role) : QVariant();
    }
    const QModelIndex bron = mapToSource(index);
    const int maand = bron.column() - JaarModel::Jan;
    if (!bedrag || maand < 0 || maand >= 12)
        return m_jaar.data(bron, role);
    // What went out under the description that month, beyond its budget.
    const Telling &telling = m_jaar.Rij(index.row())->maanden[static_cast<size_t>(maand)];
    const qint64 boven = CentenVerschil(CentenVerschil(0, telling.Saldo()), *bedrag);
    if (telling.posten == 0 || boven <= 0)
        return m_jaar.data(bron, role);
    switch (role) {
    case Qt::ForegroundRole:
        return BovenBegroting;
    case Qt::FontRole: {
        QFont vet;
        vet.setBold(true);
        return vet;
    }
    case Qt::ToolTipRole:
        return QStringLiteral("€ %1 boven de begroting\n%2")
            .arg(CentenTekst(boven), m_jaar.data(bron, role).toString());
    default:
        return m_jaar.data(bron, role);
    }
}

QVariant BegrootKolom::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return m_jaar.headerData(section, orientation, role);
    if (section != Kolom)
        return m_jaar.headerData(section < Kolom ? section : section - 1, orientation, role);
    if (role == Qt::DisplayRole)
        return QStringLiteral("Begroot");
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole)
        return QStringLiteral("De begroting per maand");
    return {};
}
