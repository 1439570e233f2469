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
    // The sweep before the current one, drawn faintly for comparison while trimming.
    void setzeVorige(std::optional<Messung> vorige);
    // The points of a sweep that is still arriving; its resonance so far marks the plot.
    void zeigeTeil(const Messung& teil);
    // Back to no sweep.
    void leeren();

    bool hatMessung() const { return resonanz.has_value(); }
    std::optional<double> soll() const { return sollHz; }
    bool hatVorige() const { return vorige.has_value(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void beschreiben();

    Messung messung;
    std::optional<Resonanz> resonanz;
    std::optional<double> sollHz;
    std::optional<Messung> vorige;
};
