#include "bank/Velden.h"

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
    qsizetype i = 0;
    const qsizetype n = regel.size();
    while (true) {
        QChar *veld = uit;
        bool inAanhaling = false;
        for (; i < n; ++i) {
            const QChar c = regel[i];
            if (inAanhaling) {
                if (c != aanhaling)
                    *uit++ = c;
                else if (i + 1 < n && regel[i + 1] == aanhaling)
                    *uit++ = regel[++i];
                else
                    inAanhaling = false;
            } else if (c == scheiding) {
                break;
            } else if (c == aanhaling) {
                inAanhaling = true;
            } else {
                *uit++ = c;
            }
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
