#include "app/mdiform1.h"

#include "app/background.h"
#include "app/bauplanfenster.h"
#include "app/eingabendrucken.h"
#include "app/fensterrechteck.h"
#include "app/hilfe.h"
#include "app/info.h"
#include "beam/frmhauptform.h"
#include "vf/frmvk.h"
#include "calculators/zusatzdipol.h"
#include "viewer/frmrtf.h"
#include "common/module1.h"
#include "common/numberformat.h"
#include "platform/spokenmenu.h"
#include "platform/statuspanels.h"
#include "platform/twips.h"
#include "platform/ui.h"
#include "resources/resources.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QCloseEvent>
#include <QShowEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include <utility>

namespace {
const QString section = QStringLiteral("Settings");
}

MDIForm1::MDIForm1(SettingsStore store, QWidget* parent) : QMainWindow(parent), settings(std::move(store))
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Norbek Zentavik-Berechnung"));
    loadResources();
    // The program's own icon, for the frame, every child window and the message boxes.
    setWindowIcon(QIcon(QStringLiteral(":/zentavik.svg")));
    QApplication::setWindowIcon(windowIcon());
    area = new DrawingArea(this);
    area->setObjectName(QStringLiteral("MDIClient"));
    setCentralWidget(area);
    connect(area, &QMdiArea::subWindowActivated, this, &MDIForm1::childActivated);
    createMenus();
    createWindowKeys();
    createStatusBar();
    readSettings();
}

