#include "platform/CupsQueue.h"

#include <QTest>

#include <cups/cups.h>

namespace {

using Jobs = QList<CupsQueue::Job>;

// CUPS's answers around one job, as a real queue gave them: before the hand-over, and after it.
class Opgenomen final : public CupsQueue::Answers {
public:
    std::optional<bool> accepting;
    std::optional<Jobs> voor, na;
    bool mislukt = false;
    bool overgegeven = false;

    std::optional<bool> Accepting(const QString &, const QString &) const override
    {
        return accepting;
    }
    std::optional<Jobs> OurJobs(const QString &) const override { return overgegeven ? na : voor; }
    bool LastRequestFailed() const override { return mislukt; }
};

} // namespace

Q_DECLARE_METATYPE(std::optional<bool>)
Q_DECLARE_METATYPE(std::optional<Jobs>)

class TestCupsQueue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void zegtWatCupsAntwoordt_data()
    {
        QTest::addColumn<std::optional<bool>>("accepting");
        QTest::addColumn<std::optional<Jobs>>("voor");
        QTest::addColumn<std::optional<Jobs>>("na");
        QTest::addColumn<bool>("mislukt");
        QTest::addColumn<bool>("neemtAan");
        QTest::addColumn<bool>("aangekomen");

        const Jobs geen;
        const CupsQueue::Job klaar1 { 1, IPP_JSTATE_COMPLETED };
        const CupsQueue::Job geannuleerd1 { 1, IPP_JSTATE_CANCELED };
        QTest::newRow("taken and printed")
            << std::optional(true) << std::optional(geen) << std::optional(Jobs { klaar1 }) << false
            << true << true;
        QTest::newRow("rejecting queue") << std::optional(false) << std::optional(geen)
                                         << std::optional(geen) << true << false << false;
        QTest::newRow("CUPS silent") << std::optional<bool>() << std::optional<Jobs>()
                                     << std::optional<Jobs>() << false << true << true;
        QTest::newRow("ours cancelled")
            << std::optional(true) << std::optional(Jobs { klaar1 })
            << std::optional(Jobs { klaar1, { 2, IPP_JSTATE_CANCELED } }) << false << true << false;
        QTest::newRow("ours aborted")
            << std::optional(true) << std::optional(geen)
            << std::optional(Jobs { { 1, IPP_JSTATE_ABORTED } }) << false << true << false;
        QTest::newRow("an earlier job cancelled")
            << std::optional(true) << std::optional(Jobs { geannuleerd1 })
            << std::optional(Jobs { geannuleerd1, { 2, IPP_JSTATE_PROCESSING } }) << false << true
            << true;
        QTest::newRow("a queue that keeps no jobs")
            << std::optional(true) << std::optional(Jobs { klaar1 }) << std::optional(geen) << false
            << true << true;
    }

    void zegtWatCupsAntwoordt()
    {
        QFETCH(std::optional<bool>, accepting);
        QFETCH(std::optional<Jobs>, voor);
        QFETCH(std::optional<Jobs>, na);
        QFETCH(bool, mislukt);
        QFETCH(bool, neemtAan);
        QFETCH(bool, aangekomen);

        Opgenomen cups;
        cups.accepting = accepting;
        cups.voor = voor;
        cups.na = na;
        CupsQueue queue(QStringLiteral("PDF/kopie"), cups);
        QCOMPARE(queue.AcceptsJobs(), neemtAan);
        queue.NoteJobs();
        cups.overgegeven = true;
        cups.mislukt = mislukt;
        QCOMPARE(queue.JobArrived(), aangekomen);
    }
};

QTEST_GUILESS_MAIN(TestCupsQueue)
#include "tst_cupsqueue.moc"
