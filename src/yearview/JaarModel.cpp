#include "yearview/JaarModel.h"

#include "lists/Posten.h"

#include <QColor>
#include <QFont>

JaarModel::JaarModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void JaarModel::ZetTabel(JaarTabel tabel)
{
    beginResetModel();
    m_tabel = std::move(tabel);
    Zoek();
    endResetModel();
}

void JaarModel::ZetZoektekst(const QString &tekst)
{
    beginResetModel();
    m_zoektekst = tekst;
    Zoek();
    endResetModel();
}

void JaarModel::Zoek()
{
    m_gevonden = GevondenRijen(m_tabel, m_zoektekst);
    m_totaal = Totaal(m_tabel, m_gevonden);
}

const JaarRij *JaarModel::Rij(int rij) const
{
    if (rij < 0 || rij >= rowCount())
        return nullptr;
    if (rij == static_cast<int>(m_gevonden.size()))
        return &m_totaal;
    return &m_tabel.rijen[m_gevonden[rij]];
}

int JaarModel::rowCount(const QModelIndex &parent) const
{
    // A year without entries has no total either: the table stays empty.
    if (parent.isValid() || m_tabel.rijen.empty())
        return 0;
    return static_cast<int>(m_gevonden.size()) + 1;
}

int JaarModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : AantalKolommen;
}

QVariant JaarModel::data(const QModelIndex &index, int role) const
{
    const JaarRij *rij = Rij(index.row());
    const int kolom = index.column();
    if (!rij || kolom < 0 || kolom >= AantalKolommen)
        return {};
    if (role == Qt::FontRole && rij == &m_totaal) {
        // Only the weight: the rest comes from the table's own font.
        QFont vet;
        vet.setBold(true);
        return vet;
    }
    if (kolom == Omschrijving) {
        if (role == Qt::DisplayRole)
            return rij->omschrijving;
        if (role == Qt::TextAlignmentRole)
            return static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter);
        return {};
    }

    const Telling &telling = kolom == Totaalkolom ? rij->jaar : rij->maanden[kolom - Jan];
    switch (role) {
    case Qt::DisplayRole:
        return CelTekst(telling);
    case Qt::ToolTipRole:
        if (telling.posten == 0)
            return {};
        return PostenTekst(telling.posten, telling.inkomsten, telling.uitgaven);
    case Qt::ForegroundRole:
        if (telling.Saldo() < 0)
            return QColor(170, 0, 0);
        return {};
    case Qt::TextAlignmentRole:
        return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant JaarModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= AantalKolommen)
        return {};
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(section == Omschrijving ? Qt::AlignLeft | Qt::AlignVCenter
                                                        : Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    return Koppen().at(section);
}
