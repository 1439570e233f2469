#include "analysator/analysatorverbindung.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The USB ids of the family's units: the STM32 virtual COM port most of them use.
constexpr int FamilieVendor = 0x0483, FamilieProduct = 0x5740;

QString gruppeVon(const QString& pfad)
{
    struct stat st {};
    if (::stat(QFile::encodeName(pfad).constData(), &st) != 0)
        return {};
    const group* g = ::getgrgid(st.st_gid);
    return g ? QString::fromLocal8Bit(g->gr_name) : QString::number(st.st_gid);
}

} // namespace

QList<Anschluss> anschluesse()
{
    QList<Anschluss> liste;
    for (const QSerialPortInfo& p : QSerialPortInfo::availablePorts()) {
        const bool ids = p.hasVendorIdentifier() && p.hasProductIdentifier();
        Anschluss a;
        a.name = p.systemLocation();
        a.text = anschlussText(p.systemLocation(), p.description(), p.manufacturer(), ids ? p.vendorIdentifier() : -1,
                               ids ? p.productIdentifier() : -1);
        a.analysator = ids && p.vendorIdentifier() == FamilieVendor && p.productIdentifier() == FamilieProduct;
        liste.append(a);
    }
    // The family's units first: the one plugged in is then chosen without looking.
    std::stable_sort(liste.begin(), liste.end(), [](const Anschluss& a, const Anschluss& b) { return a.analysator && !b.analysator; });
    return liste;
}

AnalysatorMessung::AnalysatorMessung(QObject* parent) : QObject(parent)
{
    frist.setSingleShot(true);
    connect(&frist, &QTimer::timeout, this, &AnalysatorMessung::fristAbgelaufen);
}

AnalysatorMessung::~AnalysatorMessung() { schliessen(); }

void AnalysatorMessung::starte(const QString& anschluss, const SweepBereich& b)
{
    abbrechen();
    bereich = b;
    anschlussName = anschluss.trimmed();
    version.clear();
    info.clear();
    frequenzen.clear();
    geraet.clear();
    gezeigtePunkte = 0;
    schritt = Schritt::Version;
    // Even a port that cannot be opened answers after this call returns, as a sweep does.
    QTimer::singleShot(0, this, [this, gestartet = schritt] {
        if (schritt != gestartet || port)
            return;
        try {
            pruefeBereich(bereich);
        } catch (const AnalysatorFehler& f) {
            scheitern(f.text);
            return;
        }
        if (anschlussName.isEmpty()) {
            scheitern(QStringLiteral("Kein Anschluss gewählt. Ist der Analysator mit dem USB-Kabel angeschlossen und eingeschaltet?"));
            return;
        }
        port = std::make_unique<QSerialPort>();
        port->setPortName(anschlussName);
        if (!port->open(QIODevice::ReadWrite)) {
            scheitern(oeffnenFehler(anschlussName));
            return;
        }
        // A USB unit ignores the line settings; a real serial line needs them.
        port->setBaudRate(115200);
        port->setDataBits(QSerialPort::Data8);
        port->setParity(QSerialPort::NoParity);
        port->setStopBits(QSerialPort::OneStop);
        port->setFlowControl(QSerialPort::NoFlowControl);
        port->clear();
        connect(port.get(), &QSerialPort::readyRead, this, &AnalysatorMessung::lesen);
        connect(port.get(), &QSerialPort::errorOccurred, this, &AnalysatorMessung::portFehler);
        sende(Schritt::Version, "version");
    });
}

QString AnalysatorMessung::oeffnenFehler(const QString& anschluss) const
{
    const QString pfad = port->portName().startsWith(u'/') ? port->portName() : QStringLiteral("/dev/") + port->portName();
    switch (port->error()) {
    case QSerialPort::DeviceNotFoundError:
        return QStringLiteral("Den Anschluss „%1“ gibt es nicht. Ist der Analysator eingesteckt? (Nach dem Einstecken die Liste der "
                              "Anschlüsse neu öffnen.)").arg(anschluss);
    case QSerialPort::PermissionError:
        if (::access(QFile::encodeName(pfad).constData(), R_OK | W_OK) != 0)
            return berechtigungsText(pfad, gruppeVon(pfad));
        return QStringLiteral("Der Anschluss „%1“ ist belegt: ein anderes Programm benutzt ihn. Das andere Programm beenden.").arg(anschluss);
    default:
        return QStringLiteral("Der Anschluss „%1“ lässt sich nicht öffnen: %2").arg(anschluss, port->errorString());
    }
}

void AnalysatorMessung::abbrechen()
{
    schritt = Schritt::Ruhe;
    schliessen();
}

void AnalysatorMessung::schliessen()
{
    frist.stop();
    antwort.reset();
    if (port) {
        port->disconnect(this);
        port->close();
        // Deleted later: the port may be inside its own signal right now.
        port.release()->deleteLater();
    }
}

void AnalysatorMessung::sende(Schritt naechster, const QByteArray& befehl)
{
    schritt = naechster;
    antwort.emplace(befehl);
    const bool sweept = naechster == Schritt::Scan || naechster == Schritt::Daten;
    frist.start(sweept ? fristen.sweepMs : fristen.antwortMs);
    port->write(befehlsZeile(befehl));
}

