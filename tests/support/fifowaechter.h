#pragma once
// A named pipe in a test's own folder, watched: should the program under test wait on it, the
// watchdog opens both its ends after a few seconds, so that a reader waiting for a writer
// ends with nothing read and a writer waiting for a reader has what it writes taken and
// thrown away, instead of hanging the test run; the test then fails on musste(). The pipe goes with it,
// so that later tests writing a file of that name do not wait on it either.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class FifoWaechter {
public:
    explicit FifoWaechter(const QString& path) : pfad(QFile::encodeName(path))
    {
        angelegt = ::mkfifo(pfad.constData(), 0600) == 0;
        if (angelegt)
            waechter = std::thread([this] { wachen(); });
    }
    ~FifoWaechter()
    {
        {
            std::lock_guard lock(mutex);
            fertig = true;
        }
        wecken.notify_all();
        if (waechter.joinable())
            waechter.join();
        if (angelegt)
            ::unlink(pfad.constData());
    }
    bool ok() const { return angelegt; }
    // True when the program waited and the watchdog had to end the wait.
    bool musste() const
    {
        std::lock_guard lock(mutex);
        return eingegriffen;
    }

private:
    void wachen()
    {
        std::unique_lock lock(mutex);
        if (wecken.wait_for(lock, std::chrono::seconds(5), [this] { return fertig; }))
            return;
        eingegriffen = true;
        // Opening the reading end never waits and wakes a writer waiting to open; with it
        // open, the writing end opens too, wakes a waiting reader and, closed, gives it the end.
        const int leser = ::open(pfad.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        const int schreiber = ::open(pfad.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (schreiber >= 0)
            ::close(schreiber);
        // What a woken writer sends is read away until it closes its end, or for a few seconds.
        bool gelesen = false;
        if (leser >= 0) {
            char puffer[4096];
            const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(3);
            while (!fertig && std::chrono::steady_clock::now() < ende) {
                const ssize_t n = ::read(leser, puffer, sizeof puffer);
                if (n > 0) {
                    gelesen = true;
                    continue;
                }
                if (n == 0 && gelesen)
                    break;
                lock.unlock();
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                lock.lock();
            }
            ::close(leser);
        }
    }

    QByteArray pfad;
    bool angelegt = false;
    bool fertig = false;
    bool eingegriffen = false;
    mutable std::mutex mutex;
    std::condition_variable wecken;
    std::thread waechter;
};