MDIForm1::~MDIForm1()
{
    // The child windows go after this part of the frame; they must not call back into it.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void MDIForm1::createMenus()
{
    mnuDat = menuBar()->addMenu(QStringLiteral("&Datei"));
    mnuAnzeigen = mnuDat->addAction(QStringLiteral("&Anzeigen/Drucken"));
    mnuDatDruck = mnuDat->addAction(QStringLiteral("&Eingaben drucken"));
    mnuBauplan = mnuDat->addAction(QStringLiteral("Bau&plan…"));
    mnuBauplanDruck = mnuDat->addAction(QStringLiteral("Bauplan d&rucken…"));
    mnuEnde = mnuDat->addAction(QStringLiteral("&Beenden"));
    mnuEnde->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(mnuDat, &QMenu::aboutToShow, this, &MDIForm1::mnuDat_Open);
    connect(mnuAnzeigen, &QAction::triggered, this, [this] {
        DateiAnzeigen(module1().TabellenDatei, *this);
        // The report does not follow the inputs typed since it was written.
        if (beamForm && beamForm->berichtVeraltet())
            setStatus(QStringLiteral("Die Tabelle gehört zur letzten Berechnung, nicht zu den jetzigen Eingaben im Zentavik-Formular"));
    });
    // The plan of the beam form's last calculation; without one the user is told to calculate.
    connect(mnuBauplan, &QAction::triggered, this, [this] {
        const QString geschrieben =
            BauplanSpeichern(this, *this, beamForm ? beamForm->bauplan() : std::nullopt, beamForm && beamForm->bauplanVeraltet());
        if (!geschrieben.isEmpty())
            setStatus(geschrieben);
    });
    connect(mnuBauplanDruck, &QAction::triggered, this, [this] {
        BauplanDrucken(this, *this, beamForm ? beamForm->bauplan() : std::nullopt, beamForm && beamForm->bauplanVeraltet());
    });
    connect(mnuEnde, &QAction::triggered, this, &MDIForm1::mnuEnde_Click);

    mnuBer = menuBar()->addMenu(QStringLiteral("&Berechnen"));
    mnuVk = mnuBer->addAction(QStringLiteral("1. &Verkürzungsfaktor"));
    mnuVk->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuBerStromsAnt = mnuBer->addAction(QStringLiteral("2. &Zentavik"));
    mnuBerStromsAnt->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuTrenn1 = mnuBer->addSeparator();
    mnuPruning = mnuBer->addAction(QStringLiteral("3. Pruning / Optimieren"));
    mnuPruning->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuTrenn3 = mnuBer->addSeparator();
    mnuTrenn3->setVisible(false);
    mnuBerZusDipol = mnuBer->addAction(QStringLiteral("&Zusatzdipol (strahlungsgekoppelt)"));
    mnuBerZusDipol->setVisible(false);
    mnuBerZusDipol->setEnabled(false);
    connect(mnuVk, &QAction::triggered, this, &MDIForm1::mnuVk_Click);
    connect(mnuBerStromsAnt, &QAction::triggered, this, [this] { showChild(&hauptform()); });
    connect(mnuPruning, &QAction::triggered, this, &MDIForm1::mnuPruning_Click);
    connect(mnuBerZusDipol, &QAction::triggered, this, [this] { showChild(&zusatzDipol()); });

    mnuHelp = menuBar()->addMenu(QStringLiteral("&?"));
    nameMenu(mnuHelp, QStringLiteral("Hilfe"));
    mnuHilfe = mnuHelp->addAction(QStringLiteral("&Hilfe"));
    mnuHilfe->setShortcut(QKeySequence(Qt::Key_F1));
    mnuInfo = mnuHelp->addAction(QStringLiteral("&Info"));
    mnuInfo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
    connect(mnuDatDruck, &QAction::triggered, this, [this] {
        if (beamForm && beamForm->parentWidget() && beamForm->parentWidget()->isVisible())
            EingabenDrucken(*beamForm);
    });
    connect(mnuHilfe, &QAction::triggered, this, [] { Hilfe(QCoreApplication::applicationDirPath()); });
    connect(mnuInfo, &QAction::triggered, this, [this] { Info(*this); });

    frameMenus = menuBar()->actions();
    for (QAction* action : {mnuAnzeigen, mnuDatDruck, mnuEnde, mnuVk, mnuBerStromsAnt, mnuPruning, mnuBerZusDipol, mnuHilfe, mnuInfo})
        action->setObjectName(QStringLiteral("mnu") + action->text().remove(u'&'));
    mnuBauplan->setObjectName(QStringLiteral("mnuBauplan"));
    mnuBauplanDruck->setObjectName(QStringLiteral("mnuBauplanDrucken"));
}

void MDIForm1::createWindowKeys()
{
    // The keys of every multiple-document window, outside the menu: close the active child
    // (the beam form hides, as with its close box) and go to the next or previous child.
    const struct {
        QList<QKeySequence> keys;
        void (QMdiArea::*slot)();
    } windowKeys[] = {
        {{QKeySequence(Qt::CTRL | Qt::Key_F4)}, &QMdiArea::closeActiveSubWindow},
        {{QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_F6)}, &QMdiArea::activateNextSubWindow},
        {{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6)},
         &QMdiArea::activatePreviousSubWindow},
    };
    for (const auto& [keys, slot] : windowKeys) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, area, slot);
        addAction(action);
    }
}

void MDIForm1::createStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    const StatusPanels panels = addStatusPanels(statusBar());
    statusText = panels.text;
    statusTime = panels.time;
    statusDate = panels.date;
}

void MDIForm1::setStatus(const QString& text) { statusText->setText(text); }
QString MDIForm1::status() const { return statusText->text(); }

