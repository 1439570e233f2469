#pragma once
// The velocity-factor calculator " VF berechnen ": frequency, height and wire diameter give the
// shortening by slenderness and by the ground and the velocity factor, which it hands to the
// beam form. The same window serves as pruning window " Antennen-Pruning/Optimieren ", where
// "&Rechnen" turns a measured length and resonance into the length changes.

#include "platform/mdichild.h"
#include "vf/groundcorrection.h"

#include <QWidget>

#include <functional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class PruningMessung;
class RefusalNotice;

// The beam form's fields the calculator starts from and hands its result to. Each is asked
// when it is needed; asking may create the beam form (unshown). One left unset reads as empty
// and takes nothing.
struct VkBeamFelder {
    std::function<QString()> frequenzText;                   // design frequency
    std::function<QString()> durchmesserText;                // conductor diameter
    std::function<void(const QString&)> setzeFrequenz;       // design frequency
    std::function<void(const QString&)> setzeVk;             // velocity factor
    std::function<void(const QString&)> setzeDurchmesser;    // conductor diameter
};

class frmVk : public QWidget, public MdiChild, public VkRechnerZustand {
    Q_OBJECT
public:
    // The role is chosen once, when the window opens.
    enum class Rolle { Verkuerzungsfaktor, Pruning };

    frmVk(FrameServices& frame, VkBeamFelder beam, Rolle rolle, QWidget* parent = nullptr);

    Rolle rolle() const { return role; }

    // The calculator is unloaded when closed and loaded afresh (tag "-") by the next reading of
    // its state or the next opening; the window object and its last result stay.
    void ensureLoaded();
    bool loaded() const { return isLoaded; }

    // VkRechnerZustand: what the ground correction and the additional dipole read, each time.
    QString tag() override;
    bool erdbodenKorrektur() override;
    QString hoeheText() override;
    QString durchmesserText() override;
    QString frequenzText();

    void childActivated() override;
    QList<QAction*> ownMenus() const override;

    // The controls, named as the form designer named them.
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11;
    QLineEdit *Text1, *Text2, *Text3;
    QGroupBox* Frame1;
    QPushButton* Command1;
    QMenu* mnuOpt;
    QAction *mnuVkübernehmen, *mnuErdbodenKor;
    // The pruning window's measured sweep beside the fields; none in the calculator role.
    PruningMessung* messung = nullptr;

    // The velocity factor of the last computation; 0 until the first one.
    float VkErgebnis = 0;
    // The marker: "-" after loading, "Aktiv" after a completed computation, empty after closing.
    QString Tag;

    void Command1_Click();
    void Label9_DblClick();
    // Runs after the click has toggled the check mark.
    void mnuVkübernehmen_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void nameControls();
    void createMenu();
    void Form_Load();
    void alsPruningEinrichten();
    void placeCommand1();
    void nameResults();
    void vkRechnen();
    void pruningRechnen();
    void uebergeben();
    QList<QLabel*> results() const;
    void markResults(bool stale);

    FrameServices& frame;
    VkBeamFelder beam;
    Rolle role;
    bool isLoaded = false;
    RefusalNotice* grundAnzeige;
};
