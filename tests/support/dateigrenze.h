#pragma once
// A file-size limit for the test process, to make writes fail as on a full disk without
// needing one: a write beyond the limit fails with "file too large" instead of ending the
// process, and the limit is lifted again at the end of the scope.

#include <csignal>
#include <sys/resource.h>

class DateiGroessenGrenze {
public:
    explicit DateiGroessenGrenze(rlim_t bytes)
    {
        vorherigesSignal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &vorher);
        rlimit grenze = vorher;
        grenze.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &grenze);
    }
    ~DateiGroessenGrenze()
    {
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, vorherigesSignal);
    }
    DateiGroessenGrenze(const DateiGroessenGrenze&) = delete;
    DateiGroessenGrenze& operator=(const DateiGroessenGrenze&) = delete;

private:
    rlimit vorher{};
    void (*vorherigesSignal)(int) = nullptr;
};