void MDIForm1::readSettings()
{
    // Said once, as the program starts: a file too large to be ours is left alone.
    if (const QString reason = settings.tooLargeReason(); !reason.isEmpty())
        ui::messageBox(reason, QStringLiteral(" Einstellungen"), ui::Buttons::Ok, ui::Icon::Exclamation);
    // Each coordinate on its own: a text that does not convert keeps the design value.
    const struct {
        const char* key;
        double fallback;
    } keys[] = {{"MainLeft", 15}, {"MainTop", 1200}, {"MainWidth", 11820}, {"MainHeight", 9345}};
    double values[4] = {15, 1200, 11820, 9345};
    bool repaired = false;
    for (int i = 0; i < 4; ++i) {
        const QString fallback = general(float(keys[i].fallback));
        const QString text = settings.get(section, QString::fromLatin1(keys[i].key), fallback);
        bool ok = false;
        const float v = QLocale().toFloat(text, &ok);
        if (ok && std::isfinite(v))
            values[i] = v;
        else
            repaired = repaired || text != fallback;
    }
    // A stored rectangle that no screen can show (another screen, a damaged file) is brought
    // onto the screens: never larger than the available area, its title bar within reach.
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens << primary->availableGeometry();
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens << screen->availableGeometry();
    double pixels[4];
    for (int i = 0; i < 4; ++i)
        pixels[i] = values[i] * logicalDpi() / 1440.0;
    const QRect sound = fensterAufBildschirm(pixels[0], pixels[1], pixels[2], pixels[3], screens);
    const double soundPixels[4] = {double(sound.x()), double(sound.y()), double(sound.width()), double(sound.height())};
    for (int i = 0; i < 4; ++i)
        repaired = repaired || !(std::abs(soundPixels[i] - pixels[i]) <= 0.5);
    move(sound.topLeft());
    restoredOuterSize = sound.size();
    resize(restoredOuterSize);
    // The repaired rectangle is kept at once, so that a damaged file does not outlive this run.
    if (repaired)
        storeRectangle(sound);
}

void MDIForm1::fitOuterSize()
{
    if (!restoredOuterSize.isValid() || !isVisible() || (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QSize decorations = frameGeometry().size() - size();
    if (decorations == fittedDecorations)
        return;
    fittedDecorations = decorations;
    resize((restoredOuterSize - decorations).expandedTo(QSize(100, 100)));
}

void MDIForm1::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    fitOuterSize();
}

void MDIForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    fitOuterSize();
}

void MDIForm1::writeSettings()
{
    // A minimised frame keeps the rectangle stored before; a maximised one stores its present one.
    if (isMinimized())
        return;
    // The outer rectangle, decorations included, as the window manager draws it.
    storeRectangle(QRect(pos(), frameGeometry().size()));
}

void MDIForm1::storeRectangle(const QRect& outer)
{
    // The four values in one write: two copies closing at once leave one rectangle whole.
    settings.set(section, {{QStringLiteral("MainLeft"), general(float(toTwips(outer.x())))},
                           {QStringLiteral("MainTop"), general(float(toTwips(outer.y())))},
                           {QStringLiteral("MainWidth"), general(float(toTwips(outer.width())))},
                           {QStringLiteral("MainHeight"), general(float(toTwips(outer.height())))}});
}

frmHauptform& MDIForm1::hauptform()
{
    if (!beamForm) {
        beamForm = new frmHauptform(*this);
        beamForm->dateiAnzeigen = [this](const QString& name) { DateiAnzeigen(name, *this); };
        beamForm->vkRechner = [this]() -> VkRechnerZustand* { return &vkRechner(); };
        beamForm->zusatzVerkuerzung = &zusatzVerkuerzung;
        beamForm->einstellungenVerwenden(settings);
        addChild(beamForm);
    }
    return *beamForm;
}

VkBeamFelder MDIForm1::beamFelder()
{
    VkBeamFelder felder;
    felder.frequenzText = [this] { return hauptform().Text1->text(); };
    felder.durchmesserText = [this] { return hauptform().Text7->text(); };
    felder.setzeFrequenz = [this](const QString& text) { hauptform().Text1->setText(text); };
    felder.setzeVk = [this](const QString& text) { hauptform().Text4->setText(text); };
    // The beam form's diameter change handler runs and keeps its outer diameter above it.
    felder.setzeDurchmesser = [this](const QString& text) { hauptform().Text7->setText(text); };
    return felder;
}

