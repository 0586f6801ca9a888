#include "platform/CupsQueue.h"

#include <QLibrary>
#include <QList>

#include <cups/cups.h>

#include <algorithm>
#include <optional>
#include <span>

namespace {

// The few calls of libcups that are needed, resolved once. All null when it cannot be loaded.
struct Cups {
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsGetJobs) getJobs = nullptr;
    decltype(&cupsFreeJobs) freeJobs = nullptr;
    decltype(&cupsLastError) lastError = nullptr;

    Cups()
    {
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load())
            return;
        getNamedDest
            = reinterpret_cast<decltype(getNamedDest)>(library.resolve("cupsGetNamedDest"));
        freeDests = reinterpret_cast<decltype(freeDests)>(library.resolve("cupsFreeDests"));
        getOption = reinterpret_cast<decltype(getOption)>(library.resolve("cupsGetOption"));
        getJobs = reinterpret_cast<decltype(getJobs)>(library.resolve("cupsGetJobs"));
        freeJobs = reinterpret_cast<decltype(freeJobs)>(library.resolve("cupsFreeJobs"));
        lastError = reinterpret_cast<decltype(lastError)>(library.resolve("cupsLastError"));
        if (!getNamedDest || !freeDests || !getOption || !getJobs || !freeJobs || !lastError)
            getNamedDest = nullptr;
    }

    bool loaded() const { return getNamedDest != nullptr; }
};

const Cups &Library()
{
    static const Cups cups;
    return cups;
}

struct Job {
    int id;
    ipp_jstate_t state;
};

// Our jobs on the queue, finished ones too; none when CUPS cannot tell.
std::optional<QList<Job>> OurJobs(const QString &name)
{
    const Cups &cups = Library();
    if (!cups.loaded())
        return std::nullopt;
    cups_job_t *jobs = nullptr;
    const int count = cups.getJobs(&jobs, name.toLocal8Bit().constData(), 1, CUPS_WHICHJOBS_ALL);
    if (count < 0)
        return std::nullopt;
    QList<Job> ours;
    for (const cups_job_t &job : std::span<cups_job_t>(jobs, static_cast<size_t>(count)))
        ours.append({ job.id, job.state });
    cups.freeJobs(count, jobs);
    return ours;
}

} // namespace

CupsQueue::CupsQueue(const QString &name)
    : m_name(name.section(u'/', 0, 0))
    , m_instance(name.section(u'/', 1))
{
}

bool CupsQueue::AcceptsJobs() const
{
    const Cups &cups = Library();
    if (!cups.loaded())
        return true;
    const QByteArray instance = m_instance.toLocal8Bit();
    cups_dest_t *dest = cups.getNamedDest(CUPS_HTTP_DEFAULT, m_name.toLocal8Bit().constData(),
        instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        return true;
    const char *accepting
        = cups.getOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool refuses = accepting && qstricmp(accepting, "false") == 0;
    cups.freeDests(1, dest);
    return !refuses;
}

void CupsQueue::NoteJobs()
{
    const std::optional<QList<Job>> jobs = OurJobs(m_name);
    m_newest = -1;
    if (jobs) {
        m_newest = 0;
        for (const Job &job : *jobs)
            m_newest = std::max(m_newest, job.id);
    }
}

bool CupsQueue::JobArrived() const
{
    const Cups &cups = Library();
    if (!cups.loaded())
        return true;
    // Qt's hand-over was the last call of libcups on this thread; libcups keeps its answer.
    if (cups.lastError() >= IPP_STATUS_ERROR_BAD_REQUEST)
        return false;
    if (m_newest < 0)
        return true;
    // A queue that keeps no finished jobs may show none: that is no failure.
    const std::optional<QList<Job>> jobs = OurJobs(m_name);
    return !jobs || std::none_of(jobs->begin(), jobs->end(), [this](const Job &job) {
        return job.id > m_newest
            && (job.state == IPP_JSTATE_CANCELED || job.state == IPP_JSTATE_ABORTED);
    });
}
