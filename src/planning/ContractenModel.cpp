#include "planning/ContractenModel.h"

#include "common/Bedrag.h"
#include "common/ItemModel.h"
#include "common/MaandNamen.h"
#include "recurring/ContractTekst.h"
#include "recurring/VasteLast.h"

#include <QColor>
#include <QFont>

#include <cstdlib>

namespace {

constexpr QColor Nadelig(150, 20, 20); // paying more, or receiving less
constexpr QColor Gunstig(0, 110, 0);
constexpr QColor Gestopt(90, 90, 150);
constexpr QColor Grijs(110, 110, 100);

} // namespace

ContractenModel::ContractenModel(std::vector<Contract> contracten, QDate vandaag, QObject *parent)
    : QAbstractTableModel(parent)
    , m_contracten(std::move(contracten))
    , m_vandaag(vandaag)
{
    // The contracts come incomes first, each group by amount.
    for (const bool inkomsten : { true, false }) {
        bool kop = false;
        for (size_t i = 0; i < m_contracten.size(); ++i) {
            if ((m_contracten[i].bedrag > 0) != inkomsten)
                continue;
            if (!kop) {
                m_rijen.push_back({ -1, inkomsten });
                kop = true;
            }
            m_rijen.push_back({ static_cast<int>(i), inkomsten });
        }
    }
}

void ContractenModel::ZetVasteLasten(const ItemRijen &vasteLasten)
{
    for (Rij &rij : m_rijen) {
        if (rij.contract < 0)
            continue;
        rij.vasteLast = VasteLastVan(ContractVan(rij), vasteLasten);
        rij.vastZelfdeBedrag
            = rij.vasteLast >= 0 && ZelfdeBedrag(vasteLasten.Rij(rij.vasteLast), ContractVan(rij));
        rij.gekozen = rij.gekozen && Kiesbaar(rij);
    }
    if (!m_rijen.empty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, AantalKolommen - 1));
    Q_EMIT KeuzeGewijzigd();
}

int ContractenModel::AantalGekozen() const
{
    return static_cast<int>(
        std::count_if(m_rijen.begin(), m_rijen.end(), [](const Rij &rij) { return rij.gekozen; }));
}

ContractenModel::Toegevoegd ContractenModel::VoegGekozenToe(ItemModel &vasteLasten) const
{
    Toegevoegd toegevoegd;
    for (const Rij &rij : m_rijen) {
        if (!rij.gekozen)
            continue;
        if (rij.vasteLast >= 0) {
            vasteLasten.Wijzig(rij.vasteLast,
                BijgewerkteVasteLast(vasteLasten.Rij(rij.vasteLast), ContractVan(rij)));
            ++toegevoegd.bijgewerkt;
        } else {
            vasteLasten.VoegToe(AlsVasteLast(ContractVan(rij)));
            ++toegevoegd.nieuw;
        }
    }
    return toegevoegd;
}

bool ContractenModel::Kiesbaar(const Rij &rij) const
{
    return rij.contract >= 0 && !ContractVan(rij).gestopt && !rij.vastZelfdeBedrag;
}

QString ContractenModel::LetOpTekst(const Rij &rij) const
{
    QStringList delen;
    if (const QString opmerking = Opmerking(ContractVan(rij), m_vandaag); !opmerking.isEmpty())
        delen.append(opmerking);
    if (rij.vastZelfdeBedrag) {
        delen.append(QStringLiteral("Staat in de vaste lasten"));
    } else if (rij.vasteLast >= 0) {
        delen.append(QStringLiteral("Vaste last bijwerken"));
    }
    return delen.join(QStringLiteral("; "));
}

QVariant ContractenModel::Kleur(const Rij &rij, int kolom) const
{
    const Contract &contract = ContractVan(rij);
    if (contract.gestopt)
        return kolom == LetOp ? Gestopt : Grijs;
    if (kolom != LetOp)
        return {};
    if (contract.wijziging) {
        // For an income more is good news, for a cost it is not.
        const bool meer = std::abs(contract.wijziging->nieuw) > std::abs(contract.wijziging->oud);
        return meer == (contract.bedrag < 0) ? Nadelig : Gunstig;
    }
    return Grijs;
}

int ContractenModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rijen.size());
}

int ContractenModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : AantalKolommen;
}

QVariant ContractenModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Rij &rij = m_rijen[static_cast<size_t>(index.row())];
    const int kolom = index.column();
    if (rij.contract < 0) {
        if (role == Qt::FontRole) {
            QFont vet;
            vet.setBold(true);
            return vet;
        }
        if (role != Qt::DisplayRole || kolom != Omschrijving)
            return {};
        const qint64 totaal = MaandTotaal(m_contracten, rij.inkomsten);
        return QStringLiteral("%1, per maand € %2")
            .arg(rij.inkomsten ? QStringLiteral("Inkomsten") : QStringLiteral("Uitgaven"),
                CentenTekst(std::abs(totaal)));
    }
    const Contract &contract = ContractVan(rij);
    switch (role) {
    case Qt::DisplayRole:
        switch (kolom) {
        case Omschrijving:
            return contract.omschrijving;
        case Tegenpartij:
            return contract.tegenpartij;
        case Elke:
            return ElkeTekst(contract.elke);
        case Bedrag:
            return CentenTekst(contract.bedrag);
        case Volgende:
            return contract.volgende.isValid()
                ? DagTekst(contract.volgende, contract.volgende.year() != m_vandaag.year())
                : QString();
        case LetOp:
            return LetOpTekst(rij);
        }
        return {};
    case Qt::CheckStateRole:
        if (kolom == Omschrijving && Kiesbaar(rij))
            return rij.gekozen ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ForegroundRole:
        return Kleur(rij, kolom);
    case Qt::TextAlignmentRole:
        return kolom == Bedrag ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::ToolTipRole: {
        QString tip = Grondslag(contract);
        if (rij.vasteLast >= 0 && !rij.vastZelfdeBedrag)
            tip += QStringLiteral("\nAangevinkt krijgt de vaste last \"%1\" dit bedrag.")
                       .arg(contract.omschrijving);
        return tip;
    }
    }
    return {};
}

bool ContractenModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole || index.column() != Omschrijving)
        return false;
    Rij &rij = m_rijen[static_cast<size_t>(index.row())];
    if (!Kiesbaar(rij))
        return false;
    rij.gekozen = value.value<Qt::CheckState>() == Qt::Checked;
    Q_EMIT dataChanged(index, index, { Qt::CheckStateRole });
    Q_EMIT KeuzeGewijzigd();
    return true;
}

Qt::ItemFlags ContractenModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Rij &rij = m_rijen[static_cast<size_t>(index.row())];
    if (rij.contract < 0)
        return Qt::ItemIsEnabled;
    Qt::ItemFlags vlaggen = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == Omschrijving && Kiesbaar(rij))
        vlaggen |= Qt::ItemIsUserCheckable;
    return vlaggen;
}

QVariant ContractenModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= AantalKolommen)
        return {};
    if (role == Qt::TextAlignmentRole)
        return section == Bedrag ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    static const QStringList koppen { QStringLiteral("Omschrijving"), QStringLiteral("Tegenpartij"),
        QStringLiteral("Elke"), QStringLiteral("Bedrag"), QStringLiteral("Volgende"),
        QStringLiteral("Let op") };
    return koppen[section];
}
