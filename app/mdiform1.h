#pragma once
// The frame window "Norbek Zentavik-Berechnung": menu, status bar, the antenna drawing
// behind the child windows, and the window rectangle kept between runs.

#include "platform/mdichild.h"
#include "platform/settingsstore.h"
#include "viewer/dateianzeigen.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class frmHauptform;
class frmVk;
class ZusatzDipol;
struct VkBeamFelder;

class MDIForm1 : public QMainWindow, public FrameServices, public ViewerHost {
    Q_OBJECT
public:
    explicit MDIForm1(SettingsStore settings, QWidget* parent = nullptr);
    ~MDIForm1() override;

    // FrameServices
    void setStatus(const QString& text) override;
    QString status() const override;
    bool closingForGood() const override { return finalClosing; }

    // The beam input form, created (and loaded, unshown) on first use.
    frmHauptform& hauptform();
    // The one velocity-factor calculator, created and loaded (unshown, tag "-") when it does not
    // exist or was closed. Its state is what the ground correction reads.
    frmVk& vkRechner();
    // The additional-dipole form, created (and loaded, unshown) on first use.
    ZusatzDipol& zusatzDipol();
    // Shows a form as a child window and activates it.
    void showChild(QWidget* form);
    // Adds a form as a child window, in load order, without showing it.
    QMdiSubWindow* addChild(QWidget* form);

    // ViewerHost: the results viewer exists at most once.
    frmRTF* existingViewer() override { return viewer; }
    frmRTF* createViewer() override;
    void showViewer(frmRTF* form) override;

    QMdiArea* mdiArea() const { return area; }
    QMenu *mnuDat, *mnuBer, *mnuHelp;
    QAction *mnuAnzeigen, *mnuDatDruck, *mnuBauplan, *mnuBauplanDruck, *mnuEnde, *mnuVk, *mnuBerStromsAnt, *mnuTrenn1, *mnuPruning, *mnuTrenn3,
        *mnuBerZusDipol, *mnuHilfe, *mnuInfo;
    QLabel *statusText, *statusTime, *statusDate;

    void mnuEnde_Click();
    void mnuVk_Click();
    // Opens one more pruning window and returns it.
    frmVk* mnuPruning_Click();
    // Ends the program after "&Beenden"; tests put their own here.
    std::function<void()> quit;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenus();
    void createWindowKeys();
    void createStatusBar();
    void keepOwnSize(QMdiSubWindow* window);
    void readSettings();
    void writeSettings();
    void storeRectangle(const QRect& outer);
    void fitOuterSize();
    void childActivated(QMdiSubWindow* window);
    // Puts the menus of this child (the frame's own when it has none) into the menu bar.
    void showMenusOf(QMdiSubWindow* window);
    void mnuDat_Open();
    // The beam form's fields as the velocity-factor and pruning windows read and write them.
    VkBeamFelder beamFelder();

    SettingsStore settings;
    QMdiArea* area;
    QList<QAction*> frameMenus;
    QList<QMdiSubWindow*> loadOrder;
    frmHauptform* beamForm = nullptr;
    bool leftForDialog = false;  // the frame lost the focus to a message box or dialog
    frmVk* vkForm = nullptr;
    ZusatzDipol* dipolForm = nullptr;
    frmRTF* viewer = nullptr;
    // The insulation shortening of the last beam run, for the additional dipole; 0 at start.
    double zusatzVerkuerzung = 0;
    bool finalClosing = false;
    bool shownOnce = false;
    // The stored outer size, decorations included, and the decorations it was last fitted to:
    // the window system tells their size only once the window is shown.
    QSize restoredOuterSize;
    QSize fittedDecorations;
};
