#include "platform/CupsQueue.h"

#include <QLibrary>

#include <cups/cups.h>

#include <algorithm>
#include <span>

namespace {

// The few calls of libcups that are needed, resolved once. All null when it cannot be loaded.
class LibCups final : public CupsQueue::Answers {
public:
    LibCups()
    {
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load())
            return;
        m_getNamedDest
            = reinterpret_cast<decltype(m_getNamedDest)>(library.resolve("cupsGetNamedDest"));
        m_freeDests = reinterpret_cast<decltype(m_freeDests)>(library.resolve("cupsFreeDests"));
        m_getOption = reinterpret_cast<decltype(m_getOption)>(library.resolve("cupsGetOption"));
        m_getJobs = reinterpret_cast<decltype(m_getJobs)>(library.resolve("cupsGetJobs"));
        m_freeJobs = reinterpret_cast<decltype(m_freeJobs)>(library.resolve("cupsFreeJobs"));
        m_lastError = reinterpret_cast<decltype(m_lastError)>(library.resolve("cupsLastError"));
        if (!m_getNamedDest || !m_freeDests || !m_getOption || !m_getJobs || !m_freeJobs
            || !m_lastError)
            m_getNamedDest = nullptr;
    }

    std::optional<bool> Accepting(const QString &name, const QString &instance) const override
    {
        if (!m_getNamedDest)
            return std::nullopt;
        const QByteArray instantie = instance.toLocal8Bit();
        cups_dest_t *dest = m_getNamedDest(CUPS_HTTP_DEFAULT, name.toLocal8Bit().constData(),
            instantie.isEmpty() ? nullptr : instantie.constData());
        if (!dest)
            return std::nullopt;
        const char *accepting
            = m_getOption("printer-is-accepting-jobs", dest->num_options, dest->options);
        std::optional<bool> answer;
        if (accepting)
            answer = qstricmp(accepting, "false") != 0;
        m_freeDests(1, dest);
        return answer;
    }

    std::optional<QList<CupsQueue::Job>> OurJobs(const QString &name) const override
    {
        if (!m_getNamedDest)
            return std::nullopt;
        cups_job_t *jobs = nullptr;
        const int count = m_getJobs(&jobs, name.toLocal8Bit().constData(), 1, CUPS_WHICHJOBS_ALL);
        if (count < 0)
            return std::nullopt;
        QList<CupsQueue::Job> ours;
        for (const cups_job_t &job : std::span<cups_job_t>(jobs, static_cast<size_t>(count)))
            ours.append({ job.id, job.state });
        m_freeJobs(count, jobs);
        return ours;
    }

    bool LastRequestFailed() const override
    {
        // Qt's hand-over was the last call of libcups on this thread; libcups keeps its answer.
        return m_getNamedDest && m_lastError() >= IPP_STATUS_ERROR_BAD_REQUEST;
    }

private:
    decltype(&cupsGetNamedDest) m_getNamedDest = nullptr;
    decltype(&cupsFreeDests) m_freeDests = nullptr;
    decltype(&cupsGetOption) m_getOption = nullptr;
    decltype(&cupsGetJobs) m_getJobs = nullptr;
    decltype(&cupsFreeJobs) m_freeJobs = nullptr;
    decltype(&cupsLastError) m_lastError = nullptr;
};

} // namespace

const CupsQueue::Answers &CupsQueue::SystemCups()
{
    static const LibCups cups;
    return cups;
}

CupsQueue::CupsQueue(const QString &name, const Answers &cups)
    : m_cups(cups)
    , m_name(name.section(u'/', 0, 0))
    , m_instance(name.section(u'/', 1))
{
}

bool CupsQueue::AcceptsJobs() const
{
    return m_cups.Accepting(m_name, m_instance).value_or(true);
}

void CupsQueue::NoteJobs()
{
    const std::optional<QList<Job>> jobs = m_cups.OurJobs(m_name);
    m_newest = -1;
    if (jobs) {
        m_newest = 0;
        for (const Job &job : *jobs)
            m_newest = std::max(m_newest, job.id);
    }
}

bool CupsQueue::JobArrived() const
{
    if (m_cups.LastRequestFailed())
        return false;
    if (m_newest < 0)
        return true;
    // A queue that keeps no finished jobs may show none: that is no failure. Only a job handed
    // over after the note can be ours; an older one cancelled says nothing of this one.
    const std::optional<QList<Job>> jobs = m_cups.OurJobs(m_name);
    return !jobs || std::none_of(jobs->begin(), jobs->end(), [this](const Job &job) {
        return job.id > m_newest
            && (job.state == IPP_JSTATE_CANCELED || job.state == IPP_JSTATE_ABORTED);
    });
}
