// "&Rechnen" and "&Anzeigen": the calculation run with its failure box, the build plan's data,
// and what the calculation reads from and writes to the form.
#include "beam/frmhauptform.h"

#include "beam/abseits.h"
#include "beam/report.h"
#include "common/module1.h"
#include "common/numberformat.h"
#include "common/version.h"
#include "platform/accessiblenames.h"
#include "platform/formcontrols.h"
#include "platform/refusal.h"
#include "platform/ui.h"
#include "vf/groundcorrection.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void frmHauptform::Command1_Click()
{
    ui::setBusyCursor(true);
    grundAnzeige->clear();
    // Until this run writes them anew the labels show the last run's results: stale, should
    // it stop early.
    ergebnisseVeraltet();
    rechnet = true;
    {
        // The results text grows piece by piece; a screen reader hears it once, finished.
        const HeldResults wholeResult{Info};
        const QString typedFactor = Text4->text();
        VkRechnerZustand* calculator = vkRechner ? vkRechner() : nullptr;
        const QDate today = QDate::currentDate();
        // The full-wave model's engine runs away from the window, which keeps repainting.
        Berechnung calculation(*this, {module1(), calculator, localeDecimal(), today, version::copyright, abseitsRechnen,
                                *zusatzVerkuerzung});
        bool skipped = false;
        const RunEnd end = calculation.run([&skipped](const Failure& failure, const Step& step) {
            const FailureAnswer answer = beamFailureBox(failure, module1().CrLf);
            // The report's steps ("R...") come after every measure is computed.
            skipped |= answer == FailureAnswer::Ignore && step.number[0] != 'R';
            return answer;
        });
        *zusatzVerkuerzung = calculation.zusatzVerkuerzung();
        // A run that skipped a failed calculation step may leave measures at 0: no plan is drawn from it.
        letzterBauplan = std::nullopt;
        if (end == RunEnd::Completed && !skipped)
            letzterBauplan = planOf(calculation, typedFactor, calculator, today);
    }
    rechnet = false;
    gerechnetMit = eingabenStand();
    ui::setBusyCursor(false);
}

BauplanDaten frmHauptform::planOf(Berechnung& calculation, const QString& typedFactor, VkRechnerZustand* calculator, const QDate& today)
{
    BauplanDaten plan;
    plan.werte = calculation.values();
    plan.bereich = Option1->checkedId();
    plan.frequenz = Text1->text();
    plan.vkEingegeben = typedFactor;
    plan.vkVerwendet = Text4->text();
    plan.isolierung = Combo1->currentText();
    plan.isoliert = calculation.reportData().insulated;
    plan.aussen = Text6->text();
    plan.leiter = Text7->text();
    plan.zusatzVerkuerzung = calculation.zusatzVerkuerzung();
    plan.vollwelle = calculation.reportData().vollwelle;
    // The calculator counts once it holds a result, as for the ground correction.
    if (calculator && calculator->tag() == QStringLiteral("Aktiv"))
        plan.vkRechner = BauplanVkRechner{calculator->hoeheText(), calculator->durchmesserText(), calculator->erdbodenKorrektur()};
    plan.datum = today;
    return plan;
}

void frmHauptform::Command2_Click()
{
    if (dateiAnzeigen)
        dateiAnzeigen(module1().TabellenDatei);
}

void frmHauptform::Command2_LostFocus()
{
    Command2->setEnabled(false);
    frame.setStatus(QStringLiteral("Status: Berechnung eines Zentavik"));
}

// What the calculation reads and writes.
QString frmHauptform::text1() { return Text1->text(); }
QString frmHauptform::text4() { return Text4->text(); }
QString frmHauptform::combo1() { return Combo1->currentText(); }

IsolierModell frmHauptform::isolierModell() { return Combo2->currentIndex() == 1 ? IsolierModell::Vollwelle : IsolierModell::Formel; }

QString frmHauptform::text6() { return Text6->text(); }
QString frmHauptform::text7() { return Text7->text(); }
int frmHauptform::selectedRange() { return Option1->checkedId(); }
void frmHauptform::setText1(const QString& text) { Text1->setText(text); }
void frmHauptform::setText4(const QString& text) { Text4->setText(text); }
void frmHauptform::setLabel3(const QString& text)
{
    markStale(Label3, false);
    showResult(Label3, text);
}
void frmHauptform::setLabel5(const QString& text)
{
    markStale(Label5, false);
    showResult(Label5, text);
}
void frmHauptform::setInfo(const QString& text)
{
    // A hint is never stale; what a calculation writes is its result.
    markStale(Info, false);
    infoErgebnis = rechnet && !text.startsWith(QStringLiteral("Hinweis"));
    // The label shows the CR LF line breaks as plain line feeds.
    tellResult(Info, QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}
void frmHauptform::selectBand(int button)
{
    if (option2(button)->isChecked())
        return;
    option2(button)->setChecked(true);
    Option2_Click(button);
}
void frmHauptform::focusCombo1() { RefusalNotice::focusField(Combo1); }
void frmHauptform::focusText7() { RefusalNotice::focusField(Text7); }
// The calculation has told the user already: in its question box, or in the hint below.
void frmHauptform::showRefusal(const QString& reason) { grundAnzeige->show(reason, false); }
void frmHauptform::enableCommand2() { Command2->setEnabled(true); }
void frmHauptform::setStatus(const QString& text) { frame.setStatus(text); }
