#include "common/ItemModel.h"

namespace {

const QString &Cel(const Item &item, int kolom)
{
    switch (kolom) {
    case ItemModel::Datum:
        return item.datum;
    case ItemModel::Omschrijving:
        return item.omschrijving;
    case ItemModel::Inkomsten:
        return item.inkomsten;
    default:
        return item.uitgaven;
    }
}

// The amounts stand right-aligned under their heads.
QVariant Uitlijning(int kolom)
{
    const Qt::Alignment uitlijning = kolom >= ItemModel::Inkomsten ? Qt::AlignRight : Qt::AlignLeft;
    return static_cast<int>(uitlijning | Qt::AlignVCenter);
}

} // namespace

ItemModel::ItemModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ItemModel::VoegToe(Item item)
{
    const int rij = Aantal();
    beginInsertRows({}, rij, rij);
    m_items.push_back(std::move(item));
    endInsertRows();
}

void ItemModel::VoegToe(std::vector<Item> items)
{
    if (items.empty())
        return;
    const int eerste = Aantal();
    beginInsertRows({}, eerste, eerste + static_cast<int>(items.size()) - 1);
    if (m_items.empty())
        m_items = std::move(items);
    else
        m_items.insert(m_items.end(), std::make_move_iterator(items.begin()),
                       std::make_move_iterator(items.end()));
    endInsertRows();
}

void ItemModel::Wijzig(int rij, Item item)
{
    m_items.at(static_cast<size_t>(rij)) = std::move(item);
    Q_EMIT dataChanged(index(rij, 0), index(rij, AantalKolommen - 1));
}

void ItemModel::Verwijder(int rij)
{
    Q_ASSERT(rij >= 0 && rij < Aantal());
    beginRemoveRows({}, rij, rij);
    m_items.erase(m_items.begin() + rij);
    endRemoveRows();
}

void ItemModel::MaakLeeg()
{
    beginResetModel();
    m_items.clear();
    m_items.shrink_to_fit();
    endResetModel();
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
        return Cel(Rij(index.row()), index.column());
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
        static const QString koppen[AantalKolommen] = {
            QStringLiteral("Datum"), QStringLiteral("Omschrijving"), QStringLiteral("Inkomsten"),
            QStringLiteral("Uitgaven")};
        return koppen[section];
    }
    if (role == Qt::TextAlignmentRole)
        return Uitlijning(section);
    return {};
}
