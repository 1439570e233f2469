#include "vf/frmvk.h"

#include "calculators/pruning.h"
#include "common/numberformat.h"
#include "platform/accessiblenames.h"
#include "platform/formcontrols.h"
#include "platform/refusal.h"
#include "platform/twips.h"
#include "platform/ui.h"
#include "vf/pruningmessung.h"
#include "vf/vkcalculation.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>

namespace {

const QColor hellrot(255, 0, 0);  // colour 12 of the 16-colour palette: a value out of range
const QColor schwarz(0, 0, 0);

const QString vkCaption = QStringLiteral(" VF berechnen ");
const QString pruningCaption = QStringLiteral(" Antennen-Pruning/Optimieren ");

// Client area as the form was drawn, and the button's place in the calculator role.
constexpr int formWidth = 3795, formHeight = 4080;
constexpr int command1Top = 3420, command1Height = 375;
// The button keeps clear of the pruning results above it and of the bottom edge.
constexpr int command1Highest = 3360, command1Lowest = formHeight - command1Height - 60;
// The pruning window's measured sweep stands beside the fields.
constexpr int messungWidth = 6000;

QLabel* label(QWidget* parent, const char* name, const QString& text, const QString& tip = QString())
{
    auto* l = control<QLabel>(parent, name);
    l->setText(text);
    l->setToolTip(tip);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

// A result label: single border, centred bold text on the window's background.
QLabel* result(QWidget* parent, const char* name, const QString& tip = QString())
{
    auto* l = control<QLabel>(parent, name);
    l->setToolTip(tip);
    l->setFrameShape(QFrame::Box);
    l->setAlignment(Qt::AlignCenter);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

} // namespace

frmVk::frmVk(FrameServices& frame, VkBeamFelder beam, Rolle rolle, QWidget* parent)
    : QWidget(parent), frame(frame), beam(std::move(beam)), role(rolle),
      grundAnzeige(new RefusalNotice(this, &frame))
{
    setObjectName(QStringLiteral("frmVk"));
    setWindowTitle(vkCaption);
    createControls();
    createMenu();

    connect(Command1, &QPushButton::clicked, this, &frmVk::Command1_Click);
    connect(mnuVkübernehmen, &QAction::triggered, this, &frmVk::mnuVkübernehmen_Click);
    // A result computed from other inputs than those in the fields now is stale.
    for (QLineEdit* field : {Text1, Text2, Text3})
        connect(field, &QLineEdit::textEdited, this, [this] { markResults(true); });
    connect(mnuErdbodenKor, &QAction::triggered, this, [this] { markResults(true); });

    Form_Load();
    if (role == Rolle::Pruning)
        alsPruningEinrichten();
    nameControls();
}

void frmVk::nameControls()
{
    // The captions are those of the window's role; fields are read by them, results with them.
    for (auto [caption, field] : {std::pair{Label1, static_cast<QWidget*>(Text1)}, std::pair{Label2, static_cast<QWidget*>(Text2)},
                                  std::pair{Label3, static_cast<QWidget*>(Text3)}})
        nameByCaption(caption, field);
    for (auto [caption, result] : {std::pair{Label6, Label7}, std::pair{Label4, Label5}, std::pair{Label8, Label9},
                                   std::pair{Label10, Label11}}) {
        nameByCaption(caption, result);
        readWithCaption(result, caption->text());
    }
    Frame1->setAccessibleName(spokenCaption(Frame1->title()));
}

void frmVk::createControls()
{
    setFixedSize(tw(formWidth), tw(formHeight));
    QFont formFont(QStringLiteral("Liberation Sans"));
    formFont.setPointSizeF(8);
    setFont(formFont);

    Label1 = label(this, "Label1", QStringLiteral("&Frequenz [MHz]:"));
    place(Label1, 120, 150, 2330, 285);
    Text1 = control<QLineEdit>(this, "Text1");
    Text1->setToolTip(QStringLiteral(" Resonanzfrequenz der Antenne "));
    place(Text1, 2480, 120, 1195, 315);
    Label2 = label(this, "Label2", QStringLiteral("&Antennenhöhe [m]:"));
    place(Label2, 120, 540, 2330, 285);
    Text2 = control<QLineEdit>(this, "Text2");
    Text2->setToolTip(QStringLiteral(" Höhe über Erdboden "));
    place(Text2, 2480, 510, 1195, 315);
    Label3 = label(this, "Label3", QStringLiteral("&Drahtdurchmesser [mm]:"));
    place(Label3, 120, 930, 2330, 285);
    Text3 = control<QLineEdit>(this, "Text3");
    Text3->setToolTip(QStringLiteral(" Leiterstärke "));
    place(Text3, 2480, 900, 1195, 315);
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    Label3->setBuddy(Text3);

    Frame1 = control<QGroupBox>(this, "Frame1");
    Frame1->setTitle(QStringLiteral("Verkürzung in % durch "));
    QFont bold = font();
    bold.setBold(true);
    Frame1->setFont(bold);
    place(Frame1, 60, 1320, 3675, 1050);
    Label6 = label(Frame1, "Label6", QStringLiteral("Schlangheitsgrad:"), QStringLiteral(" Verhältnis Wellenlänge/Drahtdurchmesser "));
    place(Label6, 120, 330, 2230, 285);
    Label7 = result(Frame1, "Label7", QStringLiteral(" % "));
    place(Label7, 2420, 300, 1195, 315);
    Label4 = label(Frame1, "Label4", QStringLiteral("Antennenhöhe:"), QStringLiteral(" Verhältnis Antennenhöhe/Wellenlänge "));
    place(Label4, 120, 690, 2230, 285);
    Label5 = result(Frame1, "Label5", QStringLiteral(" % "));
    place(Label5, 2420, 660, 1195, 315);
    // The group's bold title is not meant for the captions inside it.
    QFont normal = font();
    normal.setBold(false);
    Label6->setFont(normal);
    Label4->setFont(normal);

    Label8 = label(this, "Label8", QStringLiteral("voraussichtlicher Verkürzungsfaktor:"), QStringLiteral(" Vk "));
    Label8->setWordWrap(true);
    place(Label8, 120, 2450, 2330, 480);
    Label9 = result(this, "Label9", QStringLiteral(" Vk 0 - 1 "));
    place(Label9, 2480, 2530, 1195, 315);
    Label9->installEventFilter(this);

    Label10 = label(this, "Label10", QStringLiteral("Länge LgR ändern um [mm]:"));
    place(Label10, 120, 2990, 2330, 285);
    Label11 = result(this, "Label11");
    place(Label11, 2480, 2960, 1195, 315);
    Label10->hide();
    Label11->hide();

    Command1 = control<QPushButton>(this, "Command1");
    Command1->setText(QStringLiteral("&Rechnen"));
    Command1->setToolTip(QStringLiteral(" Vk berechnen "));
    Command1->setDefault(true);
    place(Command1, 1000, command1Top, 1800, command1Height);

    nameResults();

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Command1);
    for (QWidget* w : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2), static_cast<QWidget*>(Text3),
                       static_cast<QWidget*>(Command1)})
        w->installEventFilter(this);
}

