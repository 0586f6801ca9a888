#pragma once

// What a piece of work costs, run in a child process: its processor time (which a busy machine
// does not stretch, as it does the clock's) and the rise of the child's peak resident size. The
// child's peak starts at the pages it shares with its parent, so the rise is what the work
// touched, whatever the allocator (the sanitizers' too) and whatever it freed before returning.

#include <functional>
#include <optional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

struct Kosten {
    int uitkomst = 0; // what the work returned
    double ms = 0;
    double mb = 0;
};

// Nothing when the child did not finish normally (a crash, or killed for its memory).
inline std::optional<Kosten> MeetKosten(const std::function<int()> &werk)
{
    const auto meet = [](Kosten &kosten, double teken) {
        rusage nu {};
        getrusage(RUSAGE_SELF, &nu);
        kosten.ms += teken
            * ((nu.ru_utime.tv_sec + nu.ru_stime.tv_sec) * 1e3
                + (nu.ru_utime.tv_usec + nu.ru_stime.tv_usec) / 1e3);
        kosten.mb += teken * static_cast<double>(nu.ru_maxrss) / 1024;
    };
    int pijp[2];
    if (pipe(pijp) != 0)
        return std::nullopt;
    const pid_t kind = fork();
    if (kind == 0) {
        Kosten kosten;
        meet(kosten, -1);
        kosten.uitkomst = werk();
        meet(kosten, 1);
        // Past the exit handlers: the parent's objects are not the child's to clean up or to
        // report as leaked.
        _exit(write(pijp[1], &kosten, sizeof kosten) == sizeof kosten ? 0 : 1);
    }
    close(pijp[1]);
    Kosten kosten;
    const bool gelezen = kind > 0 && read(pijp[0], &kosten, sizeof kosten) == sizeof kosten;
    close(pijp[0]);
    int status = 0;
    if (kind > 0)
        waitpid(kind, &status, 0);
    if (!gelezen || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return kosten;
}
