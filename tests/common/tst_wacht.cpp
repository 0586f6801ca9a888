#include "common/Wacht.h"

#include "FakeClock.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QTimer>

#include <limits>

namespace {

// Counts the events of one type that reach it.
class Ontvanger final : public QObject {
public:
    explicit Ontvanger(QEvent::Type type)
        : m_type(type)
    {
    }
    int aantal() const { return m_aantal; }

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == m_type)
            ++m_aantal;
        return QObject::event(e);
    }

private:
    QEvent::Type m_type;
    int m_aantal = 0;
};

} // namespace

class TestWacht : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wachtDeGevraagdeTijd_data();
    void wachtDeGevraagdeTijd();
    void ookDeEchteKlokHandeltGebeurtenissenAf();
};

void TestWacht::wachtDeGevraagdeTijd_data()
{
    QTest::addColumn<double>("seconden");
    QTest::addColumn<int>("milliseconden");

    QTest::newRow("0.02 s") << 0.02 << 20;
    QTest::newRow("1 s") << 1.0 << 1000;
    QTest::newRow("1.5 s") << 1.5 << 1500;
    QTest::newRow("0.3 s") << 0.3 << 300;
    QTest::newRow("no pause") << 0.0 << 0;
    QTest::newRow("below half a millisecond") << 0.0004 << 0;
    QTest::newRow("above half a millisecond") << 0.0006 << 1;
    // A pause never turns the clock back, and one beyond its range waits as long as it can.
    QTest::newRow("negative") << -1.0 << 0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
    QTest::newRow("too long for the clock") << 1e12 << std::numeric_limits<int>::max();
}

void TestWacht::wachtDeGevraagdeTijd()
{
    QFETCH(double, seconden);
    QFETCH(int, milliseconden);
    FakeClock klok;
    const QDateTime begin = klok.now();

    Wacht(klok, seconden);

    QCOMPARE(klok.waits(), 1);
    QCOMPARE(klok.waitedMilliseconds(), qint64(milliseconden));
    QCOMPARE(klok.now(), begin.addMSecs(milliseconden));
}

// A pause of no time on the real clock still lets what is queued run first.
void TestWacht::ookDeEchteKlokHandeltGebeurtenissenAf()
{
    SystemClock klok;
    bool timerGelopen = false;
    QTimer::singleShot(0, this, [&] { timerGelopen = true; });
    Ontvanger ontvanger(QEvent::User);
    QCoreApplication::postEvent(&ontvanger, new QEvent(QEvent::User));

    Wacht(klok, 0.0);

    QVERIFY(timerGelopen);
    QCOMPARE(ontvanger.aantal(), 1);
}

QTEST_GUILESS_MAIN(TestWacht)
#include "tst_wacht.moc"