frmVk& MDIForm1::vkRechner()
{
    if (!vkForm) {
        vkForm = new frmVk(*this, beamFelder(), frmVk::Rolle::Verkuerzungsfaktor);
        // Closing unloads the calculator but keeps the window object and its last result.
        addChild(vkForm)->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    if (!vkForm->loaded()) {
        vkForm->ensureLoaded();
        // Loaded again: it closes among the last.
        auto* window = qobject_cast<QMdiSubWindow*>(vkForm->parentWidget());
        loadOrder.removeAll(window);
        loadOrder.append(window);
    }
    return *vkForm;
}

void MDIForm1::mnuVk_Click()
{
    frmVk& form = vkRechner();
    form.Label10->hide();
    form.Label11->hide();
    form.show();
    showChild(&form);
}

frmVk* MDIForm1::mnuPruning_Click()
{
    auto* form = new frmVk(*this, beamFelder(), frmVk::Rolle::Pruning);
    addChild(form);
    showChild(form);
    return form;
}

ZusatzDipol& MDIForm1::zusatzDipol()
{
    if (!dipolForm) {
        ZusatzDipolQuellen quellen;
        quellen.vkRechner = [this]() -> VkRechnerZustand* { return &vkRechner(); };
        quellen.vkFrequenzText = [this] { return vkRechner().frequenzText(); };
        quellen.beamDurchmesserText = [this] { return hauptform().Text7->text(); };
        quellen.beamVkText = [this] { return hauptform().Text4->text(); };
        quellen.zusatzVerkuerzung = [this] { return zusatzVerkuerzung; };
        quellen.frame = this;
        dipolForm = new ZusatzDipol(std::move(quellen));
        addChild(dipolForm);
    }
    return *dipolForm;
}

QMdiSubWindow* MDIForm1::addChild(QWidget* form)
{
    // A form of fixed size can be minimised and closed, not maximised or resized.
    const bool fixed = form->minimumSize() == form->maximumSize();
    const Qt::WindowFlags flags = fixed ? Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                                        : Qt::SubWindow;
    QMdiSubWindow* window = area->addSubWindow(form, flags);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Ctrl+F4 is the frame's key for the active child; every child's own "Schließen" entry
    // holding it too would make the key ambiguous, and then it does nothing.
    if (QMenu* systemMenu = window->systemMenu()) {
        for (QAction* entry : systemMenu->actions()) {
            if (entry->shortcuts().isEmpty())
                continue;
            entry->setText(entry->text() + u'\t' + entry->shortcut().toString(QKeySequence::NativeText));
            entry->setShortcuts({});
        }
    }
    window->setWindowIcon(windowIcon());
    loadOrder.append(window);
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, [this, window] {
        loadOrder.removeAll(window);
    });
    connect(form, &QObject::destroyed, this, [this, form] {
        if (form == beamForm)
            beamForm = nullptr;
        if (form == static_cast<QWidget*>(dipolForm))
            dipolForm = nullptr;
        if (form == static_cast<QWidget*>(viewer))
            viewer = nullptr;
        if (form == static_cast<QWidget*>(vkForm))
            vkForm = nullptr;
    });
    window->hide();
    return window;
}

frmRTF* MDIForm1::createViewer()
{
    viewer = new frmRTF(*this);
    addChild(viewer);
    viewer->Form_Load();
    return viewer;
}

void MDIForm1::showViewer(frmRTF* form) { showChild(form); }

void MDIForm1::showChild(QWidget* form)
{
    QWidget* window = form->parentWidget();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window)) {
        // A hidden window may still count as the area's active one; showing it again makes it
        // the active child all the same, and its activation runs every time.
        const bool becomesActive = !sub->isVisible() || area->activeSubWindow() != sub;
        bool announced = false;
        const auto watch = connect(area, &QMdiArea::subWindowActivated, this,
                                   [sub, &announced](QMdiSubWindow* active) { announced |= active == sub; });
        sub->show();
        sub->raise();
        area->setActiveSubWindow(sub);
        disconnect(watch);
        keepOwnSize(sub);
        if (becomesActive && !announced)
            childActivated(sub);
        // Keyboard users start in the form's first field.
        if (!form->isAncestorOf(QApplication::focusWidget())) {
            QWidget* w = form->nextInFocusChain();
            while (w != form && !((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible()))
                w = w->nextInFocusChain();
            w->setFocus(Qt::TabFocusReason);
        }
    }
}

