#pragma once
// A named pipe in a test's own folder, watched: should the program under test wait for a
// writer, the watchdog opens the pipe's other end after a few seconds and closes it, so that
// the wait ends with nothing read instead of hanging the test run. The pipe goes with it,
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
        // Succeeds only while a reader waits; closing at once gives that reader the end.
        const int fd = ::open(pfad.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0)
            ::close(fd);
    }

    QByteArray pfad;
    bool angelegt = false;
    bool fertig = false;
    bool eingegriffen = false;
    mutable std::mutex mutex;
    std::condition_variable wecken;
    std::thread waechter;
};
