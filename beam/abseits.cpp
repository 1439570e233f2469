#include "beam/abseits.h"

#include <QEventLoop>
#include <QThread>

#include <exception>
#include <memory>

double abseitsRechnen(const std::function<double()>& job)
{
    double ergebnis = 0;
    std::exception_ptr fehler;
    const std::unique_ptr<QThread> faden(QThread::create([&] {
        try {
            ergebnis = job();
        } catch (...) {
            fehler = std::current_exception();
        }
    }));
    QEventLoop warten;
    // Queued to this thread: a job done before the loop starts still ends it.
    QObject::connect(faden.get(), &QThread::finished, &warten, &QEventLoop::quit, Qt::QueuedConnection);
    faden->start();
    warten.exec(QEventLoop::ExcludeUserInputEvents);
    faden->wait();
    if (fehler)
        std::rethrow_exception(fehler);
    return ergebnis;
}
