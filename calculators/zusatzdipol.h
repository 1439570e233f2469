#pragma once
// The form "Strahlungsgekoppelten Dipol berechnen": spacing and length of an unfed dipole
// beside a centre-fed one.

#include "calculators/zusatzdipol_calc.h"
#include "platform/mdichild.h"

#include <QWidget>

#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class FrameServices;
class RefusalNotice;

// Where the form takes its start values from and which calculator's ground correction applies.
// Each is asked when it is needed; asking may create the other form (unshown).
struct ZusatzDipolQuellen {
    std::function<VkRechnerZustand*()> vkRechner;  // the velocity-factor calculator
    std::function<QString()> vkFrequenzText;       // that calculator's frequency field
    std::function<QString()> beamDurchmesserText;  // the beam form's conductor diameter
    std::function<QString()> beamVkText;           // the beam form's velocity factor
    std::function<double()> zusatzVerkuerzung;     // the last beam run's insulation shortening; unset, 0
    FrameServices* frame = nullptr;                // whose status line shows why a field was refused
};

class ZusatzDipol : public QWidget, public MdiChild {
    Q_OBJECT
public:
    explicit ZusatzDipol(ZusatzDipolQuellen quellen, QWidget* parent = nullptr);

    QGroupBox *Frame1, *Frame2;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6;
    QPushButton *Command1, *Command2;

    void Command1_Click();
    void Command2_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void Form_Load();
    QLineEdit* feld(ZusatzDipolFeld f) const;

    ZusatzDipolQuellen quellen;
    RefusalNotice* grundAnzeige;
};
