#pragma once
// The pruning window's small plot of a loaded sweep: SWR over frequency with markers at the
// resonance and the wanted frequency. A screen reader gets the same in words.

#include "calculators/resonanz.h"

#include <QWidget>

#include <optional>

class SwrAnzeige : public QWidget {
    Q_OBJECT
public:
    explicit SwrAnzeige(QWidget* parent = nullptr);

    void zeige(const Messung& messung, const Resonanz& resonanz);
    void setzeSoll(std::optional<double> sollHz);

    bool hatMessung() const { return resonanz.has_value(); }
    std::optional<double> soll() const { return sollHz; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void beschreiben();

    Messung messung;
    std::optional<Resonanz> resonanz;
    std::optional<double> sollHz;
};