void AnalysatorMessung::lesen()
{
    if (!port || !antwort)
        return;
    const QByteArray bytes = port->readAll();
    if (bytes.isEmpty())
        return;
    // Each byte that arrives is a sign of life: the limit counts silence.
    frist.start();
    bool fertig = false;
    try {
        fertig = antwort->nimm(bytes);
        if (schritt == Schritt::Scan && !fertig) {
            const QList<QByteArray> z = antwort->zeilen();
            if (z.size() >= gezeigtePunkte + 10 && z.size() >= 2) {
                gezeigtePunkte = z.size();
                emit punkte(messungAusScan(z, bereich, true));
            }
        }
    } catch (const AnalysatorFehler& f) {
        scheitern(f.text);
        return;
    }
    if (fertig)
        weiter();
}

void AnalysatorMessung::weiter()
{
    const QList<QByteArray> zeilen = antwort->zeilen();
    try {
        switch (schritt) {
        case Schritt::Ruhe: return;
        case Schritt::Version:
            version = zeilen;
            sende(Schritt::Info, "info");
            return;
        case Schritt::Info:
            info = antwort->unbekannt() ? QList<QByteArray>() : zeilen;
            geraet = geraeteName(info, version);
            sende(Schritt::Scan, scanBefehl(bereich));
            return;
        case Schritt::Scan:
            if (antwort->unbekannt()) {
                // Older firmware: set the range, then read it back with its data.
                sende(Schritt::Sweep, sweepBefehl(bereich));
                return;
            }
            {
                const Messung m = messungAusScan(zeilen, bereich);
                emit punkte(m);
                const QString name = geraet;
                abbrechen();
                emit fertig(m, name);
            }
            return;
        case Schritt::Sweep:
            if (!zeilen.isEmpty())
                throw AnalysatorFehler{QStringLiteral("Der Analysator nimmt den Messbereich nicht an: „%1“.").arg(antwortGezeigt(zeilen.join(' ')))};
            sende(Schritt::Frequenzen, "frequencies");
            return;
        case Schritt::Frequenzen:
            frequenzen = zeilen;
            sende(Schritt::Daten, "data 0");
            return;
        case Schritt::Daten: {
            const Messung m = messungAusDaten(frequenzen, zeilen, bereich);
            emit punkte(m);
            const QString name = geraet;
            abbrechen();
            emit fertig(m, name);
            return;
        }
        }
    } catch (const AnalysatorFehler& f) {
        scheitern(f.text);
    }
}

void AnalysatorMessung::fristAbgelaufen()
{
    if (!antwort)
        return;
    const int sekunden = (schritt == Schritt::Scan || schritt == Schritt::Daten ? fristen.sweepMs : fristen.antwortMs) / 1000;
    if (antwort->leer())
        scheitern(QStringLiteral("Der Analysator antwortet nicht (%1 s Stille). Ist er eingeschaltet und der richtige Anschluss gewählt?")
                      .arg(std::max(1, sekunden)));
    else if (!antwort->echoGesehen() || schritt == Schritt::Version)
        scheitern(QStringLiteral("Das Gerät antwortet nicht wie ein Analysator der NanoVNA-Familie (keine Eingabeaufforderung „ch> “), "
                                 "sondern „%1“. Ist am Anschluss ein anderes Gerät?").arg(antwort->bisherGezeigt()));
    else
        scheitern(QStringLiteral("Der Analysator hörte mitten in der Antwort auf zu senden (%1 s Stille, %2 Zeilen erhalten).")
                      .arg(std::max(1, sekunden)).arg(antwort->zeilen().size()));
}

void AnalysatorMessung::portFehler()
{
    if (!port || port->error() == QSerialPort::NoError || port->error() == QSerialPort::TimeoutError)
        return;
    // A unit pulled out shows as a lost resource, a terminal hung up as a failed control call:
    // while the port is open, either is the end of the connection.
    scheitern(QStringLiteral("Die Verbindung zum Analysator brach während der Messung ab (%1). Ist das USB-Kabel herausgezogen worden?")
                  .arg(port->errorString()));
}

void AnalysatorMessung::scheitern(const QString& text)
{
    if (schritt == Schritt::Ruhe)
        return;
    abbrechen();
    emit fehlgeschlagen(text);
}

Messung AnalysatorMessung::messeUndWarte(const QString& anschluss, const SweepBereich& bereich, QString* geraet, AnalysatorFristen fristen)
{
    AnalysatorMessung messung;
    messung.setzeFristen(fristen);
    QEventLoop schleife;
    std::optional<Messung> ergebnis;
    QString fehler;
    connect(&messung, &AnalysatorMessung::fertig, &schleife, [&](const Messung& m, const QString& name) {
        ergebnis = m;
        if (geraet)
            *geraet = name;
        schleife.quit();
    });
    connect(&messung, &AnalysatorMessung::fehlgeschlagen, &schleife, [&](const QString& text) {
        fehler = text;
        schleife.quit();
    });
    messung.starte(anschluss, bereich);
    schleife.exec();
    if (!ergebnis)
        throw AnalysatorFehler{fehler};
    return *ergebnis;
}
