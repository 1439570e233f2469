#pragma once
// Running the NEC-2 engine nec2c as a separate process on one card deck, in a private
// temporary folder that goes with the run.

#include "nec/necausgabe.h"
#include "nec/necdeck.h"

#include <QString>

// What computes one dipole's input impedance; the model asks it, tests put a stand-in here.
class NecRechner {
public:
    virtual ~NecRechner() = default;
    virtual NecImpedanz impedanz(const NecDipol& dipol) = 0;
};

class NecProzess final : public NecRechner {
public:
    // The program is looked up on PATH; the time limit is per run.
    explicit NecProzess(int zeitLimitMs = 20000, QString programm = QStringLiteral("nec2c"))
        : zeitLimitMs(zeitLimitMs), programm(std::move(programm))
    {
    }
    // Throws a Failure with a German reason: engine missing, failing, killed, over the time
    // limit, or leaving no usable listing.
    NecImpedanz impedanz(const NecDipol& dipol) override;
    // The listing of one run, for the benchmark and for reading as it stands.
    QByteArray listing(const QByteArray& karten);

private:
    int zeitLimitMs;
    QString programm;
};
