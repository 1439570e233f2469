#pragma once
// The beam calculation from the command line: the form's fields as options, one run of the
// very calculation "&Rechnen" runs, and what the run leaves in the form and in the report.

#include "beam/beamcalculation.h"
#include "beam/report.h"
#include "cli/befehl.h"
#include "cli/json.h"
#include "vf/groundcorrection.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class QTextStream;

namespace rechner {

// The texts of the beam form's fields; the defaults are the form's start values.
struct BeamEingaben {
    QString frequenz = QStringLiteral("50,2");
    QString vk = QStringLiteral("1,00");
    QString material = QStringLiteral("1,00059 Luft");
    QString aussen = QStringLiteral("6");
    QString leiter = QStringLiteral("3,57");
    int bereich = 1;  // range button: 0 CW, 1 SSB, 2 band middle
    IsolierModell isolierung = IsolierModell::Formel;
    // The velocity-factor calculator: with any of these it holds a result, and the ground
    // correction recomputes the factor for the design frequency.
    bool vkRechner = false;
    QString hoehe;          // m; empty: the calculator's start value for the frequency
    QString vkDurchmesser;  // mm; empty: the conductor diameter, as the calculator copies it
    bool erdbodenKorrektur = false;
    bool erBestaetigt = false;  // answers "Ist die Eingabe ... korrekt ?" with Yes
    // The options typed, without dashes: a message names every other one as a default.
    QStringList gesetzt;

    // The option as a message names it: "--leiter", or "--leiter (Vorgabe 3,57)" when not typed.
    QString genannt(const QString& name, const QString& vorgabe) const;
};

// The velocity-factor calculator after a computation with the given height and diameter:
// the state the ground correction of every calculation reads.
class KommandozeilenVkRechner final : public VkRechnerZustand {
public:
    KommandozeilenVkRechner(QString hoehe, QString durchmesser, bool korrektur)
        : hoehe(std::move(hoehe)), durchmesser(std::move(durchmesser)), korrektur(korrektur)
    {
    }
    QString tag() override { return QStringLiteral("Aktiv"); }
    bool erdbodenKorrektur() override { return korrektur; }
    QString hoeheText() override { return hoehe; }
    QString durchmesserText() override { return durchmesser; }

private:
    QString hoehe, durchmesser;
    bool korrektur;
};

// What one run leaves behind.
struct BeamLauf {
    BeamEingaben eingaben;
    BeamValues werte;
    double zusatzVerkuerzung = 0;
    ReportData bericht;
    // The form's fields and labels after the run.
    QString text1, text4, combo1, text6, text7, label3, label5, info;
    int band = AndereBand;
    // What was corrected on the way, as the calculator shows it in light red.
    QStringList hinweise;
};

// The options of the beam inputs; baender leaves out frequency and range.
QList<OptionDef> beamOptionen(bool mitFrequenz);
// Reads them, checking each as the form's field would; the beam form's velocity factor comes
// from the option named vkOption. Throws FalscheEingabe.
BeamEingaben beamEingaben(const Befehl& befehl, bool mitFrequenz, const QString& vkOption = QStringLiteral("vk"));

// The material text as Combo1 would hold it: a typed number stays as typed, a material name
// in any case (or a unique beginning of one, or a usual other name such as "Teflon" for PTFE)
// becomes its list entry. Throws FalscheEingabe.
QString materialText(const QString& eingabe);

// Runs the calculation without writing a file. With the velocity-factor calculator its own
// calculation runs first, as it must have before its result counts, and a diameter it
// corrects is what the ground correction then reads. Throws FalscheEingabe where a form
// would put the focus into a field, and the failure of a step that fails.
BeamLauf rechneBeam(const BeamEingaben& eingaben, const QDate& heute);

// The report as text with the given line end.
QString berichtText(const BeamLauf& lauf, const QString& zeilenende);
// The report file's bytes: Windows-1252, CR LF.
QByteArray berichtDatei(const BeamLauf& lauf);
QString beamJson(const BeamLauf& lauf);
// The calculator's inputs among a JSON document's inputs, when the calculator took part.
void rechnerEingabenJson(JsonWriter& j, const BeamEingaben& eingaben);
// "Isoliermodell": the model that gave the run's insulation shortening, "keins" for bare wire.
void isoliermodellJson(JsonWriter& j, const BeamLauf& lauf);

// "beam": returns the exit status.
int beamBefehl(const QStringList& argumente, QTextStream& out, QTextStream& err);

} // namespace rechner
