#pragma once
// A measured sweep in the pruning window: "&Messung laden…" reads an analyser's .s1p file,
// writes the resonance found in it into the measured-frequency field and shows the sweep's
// SWR plot. Each pruning window keeps its own measurement.

#include "calculators/resonanz.h"

#include <QWidget>

#include <optional>

class QLineEdit;
class QPushButton;
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

    QPushButton* ladenKnopf;
    SwrAnzeige* anzeige;

private:
    void sollGeaendert();

    QLineEdit* istFeld;
    QLineEdit* sollFeld;
    std::optional<Resonanz> gefunden;
    QString verzeichnis;  // where the last sweep came from
};
