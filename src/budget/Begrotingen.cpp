#include "budget/Begrotingen.h"

#include "common/Bedrag.h"

#include <algorithm>
#include <set>

QString OmschrijvingSleutel(QStringView omschrijving)
{
    return omschrijving.trimmed().toString().toCaseFolded();
}

const Begroting *Begrotingen::Van(QStringView omschrijving) const
{
    const auto plek = m_begrotingen.find(OmschrijvingSleutel(omschrijving));
    return plek == m_begrotingen.end() ? nullptr : &plek->second;
}

std::optional<qint64> Begrotingen::Bedrag(QStringView omschrijving) const
{
    const Begroting *begroting = Van(omschrijving);
    return begroting ? begroting->bedrag : std::nullopt;
}

void Begrotingen::ZetBedrag(const QString &omschrijving, std::optional<qint64> bedrag)
{
    const Begroting *oud = Van(omschrijving);
    Zet({ oud ? oud->omschrijving : omschrijving.trimmed(), bedrag,
        oud ? oud->groep : std::nullopt });
}

void Begrotingen::ZetGroep(const QString &omschrijving, std::optional<Uitgavengroep> groep)
{
    const Begroting *oud = Van(omschrijving);
    Zet({ oud ? oud->omschrijving : omschrijving.trimmed(), oud ? oud->bedrag : std::nullopt,
        groep });
}

void Begrotingen::Zet(Begroting begroting)
{
    if (begroting.bedrag && *begroting.bedrag <= 0)
        begroting.bedrag.reset();
    QString sleutel = OmschrijvingSleutel(begroting.omschrijving);
    if (!begroting.bedrag && !begroting.groep)
        m_begrotingen.erase(sleutel);
    else
        m_begrotingen.insert_or_assign(std::move(sleutel), std::move(begroting));
}

void Begrotingen::NeemOver(const Begrotingen &eerder, const Begrotingen &nu)
{
    std::set<QString> sleutels;
    for (const auto *begrotingen : { &eerder, &nu }) {
        for (const auto &[sleutel, begroting] : begrotingen->m_begrotingen)
            sleutels.insert(sleutel);
    }
    for (const QString &sleutel : sleutels) {
        const Begroting *was = eerder.Van(sleutel);
        const Begroting *is = nu.Van(sleutel);
        if (is && (!was || *was != *is))
            Zet(*is);
        else if (!is && was)
            m_begrotingen.erase(sleutel);
    }
}

std::vector<Begroting> Begrotingen::Alle() const
{
    std::vector<Begroting> alle;
    alle.reserve(m_begrotingen.size());
    for (const auto &[sleutel, begroting] : m_begrotingen)
        alle.push_back(begroting);
    return alle;
}

QString BegrotingFout(const QString &invoer)
{
    if (invoer.trimmed().isEmpty())
        return {};
    if (QString fout = BedragFout(invoer); !fout.isEmpty())
        return fout;
    if (BedragCenten(BedragOpgemaakt(invoer)) < 0)
        return QStringLiteral("Een begroting is niet negatief: \"%1\".").arg(invoer.trimmed());
    return {};
}

std::optional<qint64> BegrotingBedrag(const QString &invoer)
{
    if (invoer.trimmed().isEmpty() || !BegrotingFout(invoer).isEmpty())
        return std::nullopt;
    // Through the stored form, which has dropped the dots that group the thousands.
    const qint64 centen = BedragCenten(BedragOpgemaakt(invoer));
    return centen > 0 ? std::optional(centen) : std::nullopt;
}

QString OmschrijvingFout(const QString &omschrijving)
{
    if (omschrijving.trimmed().isEmpty())
        return QStringLiteral("Geef een omschrijving.");
    if (std::any_of(omschrijving.begin(), omschrijving.end(),
            [](QChar c) { return c.category() == QChar::Other_Control; }))
        return QStringLiteral("Een omschrijving met een stuurteken kan geen begroting krijgen.");
    return {};
}
