#include "budget/BegrotingMaand.h"

#include "budget/Begrotingen.h"
#include "common/Bedrag.h"
#include "common/MaandNamen.h"
#include "lists/Posten.h"
#include "reports/JaarTabel.h"

#include <QStringList>

#include <algorithm>

std::optional<qint64> BegrotingRij::Over() const
{
    if (!begroot)
        return std::nullopt;
    return CentenVerschil(*begroot, uitgegeven);
}

qint64 BegrotingTotaal::Over() const
{
    return CentenVerschil(begroot, uitgegeven);
}

BegrotingMaand::BegrotingMaand(const Posten &posten, const Begrotingen &begrotingen,
    const Vooruitzicht &vooruitzicht, QDate maand, QDate op, Omvang omvang)
    : m_eersteDag(maand.year(), maand.month(), 1)
{
    // The month's entries per description, as the year overview counts them, up to the day.
    QHash<QString, BegrotingRij> rijen;
    const JaarTabel tabel
        = MaakJaarTabel(posten, m_eersteDag.year(), IsoDatum { op.year(), op.month(), op.day() });
    for (const JaarRij &jaarRij : tabel.rijen) {
        const Telling &telling = jaarRij.maanden[m_eersteDag.month() - 1];
        if (telling.posten == 0)
            continue;
        m_saldo = CentenSom(m_saldo, telling.Saldo());
        BegrotingRij &rij = rijen[OmschrijvingSleutel(jaarRij.omschrijving)];
        rij.omschrijving = jaarRij.omschrijving;
        rij.uitgegeven = CentenVerschil(0, telling.Saldo());
    }
    for (BegrotingVoorstel &voorstel : MaakVoorstellen(posten, m_eersteDag)) {
        BegrotingRij &rij = rijen[OmschrijvingSleutel(voorstel.omschrijving)];
        if (rij.omschrijving.isEmpty())
            rij.omschrijving = voorstel.omschrijving;
        rij.voorstel = std::move(voorstel);
    }
    for (const Begroting &begroting : begrotingen.Alle()) {
        BegrotingRij &rij = rijen[OmschrijvingSleutel(begroting.omschrijving)];
        rij.omschrijving = begroting.omschrijving;
        rij.begroot = begroting.bedrag;
        rij.groepGekozen = begroting.groep.has_value();
        if (begroting.groep)
            rij.groep = *begroting.groep;
    }

    for (auto plek = rijen.begin(); plek != rijen.end(); ++plek) {
        BegrotingRij &rij = *plek;
        const bool erbij = rij.begroot
            || (omvang == Omvang::Alle && (rij.voorstel || rij.uitgegeven > 0 || rij.groepGekozen));
        if (!erbij)
            continue;
        if (vooruitzicht.IsLopend(rij.omschrijving))
            rij.voorgesteldeGroep = Uitgavengroep::VasteLasten;
        if (!rij.groepGekozen)
            rij.groep = rij.voorgesteldeGroep;
        m_rijen.push_back(std::move(rij));
    }
    Orden();

    m_verwacht = vooruitzicht.Verwacht(posten, m_eersteDag, op);
}

void BegrotingMaand::Orden()
{
    std::sort(m_rijen.begin(), m_rijen.end(), [](const BegrotingRij &a, const BegrotingRij &b) {
        if (a.groep != b.groep)
            return a.groep < b.groep;
        // Alphabetical, capitals and small letters alike; descriptions alike so read in one way.
        const int volgorde = a.omschrijving.compare(b.omschrijving, Qt::CaseInsensitive);
        return volgorde != 0 ? volgorde < 0 : a.omschrijving < b.omschrijving;
    });
    m_rijVan.clear();
    for (int rij = 0; rij < static_cast<int>(m_rijen.size()); ++rij)
        m_rijVan.insert(OmschrijvingSleutel(m_rijen[rij].omschrijving), rij);
}

int BegrotingMaand::RijVan(QStringView omschrijving) const
{
    return m_rijVan.value(OmschrijvingSleutel(omschrijving), -1);
}

void BegrotingMaand::ZetBegroot(int rij, std::optional<qint64> begroot)
{
    m_rijen[rij].begroot = begroot && *begroot > 0 ? begroot : std::nullopt;
}

int BegrotingMaand::ZetGroep(int rij, std::optional<Uitgavengroep> gekozen)
{
    BegrotingRij &gewijzigd = m_rijen[rij];
    gewijzigd.groepGekozen = gekozen.has_value();
    gewijzigd.groep = gekozen.value_or(gewijzigd.voorgesteldeGroep);
    const QString omschrijving = gewijzigd.omschrijving;
    Orden();
    return RijVan(omschrijving);
}

BegrotingTotaal BegrotingMaand::Totaal() const
{
    BegrotingTotaal totaal;
    for (const Uitgavengroep groep : AlleGroepen) {
        const BegrotingTotaal deel = Totaal(groep);
        totaal.begroot = CentenSom(totaal.begroot, deel.begroot);
        totaal.uitgegeven = CentenSom(totaal.uitgegeven, deel.uitgegeven);
    }
    return totaal;
}

BegrotingTotaal BegrotingMaand::Totaal(Uitgavengroep groep) const
{
    BegrotingTotaal totaal;
    for (const BegrotingRij &rij : m_rijen) {
        if (rij.groep != groep || !rij.begroot)
            continue;
        totaal.begroot = CentenSom(totaal.begroot, *rij.begroot);
        totaal.uitgegeven = CentenSom(totaal.uitgegeven, rij.uitgegeven);
    }
    return totaal;
}

std::vector<VerwachteBetaling> BegrotingMaand::NogVerwacht() const
{
    std::vector<VerwachteBetaling> telt;
    for (const VerwachteBetaling &betaling : m_verwacht) {
        const int rij = RijVan(betaling.omschrijving);
        if (betaling.bedrag > 0 || rij < 0 || !m_rijen[rij].begroot)
            telt.push_back(betaling);
    }
    std::stable_partition(telt.begin(), telt.end(),
        [](const VerwachteBetaling &betaling) { return betaling.bedrag > 0; });
    return telt;
}

qint64 BegrotingMaand::VrijTeBesteden() const
{
    qint64 vrij = m_saldo;
    for (const VerwachteBetaling &betaling : NogVerwacht())
        vrij = CentenSom(vrij, betaling.bedrag);
    for (const BegrotingRij &rij : m_rijen) {
        if (const std::optional<qint64> over = rij.Over(); over && *over > 0)
            vrij = CentenVerschil(vrij, *over);
    }
    return vrij;
}

QString BegrotingMaand::VrijZin() const
{
    return QStringLiteral("Vrij te besteden tot en met %1: € %2")
        .arg(DagTekst(LaatsteDag(), false), CentenTekst(VrijTeBesteden()));
}

QString BegrotingMaand::VerwachtZin() const
{
    QStringList delen;
    for (const VerwachteBetaling &betaling : NogVerwacht()) {
        delen.append(QStringLiteral("%1 € %2 op %3")
                         .arg(betaling.omschrijving,
                             CentenTekst(betaling.bedrag < 0 ? CentenVerschil(0, betaling.bedrag)
                                                             : betaling.bedrag),
                             DagTekst(betaling.datum, false)));
    }
    return delen.join(QStringLiteral("; "));
}
