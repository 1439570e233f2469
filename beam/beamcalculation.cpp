#include "beam/beamcalculation.h"

#include "beam/insulation.h"
#include "beam/report.h"
#include "common/ablehnungen.h"
#include "common/checkedmath.h"
#include "common/cp1252.h"
#include "common/numberformat.h"
#include "common/numbertext.h"
#include "nec/vollwelle.h"
#include "platform/ui.h"
#include "vf/groundcorrection.h"

#include <cmath>

Berechnung::Berechnung(BeamFormPort& form, BeamEnvironment environment)
    : form(form), env(std::move(environment))
{
}

Berechnung::~Berechnung() = default;

QString Berechnung::F(float value) const { return formatSingle(value, u"###0.0##", env.decimal); }

// The results text grows piece by piece; the form shows it after each piece.
void Berechnung::appendInfo(const QString& piece)
{
    infoText += piece;
    form.setInfo(infoText);
}

// Each output is stored in single precision, then its piece joins the results text.
void Berechnung::output(float& target, double value, QStringView key, QStringView unit, bool lineEnd)
{
    target = checked::single(value);
    infoText += key;
    appendSingle(infoText, target, u"###0.0##", env.decimal);
    infoText += unit;
    if (lineEnd)
        infoText += env.module.CrLf;
    form.setInfo(infoText);
}