void frmVk::createMenu()
{
    mnuOpt = new QMenu(QStringLiteral("&Optionen"), this);
    mnuOpt->setObjectName(QStringLiteral("mnuOpt"));
    mnuVkübernehmen = mnuOpt->addAction(QStringLiteral("&Vk übernehmen"));
    mnuVkübernehmen->setObjectName(QStringLiteral("mnuVkübernehmen"));
    mnuVkübernehmen->setCheckable(true);
    mnuVkübernehmen->setChecked(true);
    mnuErdbodenKor = mnuOpt->addAction(QStringLiteral("&Erdbodenkorrektur"));
    mnuErdbodenKor->setObjectName(QStringLiteral("mnuErdbodenKor"));
    // A click only toggles the check mark: the next "&Rechnen" and the ground correction read it.
    mnuErdbodenKor->setCheckable(true);
}

QList<QAction*> frmVk::ownMenus() const
{
    // The pruning window has no visible menu of its own: the frame's menu stays.
    if (!mnuOpt->menuAction()->isVisible())
        return {};
    return {mnuOpt->menuAction()};
}

void frmVk::Form_Load()
{
    isLoaded = true;
    Tag = QStringLiteral("-");
    Text1->setText(beam.frequenzText ? beam.frequenzText() : QString());
    Text2->setText(VkStartHoehe(Text1->text(), localeDecimal()));
    Text3->setText(beam.durchmesserText ? beam.durchmesserText() : QString());
    for (QLabel* l : {Label5, Label7, Label9, Label11}) {
        markStale(l, false);
        showResult(l, QString());
    }
    mnuErdbodenKor->setChecked(false);
    // A window loaded again starts as drawn: check mark and colours too.
    mnuVkübernehmen->setChecked(true);
    for (QWidget* w : {static_cast<QWidget*>(Text3), static_cast<QWidget*>(Label5), static_cast<QWidget*>(Label7)})
        setTextColour(w, schwarz);
    placeCommand1();
}

