#pragma once
// A measured sweep in the pruning window: "&Messung laden…" reads an analyser's .s1p file,
// writes the resonance found in it into the measured-frequency field and shows the sweep's
// SWR plot; "Messen" takes the sweep from an analyser on a serial port instead. Each pruning
// window keeps its own measurement.

#include "calculators/resonanz.h"

#include <QWidget>

#include <optional>

class QLineEdit;
class QPushButton;
class PruningAnalysator;
class SwrAnzeige;

class PruningMessung : public QWidget {
    Q_OBJECT
public:
    // `istFeld` gets the resonance; `sollFeld` is read for the plot's second marker.
    PruningMessung(QLineEdit* istFeld, QLineEdit* sollFeld, QWidget* parent);

    // Asks for a file and loads it.
    void ladenClick();
    // Loads the file; a file that is no sweep gets a message and changes nothing.
    bool laden(const QString& pfad);

    const std::optional<Resonanz>& resonanz() const { return gefunden; }

    // Puts a sweep's resonance into the measured-frequency field and shows its plot, whether
    // the sweep came from a file or from the analyser; `ansage` heads what a screen reader hears.
    void uebernehmen(const Messung& messung, const Resonanz& resonanz, const QString& ansage);
    // The plot of the last sweep taken over again, after one that failed halfway.
    void zeigeWieder();
    // The wanted frequency in Hz, when the field holds one.
    std::optional<double> sollHz() const;
    QLineEdit* sollFeldText() const { return sollFeld; }

    QPushButton* ladenKnopf;
    SwrAnzeige* anzeige;
    PruningAnalysator* analysator;

private:
    void sollGeaendert();

    QLineEdit* istFeld;
    QLineEdit* sollFeld;
    std::optional<Resonanz> gefunden;
    Messung gezeigt;  // the sweep of `gefunden`
    QString verzeichnis;  // where the last sweep came from
};