std::vector<Step> Berechnung::calculationSteps()
{
    return {
        {"1", [this] {
             infoText.clear();
             form.setInfo(infoText);
             return StepResult::Next;
         }},
        {"2", [this] {
             const float f = ZahlAusText(form.text1());
             // No usable frequency: 50,2 MHz in the 6-m band.
             v.f = f > 0 ? f : 50.2f;
             return StepResult::Next;
         }},
        {"3", [this] { v.VF = ZahlAusText(form.text4()); return StepResult::Next; }},
        {"4", [this] { v.p = checked::single((1.0 - v.VF) * 100); return StepResult::Next; }},
        {"5", [this] { v.p = ErdbodenKorrektur(v.f, 0, v.p, env.vkRechner); return StepResult::Next; }},
        {"6", [this] { v.VF = checked::single(1.0 - v.p / 100.0); return StepResult::Next; }},
        {"7", [this] { form.setText4(formatSingle(v.VF, u"0.0###", env.decimal)); return StepResult::Next; }},
        {"8", [this] {
             v.band = bandFuer(v.f);
             // Outside every band the text is a value no step sets, formatted: 0,0.
             if (v.band.button == AndereBand)
                 v.band.bandText = formatSingle(0.0f, u"###0.0##", env.decimal);
             form.selectBand(v.band.button);
             return StepResult::Next;
         }},
        {"9", [this] { v.Er = ZahlAusText(form.combo1()); return StepResult::Next; }},
        {"10", [this] {
             bare = v.Er <= LuftEr;
             if (bare)
                 env.zusatzVerkuerzung = 0;
             return StepResult::Next;
         }},
        {"11", [this] {
             if (bare || v.Er <= 20)
                 return StepResult::Next;
             ui::beep(ablehnung::erUeber20());
             const auto answer = ui::messageBox(QStringLiteral("Ist die Eingabe der relative Dielektrizitätszahl korrekt ?"),
                                                QStringLiteral(" Schlechtes Isoliermaterial ?"), ui::Buttons::YesNo,
                                                ui::Icon::Question);
             if (answer == ui::Answer::Yes)
                 return StepResult::Next;
             form.focusCombo1();
             form.showRefusal(ablehnung::erUeber20());
             return StepResult::EndRun;
         }},
        {"12", [this] { if (!bare) v.dA = ZahlAusText(form.text6()); return StepResult::Next; }},
        {"13", [this] { if (!bare) v.dL = ZahlAusText(form.text7()); return StepResult::Next; }},
        {"14", [this] {
             if (bare || !(v.dL < 0.01f || v.dL >= v.dA))
                 return StepResult::Next;
             ui::beep(ablehnung::durchmesserZuGering());
             ui::processEvents();
             form.focusText7();
             infoText = QStringLiteral("Hinweis: Durchmesser zu gering!");
             form.setInfo(infoText);
             form.showRefusal(ablehnung::durchmesserZuGering());
             return StepResult::EndRun;
         }},
        {"15", [this] {
             if (bare)
                 return StepResult::Next;
             if (form.isolierModell() == IsolierModell::Formel) {
                 env.zusatzVerkuerzung = IsolierKorrektur(v.Er, v.dA, v.dL, v.VF);
                 return StepResult::Next;
             }
             ui::setBusyCursor(true);
             const auto modell = [f = v.f, dA = v.dA, dL = v.dL, Er = v.Er] { return vollwellenModell().verkuerzung(f, dA, dL, Er); };
             try {
                 env.zusatzVerkuerzung = env.abseits ? env.abseits(modell) : modell();
                 modellFehler.reset();
                 vollwelle = true;
             } catch (const Failure& f) {
                 modellFehler = f;
                 throw;
             }
             return StepResult::Next;
         }},
        {"16", [] { ui::setBusyCursor(true); return StepResult::Next; }},
        {"17", [this] {
             // No length follows from a shortening the model did not give.
             if (modellFehler)
                 throw *modellFehler;
             // The wavelength on the insulated wire.
             const double s = env.zusatzVerkuerzung;
             const double u = 1 - (s + s);
             // Insulation that shortens each half by a half or more leaves no wire: refused as
             // a failure of the inputs that cause it, never reported or drawn as lengths.
             if (!(u > 0)) {
                 Failure f(failures::InvalidArgument, QStringLiteral("Die Zusatzverkürzung durch die Drahtisolierung ist zu groß: "
                                                                     "die Drahtlängen wären nicht positiv."));
                 f.feld = QStringLiteral("relative Dielektrizitätszahl, Durchmesser Aussen, Durchmesser Leiter und Verkürzungsfaktor");
                 keinDraht = true;
                 throw f;
             }
             v.lambdaK = checked::finite(u * checked::div(300, v.f));
             return StepResult::Next;
         }},
        {"18", [this] {
             v.lambda = checked::div(300, v.f);
             appendInfo(QStringLiteral("Berechnet für die Resonanzfrequenz = ") + F(v.f) + QStringLiteral(" MHz / "));
             return StepResult::Next;
         }},
        {"19.1", [this] { output(v.out.LgD, 163 * v.lambdaK / 300 * v.VF, u"LgD=", u" m / "); return StepResult::Next; }},
        {"19.2", [this] { output(v.out.LgR, 169.85 * v.lambdaK / 300 * v.VF, u"LgR=", u" m / ", true); return StepResult::Next; }},
        {"19.3", [this] { output(v.out.A, 0.125 * v.lambda, u"A=", u" m / "); return StepResult::Next; }},
        {"19.4", [this] { output(v.out.Bv, 0.25 * v.lambdaK, u"Bv=", u" m / "); return StepResult::Next; }},
        {"19.5", [this] { output(v.out.Bh, 0.255 * v.lambdaK, u"Bh=", u" m / "); return StepResult::Next; }},
        {"19.6", [this] { output(v.out.LgBoom, 0.25 * v.lambda, u"LgBoom=", u" m / "); return StepResult::Next; }},
        {"19.7", [this] { output(v.out.C, 0.042 * v.lambda, u"C=", u" m / "); return StepResult::Next; }},
        {"19.8", [this] { output(v.out.gesLgBoom, 0.334 * v.lambda, u"gesLgBoom=", u" m / ", true); return StepResult::Next; }},
        {"19.9", [this] { output(v.out.D, 0.1169 * v.lambda, u"D=", u" m / "); return StepResult::Next; }},
        // The correction x that P allows for is 0.
        {"19.10", [this] { output(v.out.P, v.out.Bv / 2.0 - 0.0f, u"P=", u" m (minus x)/ "); return StepResult::Next; }},
        {"19.11", [this] {
             output(v.out.frD, v.f * std::sqrt(double(EigenresonanzK)), u"frD=", u" MHz / ");
             form.setLabel3(F(v.out.frD));
             return StepResult::Next;
         }},
        {"19.12", [this] {
             output(v.out.frR, checked::div(v.f, std::sqrt(double(EigenresonanzK))), u"frR=", u" MHz / ", true);
             form.setLabel5(F(v.out.frR));
             return StepResult::Next;
         }},
        {"19.13", [this] { output(v.out.Vlg, checked::div(75.0f, v.f) * KabelVk, u"Vlg=", u" m / "); return StepResult::Next; }},
        {"21", [this] { form.setText1(formatSingle(v.f, u"##0.0##", env.decimal)); return StepResult::Next; }},
    };
}

