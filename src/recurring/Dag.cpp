#include "recurring/Dag.h"

#include <algorithm>

namespace {

// QDate's Julian day of 1 January 1970.
constexpr qint64 Julian1970 = 2440588;

// Whole division rounding down, also for negative numbers.
constexpr qint64 Omlaag(qint64 teller, qint64 noemer)
{
    return teller / noemer - (teller % noemer < 0 ? 1 : 0);
}

} // namespace

// Days from and to a calendar date by eras of 400 years, as Howard Hinnant's well-known
// algorithms reckon them.
Dag Dag::Van(int jaar, int maand, int dag)
{
    const qint64 j = jaar - (maand <= 2 ? 1 : 0);
    const qint64 era = Omlaag(j, 400);
    const qint64 jaarVanEra = j - era * 400;
    const qint64 dagVanJaar = (153 * (maand + (maand > 2 ? -3 : 9)) + 2) / 5 + dag - 1;
    const qint64 dagVanEra = jaarVanEra * 365 + jaarVanEra / 4 - jaarVanEra / 100 + dagVanJaar;
    return { era * 146097 + dagVanEra - 719468, jaar, maand, dag };
}

Dag Dag::Van(QDate datum)
{
    return OpNummer(datum.toJulianDay() - Julian1970);
}

Dag Dag::OpNummer(qint64 nummer)
{
    const qint64 z = nummer + 719468;
    const qint64 era = Omlaag(z, 146097);
    const qint64 dagVanEra = z - era * 146097;
    const qint64 jaarVanEra
        = (dagVanEra - dagVanEra / 1460 + dagVanEra / 36524 - dagVanEra / 146096) / 365;
    const qint64 dagVanJaar = dagVanEra - (365 * jaarVanEra + jaarVanEra / 4 - jaarVanEra / 100);
    const qint64 mp = (5 * dagVanJaar + 2) / 153;
    const int dag = static_cast<int>(dagVanJaar - (153 * mp + 2) / 5 + 1);
    const int maand = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int jaar = static_cast<int>(jaarVanEra + era * 400 + (maand <= 2 ? 1 : 0));
    return { nummer, jaar, maand, dag };
}

QDate Dag::Datum() const
{
    return QDate::fromJulianDay(nummer + Julian1970);
}

int DagenInMaand(int jaar, int maand)
{
    static constexpr int Dagen[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    const bool schrikkel = (jaar % 4 == 0 && jaar % 100 != 0) || jaar % 400 == 0;
    return maand == 2 && schrikkel ? 29 : Dagen[maand - 1];
}

Dag MaandenNa(const Dag &anker, int keer)
{
    const qint64 maanden = qint64(anker.jaar) * 12 + anker.maand - 1 + keer;
    const int jaar = static_cast<int>(Omlaag(maanden, 12));
    const int maand = static_cast<int>(maanden - qint64(jaar) * 12) + 1;
    return Dag::Van(jaar, maand, std::min(anker.dag, DagenInMaand(jaar, maand)));
}
