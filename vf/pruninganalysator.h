#pragma once
// The pruning window's live measurement: "Messen" sweeps the analyser on the chosen serial
// port around the wanted frequency, shows the SWR plot as the points arrive and puts the
// resonance into the measured-frequency field as a loaded sweep does. "Wiederholen" keeps
// measuring until switched off, the previous sweep drawn faintly, so that the dip is seen
// moving while the element is trimmed. The last sweep can be saved as a Touchstone file.

#include "analysator/analysatorverbindung.h"

#include <QComboBox>
#include <QWidget>

#include <optional>

class QLineEdit;
class QPushButton;
class PruningMessung;

// The serial ports, read again each time the list opens: a unit plugged in meanwhile shows.
class AnschlussWahl : public QComboBox {
    Q_OBJECT
public:
    explicit AnschlussWahl(QWidget* parent);
    void anschluesseLesen();
    // The port's path: the listed one chosen, or what was typed.
    QString anschluss() const;
    void waehle(const QString& name);
    void showPopup() override;
};

class PruningAnalysator : public QWidget {
    Q_OBJECT
public:
    explicit PruningAnalysator(PruningMessung* messung);

    // One sweep; a fault gets its message and changes nothing.
    void messen();
    void speichernClick();
    bool misst() const { return verbindung->laeuft(); }
    const std::optional<Messung>& letzteMessung() const { return gemessen; }

    QPushButton* messenKnopf;
    QPushButton* wiederholenKnopf;
    QPushButton* speichernKnopf;
    AnschlussWahl* anschlussWahl;
    QLineEdit* spanneFeld;  // kHz
    AnalysatorMessung* verbindung;

private:
    void sollGeaendert();
    void fertig(const Messung& messung, const QString& geraet);
    void fehlgeschlagen(const QString& text);
    void ende();

    PruningMessung* ziel;
    std::optional<Messung> gemessen;
    std::optional<double> gemesseneResonanz;  // Hz, of `gemessen`
    QString geraet;
    QString gemerkterAnschluss;
    bool spanneGetippt = false;
};