ReportData Berechnung::reportData()
{
    ReportData data;
    data.range = form.selectedRange();
    data.bandText = v.band.bandText;
    data.f = v.f;
    data.VF = v.VF;
    data.insulated = !bare;
    data.vollwelle = vollwelle;
    data.combo1 = form.combo1();
    data.out = v.out;
    data.date = env.today;
    data.legalNotice = env.legalNotice;
    data.decimal = env.decimal;
    data.crLf = env.module.CrLf;
    return data;
}

void Berechnung::writeLine(const QString& line)
{
    // An unopened report fails each line, as a file that was never opened does.
    if (!report || !report->offen())
        throw Failure(52, QStringLiteral("Die Berichtsdatei ist nicht geöffnet."));
    report->schreiben(encodeCp1252(line + env.module.CrLf));
}

std::vector<Step> Berechnung::reportSteps()
{
    std::vector<Step> steps{
        {"R1", [this] { env.module.TabellenDatei = QStringLiteral("Zentavik.txt"); return StepResult::Next; }},
        {"R2", [this] {
             report = std::make_unique<DateiSchreiber>(env.module.TabellenDatei);
             report->oeffnen();
             return StepResult::Next;
         }},
    };
    for (int n = 1; n <= reportLineCount; ++n) {
        // The report's lines 1 to 29, one step each; line 9 only for insulated wire.
        steps.push_back({"R3", [this, n] {
                             const ReportData data = reportData();
                             if (n == 9 && !data.insulated)
                                 return StepResult::Next;
                             // Stays marked if the write fails and the user skips the line.
                             missingLines.insert(n);
                             writeLine(reportLine(n, data));
                             missingLines.erase(n);
                             return StepResult::Next;
                         }});
    }
    // The report takes its name before the note says what is on disk: a report that could not
    // be created or completed is never announced, and one that lacks lines the user chose to
    // skip is announced as incomplete.
    // Lengths of 0 from a design that leaves no wire are no result: going on past that
    // failure writes no report of them, and the older report stays.
    for (Step& step : steps)
        step.run = [this, run = std::move(step.run)] { return keinDraht ? StepResult::Next : run(); };
    steps.push_back({"R8", [this] {
                         if (keinDraht) {
                             appendInfo(env.module.CrLf + QStringLiteral("Keine Tabelle: die Drahtlängen wären nicht positiv.  "));
                             return StepResult::Next;
                         }
                         if (report && report->offen()) {
                             report->abschliessen();
                             reportWritten = true;
                         }
                         if (!reportWritten)
                             appendInfo(env.module.CrLf + QStringLiteral("Tabelle konnte nicht als Textfile 'Zentavik.txt' angelegt werden.  "));
                         else if (!missingLines.empty())
                             appendInfo(env.module.CrLf + QStringLiteral("Tabelle liegt unvollständig als Textfile 'Zentavik.txt' vor.  "));
                         else
                             appendInfo(env.module.CrLf + QStringLiteral("Tabelle liegt als Textfile 'Zentavik.txt' vor.  "));
                         return StepResult::Next;
                     }});
    // An uncompleted report is thrown away here; the older one stays.
    steps.push_back({"R9", [this] { report.reset(); return StepResult::Next; }});
    steps.push_back({"R10", [this] { if (reportWritten) form.enableCommand2(); return StepResult::Next; }});
    steps.push_back({"R11", [this] {
                         if (reportWritten)
                             form.setStatus(QStringLiteral("Status: Bereit zum Anzeigen der Berechnungsergebnisse"));
                         return StepResult::Next;
                     }});
    return steps;
}

