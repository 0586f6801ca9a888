#pragma once

#include <QString>

// A print queue as CUPS sees it, asked around one job that Qt hands over: whether the queue
// takes jobs, and whether CUPS took the job. Qt says neither: a queue that refuses the job
// leaves no trace in QPrinter.
//
// libcups is loaded when a queue is first asked, not linked: it would bring some twenty
// libraries into every start of the program. Whatever CUPS cannot answer counts as fine, so
// that printing is never refused on a guess.
class CupsQueue {
public:
    // The queue by the name Qt gives it: the destination, with "/instance" when it has one.
    explicit CupsQueue(const QString &name);

    // False only when CUPS says the queue takes no new jobs.
    bool AcceptsJobs() const;
    // Notes the newest of our jobs on the queue, before ours is handed over.
    void NoteJobs();
    // Right after the hand-over: false when CUPS answered it with an error, or shows a job of
    // ours newer than the note cancelled or aborted.
    bool JobArrived() const;

private:
    QString m_name;
    QString m_instance;
    int m_newest = -1; // -1 while nothing is noted
};
