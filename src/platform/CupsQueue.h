#pragma once

#include <QList>
#include <QString>

#include <optional>

// A print queue as CUPS sees it, asked around one job that Qt hands over: whether the queue
// takes jobs, and whether CUPS took the job. Qt says neither: a queue that refuses the job
// leaves no trace in QPrinter.
//
// Whatever CUPS cannot answer counts as fine, so that printing is never refused on a guess.
class CupsQueue {
public:
    struct Job {
        int id = 0;
        int state = 0; // as CUPS's ipp_jstate_t
    };

    // What the queue asks CUPS. The program's answers come from libcups, loaded when a queue is
    // first asked, not linked: it would bring some twenty libraries into every start of the
    // program. A test hands recorded answers.
    class Answers {
    public:
        virtual ~Answers() = default;
        // "printer-is-accepting-jobs" of the queue; nothing when CUPS does not say.
        virtual std::optional<bool> Accepting(
            const QString &name, const QString &instance) const = 0;
        // Our jobs on the queue, finished ones too; nothing when CUPS cannot tell.
        virtual std::optional<QList<Job>> OurJobs(const QString &name) const = 0;
        // Whether CUPS answered the last request of this thread, Qt's hand-over of the job,
        // with an error.
        virtual bool LastRequestFailed() const = 0;
    };
    static const Answers &SystemCups();

    // The queue by the name Qt gives it: the destination, with "/instance" when it has one.
    explicit CupsQueue(const QString &name, const Answers &cups = SystemCups());

    // False only when CUPS says the queue takes no new jobs.
    bool AcceptsJobs() const;
    // Notes the newest of our jobs on the queue, before ours is handed over.
    void NoteJobs();
    // Right after the hand-over: false when CUPS answered it with an error, or shows a job of
    // ours newer than the note cancelled or aborted.
    bool JobArrived() const;

private:
    const Answers &m_cups;
    QString m_name;
    QString m_instance;
    int m_newest = -1; // -1 while nothing is noted
};
