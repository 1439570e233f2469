#pragma once
// One sweep of an analyser on a serial port, without blocking: the port is opened, the unit
// identified (version, info), the sweep read (scan, or sweep, frequencies and data 0 on older
// firmware), and the port closed again. Every reply has its time limit; a fault ends the
// sweep with a German message.

#include "analysator/analysatorprotokoll.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <optional>

class QSerialPort;

struct AnalysatorFristen {
    int antwortMs = 3000;   // silence allowed within the replies to identify the unit
    int sweepMs = 30000;    // silence allowed while the unit sweeps (slow with narrow filters)
};

// The serial ports there are, as the list shows them, and their names to open.
struct Anschluss {
    QString name;   // the system's path, e.g. /dev/ttyACM0
    QString text;   // what the list shows
    bool analysator = false;  // a unit of the family by its USB ids
};
QList<Anschluss> anschluesse();

class AnalysatorMessung : public QObject {
    Q_OBJECT
public:
    explicit AnalysatorMessung(QObject* parent = nullptr);
    ~AnalysatorMessung() override;

    void setzeFristen(AnalysatorFristen f) { fristen = f; }
    // Starts the sweep; its end is told by `fertig` or `fehlgeschlagen`, never from inside
    // this call.
    void starte(const QString& anschluss, const SweepBereich& bereich);
    // Ends a running sweep without a signal.
    void abbrechen();
    bool laeuft() const { return schritt != Schritt::Ruhe; }

    // Runs the sweep to its end in a local event loop, for the command line. Throws
    // AnalysatorFehler.
    static Messung messeUndWarte(const QString& anschluss, const SweepBereich& bereich, QString* geraet = nullptr,
                                 AnalysatorFristen fristen = {});

signals:
    // The points read so far, while the reply arrives.
    void punkte(const Messung& bisher);
    void fertig(const Messung& messung, const QString& geraet);
    void fehlgeschlagen(const QString& text);

private:
    enum class Schritt { Ruhe, Version, Info, Scan, Sweep, Frequenzen, Daten };

    void sende(Schritt naechster, const QByteArray& befehl);
    void lesen();
    void weiter();
    void fristAbgelaufen();
    void portFehler();
    void scheitern(const QString& text);
    void schliessen();
    QString oeffnenFehler(const QString& anschluss) const;

    AnalysatorFristen fristen;
    SweepBereich bereich;
    Schritt schritt = Schritt::Ruhe;
    QString anschlussName;
    std::unique_ptr<QSerialPort> port;
    std::optional<AntwortSammler> antwort;
    QTimer frist;
    QList<QByteArray> version, info, frequenzen;
    QString geraet;
    qsizetype gezeigtePunkte = 0;
};
