#include "bank/Velden.h"

namespace {

// Where the field quoted at `open` ends: the first quote before `grens` that is not one of a
// doubled pair and stands before blanks and then the separator or the end of the line; -1 when
// there is none.
qsizetype Sluiting(
    QStringView regel, qsizetype open, qsizetype grens, QChar scheiding, QChar aanhaling)
{
    const qsizetype n = regel.size();
    for (qsizetype i = regel.indexOf(aanhaling, open + 1); i >= 0 && i < grens;
         i = regel.indexOf(aanhaling, i + 1)) {
        if (i + 1 < n && regel[i + 1] == aanhaling) {
            ++i;
            continue;
        }
        qsizetype na = i + 1;
        while (na < n && regel[na] == u' ')
            ++na;
        if (na == n || regel[na] == scheiding)
            return i;
    }
    return -1;
}

} // namespace

void Velden::Splits(QStringView regel, QChar scheiding, QChar aanhaling)
{
    SplitsIn(regel, scheiding, aanhaling);
    if (Aantal() == 1 && regel.startsWith(aanhaling) && (*this)[0].contains(scheiding)) {
        m_ontpakt = (*this)[0].toString();
        SplitsIn(m_ontpakt, scheiding, aanhaling);
    }
}

void Velden::SplitsIn(QStringView regel, QChar scheiding, QChar aanhaling)
{
    // Unquoting only shortens, so the fields fit in a buffer of the line's size.
    m_tekst.resize(regel.size());
    QChar *uit = m_tekst.data();
    QChar *const begin = uit;
    m_plekken.clear();
    const qsizetype n = regel.size();
    // Once no quote closes a field up to the end of the line, a later field can close only within
    // the quotes it opens with (as '' does): the rest of the line is searched at most once.
    bool geenSluiting = false;
    qsizetype i = 0;
    while (true) {
        QChar *veld = uit;
        qsizetype sluiting = -1;
        if (i < n && regel[i] == aanhaling) {
            qsizetype grens = i;
            while (geenSluiting && grens < n && regel[grens] == aanhaling)
                ++grens;
            sluiting = Sluiting(regel, i, geenSluiting ? grens : n, scheiding, aanhaling);
            geenSluiting = geenSluiting || sluiting < 0;
        }
        if (sluiting >= 0) {
            for (++i; i < sluiting; ++i) {
                *uit++ = regel[i];
                if (regel[i] == aanhaling && i + 1 < sluiting && regel[i + 1] == aanhaling)
                    ++i;
            }
            i = regel.indexOf(scheiding, sluiting);
            if (i < 0)
                i = n;
        } else {
            for (; i < n && regel[i] != scheiding; ++i)
                *uit++ = regel[i];
        }
        m_plekken.emplace_back(veld - begin, uit - veld);
        // No bank writes this many columns; a line of junk costs no more than this.
        if (i >= n || Aantal() == HoogstensVelden)
            break;
        ++i; // past the separator
    }
}

QStringView Velden::operator[](qsizetype veld) const
{
    if (veld < 0 || veld >= Aantal())
        return {};
    const auto [begin, lengte] = m_plekken[static_cast<size_t>(veld)];
    return QStringView(m_tekst).sliced(begin, lengte);
}

qsizetype Velden::Kolom(QStringView naam) const
{
    for (qsizetype veld = 0; veld < Aantal(); ++veld) {
        if ((*this)[veld].trimmed() == naam)
            return veld;
    }
    return -1;
}
