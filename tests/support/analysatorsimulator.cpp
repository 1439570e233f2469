#include "tests/support/analysatorsimulator.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

AnalysatorSimulator::AnalysatorSimulator()
{
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0)
        qFatal("openpty: %s", strerror(errno));
    slavePfad = QString::fromLocal8Bit(name);
    // Raw, as the port is used: no echo and no line editing by the terminal itself. The
    // simulator keeps its own slave open so that the master sees no hang-up between sweeps.
    termios t {};
    ::tcgetattr(slave, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(slave, TCSANOW, &t);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    leseMelder = std::make_unique<QSocketNotifier>(master, QSocketNotifier::Read);
    QObject::connect(leseMelder.get(), &QSocketNotifier::activated, [this] { lesen(); });
    schreibMelder = std::make_unique<QSocketNotifier>(master, QSocketNotifier::Write);
    schreibMelder->setEnabled(false);
    QObject::connect(schreibMelder.get(), &QSocketNotifier::activated, [this] { senden(); });
    einzeln.setInterval(0);
    QObject::connect(&einzeln, &QTimer::timeout, [this] { senden(); });
}

AnalysatorSimulator::~AnalysatorSimulator()
{
    trennen();
    if (slave >= 0)
        ::close(slave);
}

void AnalysatorSimulator::trennen()
{
    leseMelder.reset();
    schreibMelder.reset();
    einzeln.stop();
    if (master >= 0)
        ::close(master);
    master = -1;
}

void AnalysatorSimulator::lesen()
{
    char puffer[512];
    const ssize_t n = ::read(master, puffer, sizeof puffer);
    if (n <= 0)
        return;
    if (stoerung == Stoerung::Stille)
        return;
    for (ssize_t i = 0; i < n; ++i) {
        const char c = puffer[i];
        if (c == '\r') {
            const QByteArray zeile = eingang;
            eingang.clear();
            befehle.append(zeile);
            if (stoerung == Stoerung::Modem) {
                schreibe("OK\r\n");
                continue;
            }
            schreibe("\r\n");
            schreibe(antwortAuf(zeile) + "ch> ");
        } else if (c != '\n') {
            eingang += c;
            // The shell's line editor echoes each character as it is typed.
            if (stoerung == Stoerung::Muell)
                schreibe(QByteArray("\x01\xfe\x80", 3));
            else if (stoerung == Stoerung::FalschesEcho)
                schreibe(QByteArray(1, c == 'e' ? 'a' : c));
            else if (stoerung != Stoerung::Modem)
                schreibe(QByteArray(1, c));
        }
    }
}

QByteArray AnalysatorSimulator::punktZeile(double f, bool mitFrequenz) const
{
    const std::complex<double> g = modell.reflexion(f);
    QByteArray z;
    if (mitFrequenz)
        z = QByteArray::number(qint64(f)) + ' ';
    return z + QByteArray::number(g.real(), 'f', 9) + ' ' + QByteArray::number(g.imag(), 'f', 9) + "\r\n";
}

QByteArray AnalysatorSimulator::antwortAuf(const QByteArray& zeile)
{
    const QList<QByteArray> w = zeile.simplified().split(' ');
    const QByteArray befehl = w.value(0);
    if (befehl == "version")
        return versionText + "\r\n";
    if (befehl == "info")
        return (stoerung == Stoerung::Spektrumanalysator ? QByteArray("tinySA4_v1.4-143\r\nHW Version: V0.4.5.1") : infoText) + "\r\n";
    const bool scan = befehl == "scan" && mitScan;
    if (scan || befehl == "sweep") {
        if (w.size() < 3)
            return "usage: " + befehl + " {start(Hz)} {stop(Hz)} [points]\r\n";
        von = w[1].toLongLong();
        bis = w[2].toLongLong();
        punkte = w.size() > 3 ? w[3].toInt() : 101;
        if (!scan)
            return {};
    }
    int n = punkte;
    if (stoerung == Stoerung::WenigerPunkte)
        n -= 10;
    if (scan || befehl == "frequencies" || (befehl == "data" && w.value(1) == "0")) {
        QByteArray text;
        for (int i = 0; i < n; ++i) {
            const double f = von + std::round(double(bis - von) * i / (punkte - 1));
            if (befehl == "frequencies") {
                text += QByteArray::number(qint64(f)) + "\r\n";
                continue;
            }
            QByteArray z = punktZeile(f, scan);
            if (i == n / 2 && stoerung == Stoerung::NaN)
                z = (scan ? QByteArray::number(qint64(f)) + ' ' : QByteArray()) + "nan nan\r\n";
            if (i == n / 2 && stoerung == Stoerung::Absurd)
                z = (scan ? QByteArray::number(qint64(f)) + ' ' : QByteArray()) + "31.5 -12.25\r\n";
            text += z;
        }
        if (stoerung == Stoerung::AbbruchMitten && befehl != "frequencies")
            abbruchNach = ausgang.size() + text.size() / 2;
        return text;
    }
    return befehl + "?\r\n";
}

void AnalysatorSimulator::schreibe(const QByteArray& bytes)
{
    ausgang += bytes;
    if (stoerung == Stoerung::Einzelbytes)
        einzeln.start();
    else
        senden();
}

void AnalysatorSimulator::senden()
{
    if (master < 0)
        return;
    qsizetype menge = stoerung == Stoerung::Einzelbytes ? std::min<qsizetype>(1, ausgang.size()) : ausgang.size();
    if (abbruchNach >= 0)
        menge = std::min(menge, abbruchNach);
    if (menge > 0) {
        const ssize_t n = ::write(master, ausgang.constData(), size_t(menge));
        if (n > 0) {
            ausgang.remove(0, n);
            if (abbruchNach >= 0)
                abbruchNach -= n;
        }
    }
    if (abbruchNach == 0) {
        // The cable is pulled: the port's side sees the terminal hang up.
        ausgang.clear();
        abbruchNach = -1;
        trennen();
        ::close(slave);
        slave = -1;
        return;
    }
    if (ausgang.isEmpty())
        einzeln.stop();
    if (schreibMelder)
        schreibMelder->setEnabled(!ausgang.isEmpty() && stoerung != Stoerung::Einzelbytes);
}