RunEnd Berechnung::run(const FailureHandler& handler, bool withReport)
{
    v = BeamValues{};
    bare = true;
    vollwelle = false;
    modellFehler.reset();
    keinDraht = false;
    reportWritten = false;
    missingLines.clear();
    std::vector<Step> steps = calculationSteps();
    if (withReport) {
        std::vector<Step> rest = reportSteps();
        steps.insert(steps.end(), std::make_move_iterator(rest.begin()), std::make_move_iterator(rest.end()));
    }
    // The handler hears which input a failing value came from, where a step reads one.
    const RunEnd end = runSteps(steps, [this, &handler](const Failure& failure, const Step& step) {
        Failure named = failure;
        if (named.feld.isEmpty())
            named.feld = failingField(step);
        return handler(named, step);
    });
    // An aborted run throws its unfinished report away: the older report stays whole.
    report.reset();
    return end;
}

QString Berechnung::failingField(const Step& step)
{
    const QString number = QString::fromLatin1(step.number);
    if (number == u"2")
        return QStringLiteral("Gesamt Beam (Frequenz)");
    if (number == u"3")
        return QStringLiteral("Verkürzungsfaktor");
    if (number == u"9")
        return QStringLiteral("relative Dielektrizitätszahl");
    if (number == u"12")
        return QStringLiteral("Durchmesser Aussen");
    if (number == u"13")
        return QStringLiteral("Durchmesser Leiter");
    if (number == u"5" && env.vkRechner) {
        // The ground correction reads the height and the diameter of the calculator's window.
        const auto liest = [](const QString& text) {
            try {
                return ZahlAusText(text) != 0;
            } catch (const Failure&) {
                return false;
            }
        };
        if (!liest(env.vkRechner->hoeheText()))
            return QStringLiteral("Antennenhöhe im Fenster \"VF berechnen\"");
        if (!liest(env.vkRechner->durchmesserText()))
            return QStringLiteral("Drahtdurchmesser im Fenster \"VF berechnen\"");
        return QStringLiteral("Gesamt Beam (Frequenz) mit Antennenhöhe und Drahtdurchmesser im Fenster \"VF berechnen\"");
    }
    // The element lengths take the factor too; the other dimensions follow from the frequency.
    if (number == u"19.1" || number == u"19.2")
        return QStringLiteral("Gesamt Beam (Frequenz) und Verkürzungsfaktor");
    if (number == u"17" || number == u"18" || number.startsWith(u"19."))
        return QStringLiteral("Gesamt Beam (Frequenz)");
    return QString();
}

FailureAnswer beamFailureBox(const Failure& failure, const QString& crLf)
{
    QString message = failure.description;
    if (failure.number == failures::Overflow || failure.number == failures::IndexOutOfRange)
        message += crLf + QStringLiteral("Bitte kleinere Werte verwenden.");
    if (!failure.feld.isEmpty())
        message += crLf + ablehnung::fehlerFeld(failure.feld);
    ui::setBusyCursor(false);
    const auto answer = ui::messageBox(message, QStringLiteral(" Fehler "), ui::Buttons::AbortRetryIgnore,
                                       ui::Icon::Exclamation);
    if (answer == ui::Answer::Retry || answer == ui::Answer::Ignore) {
        ui::setBusyCursor(true);
        return answer == ui::Answer::Retry ? FailureAnswer::Retry : FailureAnswer::Ignore;
    }
    return FailureAnswer::Abort;
}
