#pragma once

#include <csignal>
#include <sys/resource.h>

// A disk that is full after `bytes` bytes of any file, for as long as it lives: a write beyond
// fails as it does on a full disk. The limit holds for the whole test process, also for root.
class SchijfVol {
public:
    explicit SchijfVol(rlim_t bytes)
    {
        // Without this the process would be stopped instead of the write failing.
        m_signaal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_oud);
        rlimit grens = m_oud;
        grens.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &grens);
    }
    ~SchijfVol()
    {
        setrlimit(RLIMIT_FSIZE, &m_oud);
        std::signal(SIGXFSZ, m_signaal);
    }
    SchijfVol(const SchijfVol &) = delete;
    SchijfVol &operator=(const SchijfVol &) = delete;

private:
    rlimit m_oud {};
    void (*m_signaal)(int) = nullptr;
};
