#include "budget/Vooruitzicht.h"

#include "budget/Begrotingen.h"
#include "common/Bedrag.h"
#include "lists/Posten.h"
#include "matching/GeleerdBestand.h"
#include "recurring/Contracten.h"

#include <QHash>

#include <algorithm>
#include <cstdlib>

Vooruitzicht::Vooruitzicht(
    const Programma &programma, const Posten &posten, QDate op, QStringList *meldingen)
{
    // Read only: the budget never writes or moves what was learned.
    const GeleerdBestand geleerd(programma, GeleerdBestand::Gebruik::AlleenLezen);
    if (meldingen && !geleerd.Melding().isEmpty())
        meldingen->append(geleerd.Melding());
    *this = Vooruitzicht(VindContracten(geleerd.Inhoud(), posten, op));
}

Vooruitzicht::Vooruitzicht(std::vector<Contract> contracten)
{
    for (Contract &contract : contracten) {
        if (contract.gestopt)
            continue;
        m_lopend.insert(OmschrijvingSleutel(contract.omschrijving));
        m_contracten.push_back(std::move(contract));
    }
}

std::vector<VerwachteBetaling> Vooruitzicht::Verwacht(
    const Posten &posten, QDate eersteDag, QDate op) const
{
    const QDate laatsteDag = eersteDag.addMonths(1).addDays(-1);
    // The month's entries up to the day, by description.
    QHash<QString, std::vector<qint64>> gemaakt;
    const IsoDatum van { eersteDag.year(), eersteDag.month(), 1 };
    const IsoDatum tot { op.year(), op.month(), op.day() };
    for (const Post &post : posten.posten) {
        const qint64 centen = CentenVerschil(post.inkomsten, post.uitgaven);
        if (post.datum >= van && post.datum <= tot && centen != 0)
            gemaakt[OmschrijvingSleutel(posten.Tekst(post, ItemModel::Omschrijving))].push_back(
                centen);
    }

    std::vector<VerwachteBetaling> verwacht;
    for (const Contract &contract : m_contracten) {
        std::vector<QDate> datums = VerwachteDatums(contract, op, laatsteDag);
        std::erase_if(datums, [eersteDag](QDate datum) { return datum < eersteDag; });
        if (datums.empty())
            continue;
        // The month's entries of it, beyond the payments the contract counted in the month.
        qint64 meer = 0;
        for (const qint64 centen : gemaakt.value(OmschrijvingSleutel(contract.omschrijving))) {
            if ((centen > 0) == (contract.bedrag > 0)
                && std::llabs(CentenVerschil(centen, contract.bedrag))
                    <= std::llabs(contract.bedrag) / 4)
                ++meer;
        }
        for (int keer = 0; keer < contract.aantal; ++keer) {
            const QDate betaald = DatumNa(contract.elke, contract.laatst, -keer);
            if (betaald < eersteDag)
                break;
            meer -= betaald <= op ? 1 : 0;
        }
        for (size_t i = static_cast<size_t>(std::max<qint64>(0, meer)); i < datums.size(); ++i)
            verwacht.push_back({ contract.omschrijving, contract.bedrag, datums[i] });
    }
    std::stable_sort(verwacht.begin(), verwacht.end(),
        [](const VerwachteBetaling &a, const VerwachteBetaling &b) { return a.datum < b.datum; });
    return verwacht;
}

bool Vooruitzicht::IsLopend(QStringView omschrijving) const
{
    return m_lopend.contains(OmschrijvingSleutel(omschrijving));
}
