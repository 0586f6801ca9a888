#include "bankimport/BankRijen.h"

#include "bank/BankPosten.h"
#include "bank/Bankafschrift.h"
#include "common/Bedrag.h"

#include <QColor>

namespace {

const QColor Grijs(128, 128, 128);
const QColor Rood(200, 0, 0);
constexpr qsizetype LangsteRegel = 200;

} // namespace

BankRijen::BankRijen(
    const Bankafschrift &afschrift, const ItemRijen &lijst, QDate maand, QObject *parent)
    : QIdentityProxyModel(parent)
    , m_maand(maand)
{
    std::vector<Item> nieuw;
    nieuw.reserve(afschrift.posten.size());
    for (const BankPost &post : afschrift.posten)
        nieuw.push_back(AlsItem(post));
    const std::vector<bool> alInLijst = StaanAlInLijst(lijst, nieuw);

    // Transactions and unreadable rows merged back into the order of the file.
    const auto &onleesbaar = afschrift.onleesbaar;
    ItemRijen items;
    items.Reserveer(static_cast<qsizetype>(nieuw.size() + onleesbaar.size()));
    m_rijen.reserve(nieuw.size() + onleesbaar.size());
    size_t p = 0;
    size_t o = 0;
    while (p < nieuw.size() || o < onleesbaar.size()) {
        Rij rij;
        if (o < onleesbaar.size()
            && (p == nieuw.size() || onleesbaar[o].regel < afschrift.posten[p].regel)) {
            m_redenen.insert(static_cast<int>(m_rijen.size()), onleesbaar[o].Melding());
            // Enough of the row to recognise it; a line of junk can be megabytes long.
            items.Voeg(QString(), QStringView(onleesbaar[o].tekst).left(LangsteRegel), QString(),
                QString());
            rij.staat = Staat::Onleesbaar;
            ++o;
        } else {
            items.Voeg(nieuw[p]);
            rij.centen = afschrift.posten[p].centen;
            rij.datum = afschrift.posten[p].datum;
            rij.staat = alInLijst[p] ? Staat::AlInLijst : Staat::Nieuw;
            m_aantalAlInLijst += alInLijst[p] ? 1 : 0;
            ++p;
        }
        rij.gekozen = rij.staat == Staat::Nieuw && InMaand(rij);
        m_rijen.push_back(rij);
    }
    TelGekozen();
    m_items.VoegToe(std::move(items));
    setSourceModel(&m_items);
}

bool BankRijen::InMaand(const Rij &rij) const
{
    return !m_maand.isValid()
        || (rij.datum.year() == m_maand.year() && rij.datum.month() == m_maand.month());
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
        if (rij.centen >= 0)
            m_inkomsten = CentenSom(m_inkomsten, rij.centen);
        else
            m_uitgaven = CentenVerschil(m_uitgaven, rij.centen);
    }
}

void BankRijen::Kies(int rij, bool gekozen)
{
    if (rij < 0 || rij >= static_cast<int>(m_rijen.size()) || !ZetGekozen(m_rijen[rij], gekozen))
        return;
    TelGekozen();
    const QModelIndex cel = index(rij, ItemModel::Datum);
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
    Q_EMIT dataChanged(index(0, ItemModel::Datum),
        index(static_cast<int>(m_rijen.size()) - 1, ItemModel::Datum), { Qt::CheckStateRole });
    Q_EMIT KeuzeGewijzigd();
}

ItemRijen BankRijen::GekozenRijen() const
{
    ItemRijen gekozen;
    gekozen.Reserveer(m_aantalGekozen);
    for (int rij = 0; rij < static_cast<int>(m_rijen.size()); ++rij) {
        if (m_rijen[rij].gekozen) {
            gekozen.Voeg(m_items.Cel(rij, ItemModel::Datum),
                m_items.Cel(rij, ItemModel::Omschrijving), m_items.Cel(rij, ItemModel::Inkomsten),
                m_items.Cel(rij, ItemModel::Uitgaven));
        }
    }
    return gekozen;
}

Qt::ItemFlags BankRijen::flags(const QModelIndex &index) const
{
    Qt::ItemFlags vlaggen = QIdentityProxyModel::flags(index);
    if (index.isValid() && index.column() == ItemModel::Datum
        && m_rijen[index.row()].staat != Staat::Onleesbaar)
        vlaggen |= Qt::ItemIsUserCheckable;
    return vlaggen;
}

QVariant BankRijen::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Rij &rij = m_rijen[index.row()];
    switch (role) {
    case Qt::CheckStateRole:
        if (index.column() == ItemModel::Datum)
            return rij.gekozen ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ForegroundRole:
        if (rij.staat == Staat::AlInLijst)
            return Grijs;
        if (rij.staat == Staat::Onleesbaar)
            return Rood;
        return {};
    case Qt::ToolTipRole:
        if (rij.staat == Staat::AlInLijst)
            return QStringLiteral("Staat al in de lijst");
        if (rij.staat == Staat::Onleesbaar)
            return m_redenen.value(index.row());
        return {};
    default:
        return QIdentityProxyModel::data(index, role);
    }
}

bool BankRijen::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || index.column() != ItemModel::Datum
        || m_rijen[index.row()].staat == Staat::Onleesbaar)
        return false;
    Kies(index.row(), value.toInt() == Qt::Checked);
    return true;
}
