// Which series of payments are contracts, with what amount, change and state.
#include "recurring/ContractTekst.h"
#include "recurring/Reeksen.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Betalingen = std::vector<Betaling>;
Q_DECLARE_METATYPE(Betalingen)

namespace {

// The step from one payment to the next: months, or days for the weekly and four-weekly ones.
struct Stap {
    int maanden = 0;
    int dagen = 0;
};
constexpr Stap Maandelijks { 1, 0 };
constexpr Stap Wekelijks { 0, 7 };

// A bank pays on the Monday when the day falls in a weekend.
QDate Werkdag(QDate datum)
{
    return datum.dayOfWeek() > 5 ? datum.addDays(8 - datum.dayOfWeek()) : datum;
}

// Payments from `eerste` on, one per step, of the amounts given (the last repeated `aantal` times
// over when there are fewer).
Betalingen Reeks(const QString &naam, const char *eerste, Stap stap, int aantal,
    std::initializer_list<qint64> bedragen, const QString &woord = {})
{
    Betalingen reeks;
    const QDate begin = QDate::fromString(QString::fromLatin1(eerste), Qt::ISODate);
    for (int i = 0; i < aantal; ++i) {
        const QDate datum = begin.addMonths(stap.maanden * i).addDays(stap.dagen * qint64(i));
        const qint64 centen = *(bedragen.begin() + std::min<size_t>(i, bedragen.size() - 1));
        reeks.push_back({ naam.toCaseFolded(), naam, Werkdag(datum), centen, woord });
    }
    return reeks;
}

Betalingen Een(const QString &naam, const char *datum, qint64 centen)
{
    return Reeks(naam, datum, Maandelijks, 1, { centen });
}

// Payments on the days of 2026 given as "01-09:30 01-17:45", paid, in whole euros.
Betalingen Losse(const QString &naam, const QString &dagen)
{
    Betalingen losse;
    for (const QString &dag : dagen.split(u' ')) {
        losse.push_back(
            { naam.toCaseFolded(), naam, QDate::fromString(u"2026-"_s + dag.first(5), Qt::ISODate),
                -100 * dag.sliced(6).toInt(), {} });
    }
    return losse;
}

Betalingen operator+(Betalingen a, const Betalingen &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

class TestReeksen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void contracten_data()
    {
        QTest::addColumn<Betalingen>("betalingen");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QStringList>("contracten");

        QTest::newRow("every month, moved off the weekend")
            << Reeks(u"Stichting Portaal"_s, "2026-01-01", Maandelijks, 12, { -104652 }, u"Huur"_s)
            << u"2026-12-31"_s
            << QStringList {
                   u"Huur|Stichting Portaal|maand|-1046,52|2026-01-01|2026-12-01|2027-01-01||loopt"_s
               };
        QTest::newRow("every four weeks, every quarter, every half year, two a year apart")
            << Reeks(u"Basic-Fit"_s, "2026-01-05", { 0, 28 }, 13, { -2999 })
                + Reeks(u"SVB"_s, "2026-01-05", { 3, 0 }, 4, { 31241 }, u"Kinderbijslag"_s)
                + Reeks(u"Waternet"_s, "2025-06-20", { 6, 0 }, 3, { -8950 }, u"Water"_s)
                + Reeks(u"ANWB"_s, "2025-02-10", { 12, 0 }, 2, { -5800 }, u"Wegenwacht"_s)
                + Reeks(u"Fietsenmaker"_s, "2025-04-10", { 12, 0 }, 2, { -4500, -6150 })
            << u"2026-12-31"_s
            << QStringList {
                   u"Kinderbijslag|SVB|kwartaal|312,41|2026-01-05|2026-10-05|2027-01-05||loopt"_s,
                   u"Water|Waternet|half jaar|-89,50|2025-06-20|2026-06-22|2026-12-22||loopt"_s,
                   u"Wegenwacht|ANWB|jaar|-58,00|2025-02-10|2026-02-10|2027-02-10||loopt"_s,
                   u"Basic-Fit|Basic-Fit|4 weken|-29,99|2026-01-05|2026-12-07|2027-01-04||loopt"_s
               };
        QTest::newRow("one-offs beside a series, two series at one counterparty")
            << Reeks(u"Werkgever"_s, "2025-01-23", Maandelijks, 24, { 321456 }, u"Salaris"_s)
                + Reeks(u"Werkgever"_s, "2025-05-22", { 12, 0 }, 2, { 280000 }, u"Vakantiegeld"_s)
                + Een(u"Werkgever"_s, "2026-12-17", 350000)
                + Reeks(u"Zilveren Kruis"_s, "2026-01-01", Maandelijks, 12, { -14230 }, u"Zorg"_s)
                + Een(u"Zilveren Kruis"_s, "2026-10-12", -38500)
                + Een(u"Zilveren Kruis"_s, "2026-11-12", -12000)
            << u"2026-12-31"_s
            << QStringList {
                   u"Salaris|Werkgever|maand|3214,56|2025-01-23|2026-12-23|2027-01-23||loopt"_s,
                   u"Vakantiegeld|Werkgever|jaar|2800,00|2025-05-22|2026-05-22|2027-05-22||loopt"_s,
                   u"Zorg|Zilveren Kruis|maand|-142,30|2026-01-01|2026-12-01|2027-01-01||loopt"_s
               };
        QTest::newRow("a change that held twice, one that did not yet")
            << Reeks(u"Stichting Portaal"_s, "2026-01-01", Maandelijks, 6, { -104652 }, u"Huur"_s)
                + Reeks(
                    u"Stichting Portaal"_s, "2026-07-01", Maandelijks, 6, { -108838 }, u"Huur"_s)
                + Reeks(u"Ziggo"_s, "2026-01-25", Maandelijks, 11, { -6745 }, u"Internet"_s)
                + Een(u"Ziggo"_s, "2026-12-25", -6995)
            << u"2026-12-31"_s
            << QStringList {
                   u"Huur|Stichting Portaal|maand|-1088,38|2026-01-01|2026-12-01|2027-01-01|-1046,52 → -1088,38 per 2026-07-01|loopt"_s,
                   u"Internet|Ziggo|maand|-67,45|2026-01-26|2026-12-25|2027-01-25||loopt"_s
               };
        QTest::newRow("varying amounts, an end, entries after the day")
            << Reeks(u"KPN"_s, "2026-01-20", Maandelijks, 12,
                   { -3112, -2950, -4105, -3377, -2890, -3620, -3015, -3480, -4410, -2999, -3305,
                       -3810 })
                + Reeks(u"Zwembad"_s, "2026-01-04", Maandelijks, 6, { -4500 }, u"Zwemles"_s)
                + Reeks(u"Eneco"_s, "2026-01-15", Maandelijks, 12, { -12000 }, u"Energie"_s)
            << u"2026-11-30"_s
            << QStringList {
                   u"Energie|Eneco|maand|-120,00|2026-01-15|2026-11-16|2026-12-15||loopt"_s,
                   u"Zwemles|Zwembad|maand|-45,00|2026-01-05|2026-06-04|||gestopt"_s,
                   u"KPN|KPN|maand|-34,72|2026-01-20|2026-11-20|2026-12-20|wisselend|loopt"_s
               };
        QTest::newRow("look-alikes: a weekly shop, a babysitter now once now thrice a month")
            << Reeks(u"Albert Heijn"_s, "2026-01-03", Wekelijks, 52,
                   { -6512, -8830, -4120, -10255, -7340 })
                + Reeks(u"Krantenkiosk"_s, "2026-01-03", Wekelijks, 52, { -350 })
                + Losse(u"Oppas Sanne"_s,
                    u"01-09:30 01-17:45 01-24:30 02-13:60 03-06:30 03-14:45 03-27:30 04-18:45 "
                    "05-08:30 05-22:60 05-29:30 06-12:45 07-03:30 07-17:30 08-28:60 09-11:30 "
                    "09-19:45 09-25:30 10-16:45 11-06:30 11-20:60 12-04:30 12-11:45 12-18:30"_s)
            << u"2026-12-31"_s << QStringList();
    }

    void contracten()
    {
        QFETCH(Betalingen, betalingen);
        QFETCH(QString, op);
        QFETCH(QStringList, contracten);

        QStringList gevonden;
        for (const Contract &contract : VindReeksen(betalingen, QDate::fromString(op, Qt::ISODate)))
            gevonden.append(ContractCellen(contract).join(u'|'));
        QCOMPARE(gevonden, contracten);
    }
};

QTEST_GUILESS_MAIN(TestReeksen)
#include "tst_reeksen.moc"