void frmVk::ensureLoaded()
{
    if (!isLoaded)
        Form_Load();
}

void frmVk::alsPruningEinrichten()
{
    setWindowTitle(pruningCaption);
    for (QLabel* l : {Label7, Label5, Label9})
        showResult(l, QString());
    Text1->setToolTip(QStringLiteral("gemessene Antennenlänge"));
    Text2->clear();
    Text2->setToolTip(QStringLiteral("gemessene Resonanzfrequenz der Antenne"));
    Text3->clear();
    Text3->setToolTip(QStringLiteral("gewünschte Resonanzfrequenz der Antenne"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    mnuOpt->menuAction()->setVisible(false);

    Frame1->setTitle(QStringLiteral(" Neu: "));
    Label6->setText(QStringLiteral("Antennenlänge LgD:"));
    Label4->setText(QStringLiteral("VF gesamt:"));
    Label1->setText(QStringLiteral("ist Antennenlänge LgD[m]:"));
    Label8->setText(QStringLiteral("Länge LgD ändern um [mm]:"));
    Label2->setText(QStringLiteral("ist Resonanzfrequenz [MHz]:"));
    Label3->setText(QStringLiteral("soll Resonanzfrequenz [MHz]:"));
    Label7->setToolTip(QStringLiteral("Neu berechnete Antennenlänge LgD"));
    Label5->setToolTip(QStringLiteral("vorhandener Verkürzungsfaktor"));
    Label9->setToolTip(QStringLiteral("Längen-Änderung"));
    Command1->setToolTip(QStringLiteral("Längenänderung berechnen"));
    // The calculator's hints on these captions would mislead here.
    for (QLabel* l : {Label6, Label4, Label8})
        l->setToolTip(QString());

    Label10->show();
    Label11->show();
    nameResults();
    Text1->clear();
    placeCommand1();

    messung = new PruningMessung(Text2, Text3, this);
    place(messung, formWidth, 120, messungWidth - 120, formHeight - 240);
    setFixedSize(tw(formWidth + messungWidth), tw(formHeight));
    setTabOrder(Command1, messung);
}

void frmVk::nameResults()
{
    // A result label has no caption of its own: a screen reader names it by the one beside it.
    const std::pair<QLabel*, QLabel*> pairs[] = {{Label7, Label6}, {Label5, Label4}, {Label9, Label8}, {Label11, Label10}};
    for (auto [result, caption] : pairs)
        result->setAccessibleName(caption->text().remove(u':').trimmed());
}

void frmVk::placeCommand1()
{
    int top = command1Top;
    if (role == Rolle::Pruning) {
        // 1050 twips above the window's outer bottom edge, yet inside the form.
        const QWidget* outer = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
        top = std::clamp(int(toTwips(outer->height())) - 1050, command1Highest, command1Lowest);
    }
    Command1->move(Command1->x(), tw(top));
}

void frmVk::childActivated() { placeCommand1(); }

void frmVk::closeEvent(QCloseEvent* event)
{
    // Unloading: the ground correction no longer applies this calculator's settings. The
    // window object stays, with its last result, for a later hand-over.
    if (role == Rolle::Verkuerzungsfaktor) {
        Tag.clear();
        isLoaded = false;
    }
    event->accept();
}

QString frmVk::tag()
{
    ensureLoaded();
    return Tag;
}
bool frmVk::erdbodenKorrektur()
{
    ensureLoaded();
    return mnuErdbodenKor->isChecked();
}
QString frmVk::hoeheText()
{
    ensureLoaded();
    return Text2->text();
}
QString frmVk::durchmesserText()
{
    ensureLoaded();
    return Text3->text();
}
QString frmVk::frequenzText()
{
    ensureLoaded();
    return Text1->text();
}

void frmVk::Command1_Click()
{
    // A screen reader hears the results together when the calculation is done.
    const HeldResults results{Label7, Label5, Label9, Label11};
    if (role == Rolle::Pruning)
        pruningRechnen();
    else
        vkRechnen();
}

QList<QLabel*> frmVk::results() const
{
    if (role == Rolle::Pruning)
        return {Label5, Label7, Label9, Label11};
    return {Label7, Label5, Label9};
}

void frmVk::markResults(bool stale)
{
    for (QLabel* result : results())
        if (!stale || !result->text().isEmpty())
            markStale(result, stale);
}

void frmVk::vkRechnen()
{
    const VkRechnung r = VkBerechnen({Text1->text(), Text2->text(), Text3->text(), mnuErdbodenKor->isChecked(), VkErgebnis},
                                     localeDecimal());
    if (r.hoeheText)
        Text2->setText(*r.hoeheText);
    QLineEdit* stop = nullptr;
    switch (r.stopp) {
    case VkFeld::Text1: stop = Text1; break;
    case VkFeld::Text2: stop = Text2; break;
    case VkFeld::Text3: stop = Text3; break;
    case VkFeld::Keins: break;
    }
    if (stop) {
        markResults(true);
        grundAnzeige->refuse(stop, r.grund);
        return;
    }
    // A corrected diameter beeps; the calculation goes on with it.
    if (r.beep) {
        ui::beep(r.grund);
        grundAnzeige->show(r.grund);
    } else {
        grundAnzeige->clear();
    }
    markResults(false);
    setTextColour(Text3, r.durchmesserRot ? hellrot : schwarz);
    if (r.durchmesserText)
        Text3->setText(*r.durchmesserText);
    setTextColour(Label7, r.schlankheitRot ? hellrot : schwarz);
    showResult(Label7, r.schlankheit);
    setTextColour(Label5, r.erdbodenRot ? hellrot : schwarz);
    showResult(Label5, r.erdboden);
    VkErgebnis = r.vkErgebnis;
    showResult(Label9, r.vk);
    if (mnuVkübernehmen->isChecked())
        uebergeben();
    // The beam form takes the diameter the factor was computed for.
    if (beam.setzeDurchmesser)
        beam.setzeDurchmesser(Text3->text());
    Tag = QStringLiteral("Aktiv");
}

void frmVk::pruningRechnen()
{
    const PruningErgebnis r = PruningBerechnen({Text1->text(), Text2->text(), Text3->text()}, localeDecimal());
    QLineEdit* stop = nullptr;
    switch (r.stopp) {
    case PruningFeld::Text1: stop = Text1; break;
    case PruningFeld::Text2: stop = Text2; break;
    case PruningFeld::Text3: stop = Text3; break;
    case PruningFeld::Keins: break;
    }
    if (stop) {
        markResults(true);
        grundAnzeige->refuse(stop, r.grund);
        return;
    }
    grundAnzeige->clear();
    markResults(false);
    setTextColour(Label5, r.vfRot ? hellrot : schwarz);
    showResult(Label5, r.vfGesamt);
    showResult(Label7, r.laengeNeu);
    showResult(Label9, r.aenderungLgD);
    showResult(Label11, r.aenderungLgR);
}

void frmVk::uebergeben()
{
    // A pruning window computes no velocity factor: handing over its 0 and its measured length
    // would overwrite the beam form's factor and frequency with nonsense.
    if (role == Rolle::Pruning)
        return;
    const VkUebergabe u = VkUebergeben(VkErgebnis, Text1->text(), localeDecimal());
    if (beam.setzeVk)
        beam.setzeVk(u.vkText);
    if (u.frequenzText && beam.setzeFrequenz)
        beam.setzeFrequenz(*u.frequenzText);
}

void frmVk::Label9_DblClick() { uebergeben(); }

void frmVk::mnuVkübernehmen_Click()
{
    // The click has toggled the check mark already.
    if (mnuVkübernehmen->isChecked())
        uebergeben();
}

bool frmVk::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && watched == Label9) {
        Label9_DblClick();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Enter in any field, or on the button, runs "&Rechnen".
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Command1->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
