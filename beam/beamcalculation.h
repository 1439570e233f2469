#pragma once
// The beam calculation "Berechnung": from the inputs of the beam form to the thirteen
// dimensions of the two-element wire beam and the report file. It runs as numbered steps
// under one failure handler so that Retry and Ignore work step by step.

#include "beam/bands.h"
#include "beam/insulation.h"
#include "common/module1.h"
#include "common/steprunner.h"
#include "platform/dateischreiber.h"

#include <QDate>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <set>

class VkRechnerZustand;
struct ReportData;

// What the calculation reads from and writes to the beam input form while it runs.
class BeamFormPort {
public:
    virtual ~BeamFormPort() = default;
    virtual QString text1() = 0;   // design frequency, MHz
    virtual QString text4() = 0;   // velocity factor
    virtual QString combo1() = 0;  // insulation: permittivity and material
    virtual QString text6() = 0;   // outer diameter, mm
    virtual QString text7() = 0;   // conductor diameter, mm
    virtual int selectedRange() = 0;  // index of the selected range button, -1 for none
    virtual void setText1(const QString& text) = 0;
    virtual void setText4(const QString& text) = 0;
    virtual void setLabel3(const QString& text) = 0;
    virtual void setLabel5(const QString& text) = 0;
    virtual void setInfo(const QString& text) = 0;
    // Selects a band button as a click would: its handler runs when the selection changes.
    virtual void selectBand(int button) = 0;
    virtual void focusCombo1() = 0;
    virtual void focusText7() = 0;
    virtual void enableCommand2() = 0;
    virtual void setStatus(const QString& text) = 0;
    // The calculation refused an input and beeped: why, for the user to see and hear.
    virtual void showRefusal(const QString&) {}
    virtual IsolierModell isolierModell() { return IsolierModell::Formel; }
};

struct BeamDimensions {
    float LgD = 0, LgR = 0, A = 0, Bv = 0, Bh = 0, LgBoom = 0, C = 0, gesLgBoom = 0, D = 0, P = 0;
    float frD = 0, frR = 0, Vlg = 0;
};

// Everything one run works with; values a failed and ignored step should have set stay 0.
struct BeamValues {
    float f = 0, VF = 0, p = 0, Er = 0, dA = 0, dL = 0;
    double lambdaK = 0, lambda = 0;
    BandRow band;
    BeamDimensions out;
};

struct BeamEnvironment {
    Module1& module;
    VkRechnerZustand* vkRechner = nullptr;  // the velocity-factor calculator, when there is one
    QString decimal = QStringLiteral(",");  // the locale's decimal separator
    QDate today;                            // date of the report
    QString legalNotice;                    // end of the report's last line
    // Runs a long job (the full-wave model's engine runs) where the window stays responsive
    // and hands back its result or its failure; unset, the job runs right here.
    std::function<double(const std::function<double()>&)> abseits;
    // The insulation shortening (a fraction) the last run left; this run keeps it unless it
    // finds one (bare wire gives 0).
    double zusatzVerkuerzung = 0;
};

// Self-resonance constant and the velocity factor of the matching line.
inline constexpr float EigenresonanzK = 1.042f;
inline constexpr float KabelVk = 0.66f;

class Berechnung {
public:
    Berechnung(BeamFormPort& form, BeamEnvironment environment);
    ~Berechnung();

    // One run of the calculation and (unless left out) the report. The handler answers each failure.
    RunEnd run(const FailureHandler& handler, bool withReport = true);

    const BeamValues& values() const { return v; }
    // The insulation shortening after the run, for the next run and the additional dipole.
    double zusatzVerkuerzung() const { return env.zusatzVerkuerzung; }
    // What the report of this run says, read from the form as the report steps read it.
    ReportData reportData();

private:
    std::vector<Step> calculationSteps();
    QString failingField(const Step& step);
    std::vector<Step> reportSteps();
    QString F(float value) const;
    void appendInfo(const QString& piece);
    void output(float& target, double value, QStringView key, QStringView unit, bool lineEnd = false);
    void writeLine(const QString& line);

    BeamFormPort& form;
    BeamEnvironment env;
    BeamValues v;
    bool bare = true;
    bool vollwelle = false;                 // the full-wave model gave this run's shortening
    std::optional<Failure> modellFehler;    // why it gave none
    bool keinDraht = false;                 // the insulation leaves no wire: no report of this design
    // The new report is written aside and takes the name "Zentavik.txt" only when complete, so
    // the older report survives every failure the user answers with Abort.
    std::unique_ptr<DateiSchreiber> report;
    bool reportWritten = false;   // this run's report lies complete on disk
    std::set<int> missingLines;   // report lines whose failure the user skipped
    QString infoText;
};

// The failure handler of the beam calculation: the " Fehler " box with Abort, Retry, Ignore.
FailureAnswer beamFailureBox(const Failure& failure, const QString& crLf);
