#include "listwindows/SaldoRijen.h"

#include "common/Bedrag.h"
#include "common/GewoneTekst.h"

int SaldoRijen::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rijen.size());
}

int SaldoRijen::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : AantalKolommen;
}

QVariant SaldoRijen::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Rij &rij = m_rijen[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == Saldo ? CentenTekst(rij.centen) : QString();
    case Qt::TextAlignmentRole:
        if (index.column() == Saldo)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::ToolTipRole:
        // With a blank on either side, as every tooltip of the program; a name as written.
        return GewoneTekst(QStringLiteral(" %1 ").arg(rij.lijst));
    default:
        return {};
    }
}

QVariant SaldoRijen::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section != Saldo)
        return {};
    if (role == Qt::DisplayRole)
        return QStringLiteral("Saldo");
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

void SaldoRijen::MaakLeeg()
{
    if (m_rijen.isEmpty())
        return;
    beginResetModel();
    m_rijen.clear();
    endResetModel();
}

void SaldoRijen::VoegToe(const QString &lijst, qint64 centen)
{
    const int rij = static_cast<int>(m_rijen.size());
    beginInsertRows({}, rij, rij);
    m_rijen.append({ lijst, centen });
    endInsertRows();
}
