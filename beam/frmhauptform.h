#pragma once
// The beam input form "Berechnung eines Zentavik nach Norbek": frequency, velocity factor,
// band and range, wire insulation; "&Rechnen" runs the calculation, "&Anzeigen" the report.

#include "beam/beamcalculation.h"
#include "platform/mdichild.h"
#include "platform/settingsstore.h"
#include "plan/bauplandaten.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

class QButtonGroup;
class QComboBox;
class QFocusFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class RefusalNotice;
class VkRechnerZustand;

class frmHauptform : public QWidget, public MdiChild, private BeamFormPort {
    Q_OBJECT
public:
    frmHauptform(FrameServices& frame, QWidget* parent = nullptr);

    // Opens the report in the viewer; set by the program.
    std::function<void(const QString&)> dateiAnzeigen;
    // The velocity-factor calculator whose result the ground correction applies, if any.
    std::function<VkRechnerZustand*()> vkRechner;
    // The insulation shortening the last run left, which the additional dipole reads; the
    // program keeps it, a form on its own keeps it here.
    double* zusatzVerkuerzung = &eigeneZusatzVerkuerzung;
    // Where the chosen insulation model is remembered: read now, written at each choice.
    void einstellungenVerwenden(SettingsStore store);

    void childActivated() override;

    // What the build plan shows of the last calculation; nothing before one, after one that
    // did not complete, and once the results are cleared.
    const std::optional<BauplanDaten>& bauplan() const { return letzterBauplan; }
    // Whether the inputs were changed after the calculation the build plan comes from.
    bool bauplanVeraltet() const { return letzterBauplan && eingabenStand() != gerechnetMit; }
    // Whether the inputs were changed after the last calculation, the one the report is from.
    bool berichtVeraltet() const { return !gerechnetMit.isEmpty() && eingabenStand() != gerechnetMit; }

    // The controls, named as the form designer named them.
    QGroupBox *Frame1, *Frame2, *Frame3, *Frame5;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label7, *Label8, *Label9, *Label10, *Label11, *Label12, *Info;
    QLineEdit *Text1, *Text4, *Text6, *Text7;
    QScrollBar* VkSteller;
    QFocusFrame* VkStellerFokus;
    QComboBox* Combo1;
    QComboBox* Combo2;  // the insulation model: formula or full wave
    QPushButton *Command1, *Command2;
    QButtonGroup *Option1, *Option2;
    QRadioButton* option1(int i) const;
    QRadioButton* option2(int i) const;

    void Command1_Click();
    void Command2_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Placement of the controls and their start values.
    void createControls();
    void Form_Load();
    // What a screen reader says of them.
    void nameControls();
    // Keys and focus changes of the fields and buttons reach eventFilter.
    void filterKeysAndFocus();
    // The handlers of the inputs.
    void Option1_Click(int index);
    void Option2_Click(int index);
    void Text4_Change();
    void Text4_LostFocus();
    void Text7_Change();
    void VkSteller_Change(int value);
    void VkSteller_GotFocus();
    void Combo1_Click(int index);
    void Combo1_KeyUp();
    void Command2_LostFocus();
    void setDiameterControlsEnabled(bool enabled);
    void setSpinner(int position);
    void clearResonances();
    // The results of the last calculation stay when an input changes, marked as stale.
    QStringList eingabenStand() const;
    void eingabeGeaendert();
    void ergebnisseVeraltet();
    BauplanDaten planOf(Berechnung& calculation, const QString& typedFactor, VkRechnerZustand* calculator, const QDate& today);

    // BeamFormPort: what the calculation reads and writes.
    QString text1() override;
    QString text4() override;
    QString combo1() override;
    QString text6() override;
    QString text7() override;
    int selectedRange() override;
    void setText1(const QString& text) override;
    void setText4(const QString& text) override;
    void setLabel3(const QString& text) override;
    void setLabel5(const QString& text) override;
    void setInfo(const QString& text) override;
    void selectBand(int button) override;
    void focusCombo1() override;
    void focusText7() override;
    void enableCommand2() override;
    void setStatus(const QString& text) override;
    void showRefusal(const QString& reason) override;
    IsolierModell isolierModell() override;

    FrameServices& frame;
    RefusalNotice* grundAnzeige;
    bool rechnet = false;       // a calculation is writing the form
    bool infoErgebnis = false;  // Info holds the results of a calculation, not a hint
    QStringList gerechnetMit;   // the inputs of the last calculation; empty before the first
    int16_t VkStellerAlt = 0;
    double eigeneZusatzVerkuerzung = 0;
    std::optional<BauplanDaten> letzterBauplan;
    std::optional<SettingsStore> einstellungen;
};