void MDIForm1::keepOwnSize(QMdiSubWindow* window)
{
    // The area maximises a window shown after a maximised one, even after that one is gone;
    // a form of fixed size would stand in the corner of an empty maximised frame.
    if (window && window->isMaximized() && window->widget()
        && window->widget()->minimumSize() == window->widget()->maximumSize())
        window->showNormal();
}

void MDIForm1::childActivated(QMdiSubWindow* window)
{
    keepOwnSize(window);
    showMenusOf(window);
    if (auto* child = window ? dynamic_cast<MdiChild*>(window->widget()) : nullptr)
        child->childActivated();
}

void MDIForm1::showMenusOf(QMdiSubWindow* window)
{
    auto* child = window ? dynamic_cast<MdiChild*>(window->widget()) : nullptr;
    // A child with a menu of its own puts it into the menu bar while it is active.
    const QList<QAction*> own = child ? child->ownMenus() : QList<QAction*>{};
    const QList<QAction*> wanted = own.isEmpty() ? frameMenus : own;
    if (menuBar()->actions() != wanted) {
        menuBar()->clear();
        menuBar()->addActions(wanted);
    }
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event)
{
    // A child that only hides when closed leaves no active child behind, and the area reports
    // no change: its menus must leave the menu bar all the same.
    // (A frame being minimised hides its children too, but does not close them.)
    auto* window = qobject_cast<QMdiSubWindow*>(watched);
    if (event->type() == QEvent::Hide && window && window->isHidden()) {
        QMdiSubWindow* active = area->activeSubWindow();
        if (!active || active == watched || !active->isVisible())
            childActivated(nullptr);
    }
    // Shown again while it still counts as the active child (the viewer hides during its
    // open dialog), the area reports no change either: its menus come back all the same.
    if (event->type() == QEvent::Show && window && area->activeSubWindow() == window)
        showMenusOf(window);
    return QMainWindow::eventFilter(watched, event);
}

void MDIForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange) {
        // Coming back from a message box or dialog of the program is no new activation: the
        // status line keeps what the box's action left in it.
        if (!isActiveWindow())
            leftForDialog = qobject_cast<QDialog*>(QApplication::activeWindow()) != nullptr;
        else if (!std::exchange(leftForDialog, false))
            setStatus(QStringLiteral("Status: Bereit für Antennen-Berechnungen"));
    }
    QMainWindow::changeEvent(event);
}

void MDIForm1::showEvent(QShowEvent* event)
{
    // Being shown the first time counts as the first activation, with or without a window manager.
    if (!event->spontaneous() && !shownOnce) {
        shownOnce = true;
        setStatus(QStringLiteral("Status: Bereit für Antennen-Berechnungen"));
    }
    QMainWindow::showEvent(event);
    fitOuterSize();
}

void MDIForm1::mnuDat_Open()
{
    mnuDatDruck->setEnabled(beamForm && beamForm->parentWidget() && beamForm->parentWidget()->isVisible());
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    writeSettings();
    // The other windows close from the last loaded to the first; a form may refuse
    // (the beam form only hides), and the others still close.
    const QList<QMdiSubWindow*> windows = loadOrder;
    bool refused = false;
    for (qsizetype i = windows.size() - 1; i >= 0; --i) {
        if (!loadOrder.contains(windows[i]))
            continue;
        if (windows[i]->close())
            loadOrder.removeAll(windows[i]);
        else if (windows[i]->widget() != beamForm)
            refused = true;
    }
    // A window that keeps the user's text open (the viewer asked and was told No, or its text
    // could not be saved) keeps the program running: closing would lose the text.
    if (refused) {
        event->ignore();
        return;
    }
    finalClosing = true;
    for (QMdiSubWindow* window : QList<QMdiSubWindow*>(loadOrder))
        window->close();
    event->accept();
}

void MDIForm1::mnuEnde_Click()
{
    if (!close())
        return;
    if (quit)
        quit();
    else
        QApplication::quit();
}
