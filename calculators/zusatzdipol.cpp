#include "calculators/zusatzdipol.h"

#include "common/ablehnungen.h"
#include "common/module1.h"
#include "common/numberformat.h"
#include "common/numbertext.h"
#include "platform/accessiblenames.h"
#include "platform/formcontrols.h"
#include "platform/refusal.h"
#include "platform/twips.h"
#include "platform/ui.h"
#include "vf/groundcorrection.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A caption and its field on one line of a frame; the caption's access key leads to the field.
QLabel* caption(QWidget* frame, const char* name, const QString& text, int top)
{
    auto* l = control<QLabel>(frame, name);
    l->setText(text);
    place(l, 150, top, 4350, 285);
    return l;
}

QLineEdit* field(QWidget* frame, const char* name, int top, const QString& tip = QString())
{
    auto* f = control<QLineEdit>(frame, name);
    f->setAlignment(Qt::AlignCenter);
    f->setToolTip(tip);
    place(f, 4600, top - 40, 1500, 330);
    return f;
}

// A result: on the tooltip colour, selectable so that it can be copied.
QLabel* result(QWidget* frame, const char* name, int top, const QString& tip)
{
    auto* l = control<QLabel>(frame, name);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Box);
    l->setAutoFillBackground(true);
    l->setBackgroundRole(QPalette::ToolTipBase);
    l->setForegroundRole(QPalette::ToolTipText);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    l->setFocusPolicy(Qt::StrongFocus);
    l->setToolTip(tip);
    place(l, 4600, top - 40, 1500, 330);
    return l;
}

QGroupBox* frame(QWidget* form, const char* name, const QString& title, const QString& tip)
{
    auto* box = control<QGroupBox>(form, name);
    box->setTitle(title);
    box->setToolTip(tip);
    QFont bold = form->font();
    bold.setBold(true);
    box->setFont(bold);
    return box;
}

} // namespace

ZusatzDipol::ZusatzDipol(ZusatzDipolQuellen q, QWidget* parent)
    : QWidget(parent), quellen(std::move(q)), grundAnzeige(new RefusalNotice(this, quellen.frame))
{
    setObjectName(QStringLiteral("ZusatzDipol"));
    setWindowTitle(QStringLiteral("Strahlungsgekoppelten Dipol berechnen"));
    createControls();
    connect(Command1, &QPushButton::clicked, this, &ZusatzDipol::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ZusatzDipol::Command2_Click);
    // Spacing and length computed from other inputs than those in the fields now are stale.
    for (QLineEdit* field : {Text1, Text2, Text3, Text4, Text5, Text6})
        connect(field, &QLineEdit::textEdited, this, [this] {
            for (QLabel* result : {Label8, Label10})
                if (!result->text().isEmpty())
                    markStale(result, true);
        });
    Form_Load();
}

void ZusatzDipol::createControls()
{
    setFixedSize(tw(6600), tw(4440));
    QFont formFont(QStringLiteral("Liberation Sans"));
    formFont.setPointSizeF(8);
    setFont(formFont);

    Frame1 = frame(this, "Frame1", QStringLiteral("&Zusatzdipol"), QStringLiteral("strahlungsgekoppelt"));
    place(Frame1, 60, 60, 6480, 2150);
    Label1 = caption(Frame1, "Label1", QStringLiteral("gewünschte Resonanz&frequenz [MHz]:"), 330);
    Text1 = field(Frame1, "Text1", 330);
    Label3 = caption(Frame1, "Label3", QStringLiteral("gewünschte &Impedanz im Speisepunkt [Ohm]:"), 690);
    Text3 = field(Frame1, "Text3", 690, QStringLiteral("für beide Dipole gleichen Wert verwenden!"));
    Label4 = caption(Frame1, "Label4", QStringLiteral("&Draht-Durchmesser [mm]:"), 1050);
    Text4 = field(Frame1, "Text4", 1050, QStringLiteral("Leiterdurchmesser"));
    Label7 = caption(Frame1, "Label7", QStringLiteral("&Abstand zwischen den Antennendrähten [mm]:"), 1410);
    Label8 = result(Frame1, "Label8", 1410, QStringLiteral("Ergebnis A"));
    Label9 = caption(Frame1, "Label9", QStringLiteral("&Länge Zusatzdipol [m]:"), 1770);
    Label10 = result(Frame1, "Label10", 1770, QStringLiteral("Ergebnis Drahtlänge"));

    Frame2 = frame(this, "Frame2", QStringLiteral("&Erreger-Dipol (Stromsummenantenne o.ä.)"), QStringLiteral("mit Speisepunkt"));
    place(Frame2, 60, 2290, 6480, 1430);
    Label2 = caption(Frame2, "Label2", QStringLiteral("&unterste Resonanzfrequenz [MHz]:"), 330);
    Text2 = field(Frame2, "Text2", 330, QStringLiteral("tiefste Resonanzfrequenz"));
    Label5 = caption(Frame2, "Label5", QStringLiteral("Dra&ht-Durchmesser [mm]:"), 690);
    Text5 = field(Frame2, "Text5", 690, QStringLiteral("Leiterdurchmesser"));
    Label6 = caption(Frame2, "Label6", QStringLiteral("&Verkürzungsfaktor:"), 1050);
    Text6 = field(Frame2, "Text6", 1050, QStringLiteral("Vk"));

    // The frames' captions are bold, what they hold is not: the weight is set explicitly,
    // or the children would inherit the frame's.
    QFont plain = formFont;
    plain.setBold(false);
    for (QWidget* w : findChildren<QWidget*>())
        if (!qobject_cast<QGroupBox*>(w))
            w->setFont(plain);

    const std::pair<QLabel*, QWidget*> buddies[] = {{Label1, Text1}, {Label3, Text3}, {Label4, Text4}, {Label7, Label8},
                                                    {Label9, Label10}, {Label2, Text2}, {Label5, Text5}, {Label6, Text6}};
    // A caption names its field for a screen reader; the two results are read with theirs.
    for (const auto& [label, buddy] : buddies)
        nameByCaption(label, buddy);
    readWithCaption(Label8, Label7->text());
    readWithCaption(Label10, Label9->text());
    Frame1->setAccessibleName(spokenCaption(Frame1->title()));
    Frame2->setAccessibleName(spokenCaption(Frame2->title()));

    Command2 = control<QPushButton>(this, "Command2");
    Command2->setText(QStringLiteral("I&nfo"));
    Command2->setAutoDefault(true);
    place(Command2, 60, 3840, 1800, 420);
    Command1 = control<QPushButton>(this, "Command1");
    Command1->setText(QStringLiteral("&Rechnen"));
    Command1->setToolTip(QStringLiteral("Aktion"));
    Command1->setDefault(true);
    place(Command1, 4740, 3840, 1800, 420);

    const QList<QWidget*> order{Text1, Text3, Text4, Label8, Label10, Text2, Text5, Text6, Command2, Command1};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void ZusatzDipol::Form_Load()
{
    ZusatzDipolVorgaben v;
    VkRechnerZustand* rechner = quellen.vkRechner ? quellen.vkRechner() : nullptr;
    v.rechnerAktiv = rechner && rechner->tag() == QStringLiteral("Aktiv");
    if (v.rechnerAktiv) {
        v.rechnerFrequenz = quellen.vkFrequenzText ? quellen.vkFrequenzText() : QString();
        v.rechnerDurchmesser = rechner->durchmesserText();
    } else {
        v.beamDurchmesser = quellen.beamDurchmesserText ? quellen.beamDurchmesserText() : QString();
        v.beamVk = quellen.beamVkText ? quellen.beamVkText() : QString();
    }
    const ZusatzDipolEingaben e = ZusatzDipolStartwerte(v, localeDecimal());
    Text1->setText(e.text1);
    Text2->setText(e.text2);
    Text3->setText(e.text3);
    Text4->setText(e.text4);
    Text5->setText(e.text5);
    Text6->setText(e.text6);
    showResult(Label8, QString());
    showResult(Label10, QString());
}

QLineEdit* ZusatzDipol::feld(ZusatzDipolFeld f) const
{
    switch (f) {
    case ZusatzDipolFeld::Text1: return Text1;
    case ZusatzDipolFeld::Text2: return Text2;
    case ZusatzDipolFeld::Text3: return Text3;
    case ZusatzDipolFeld::Text4: return Text4;
    case ZusatzDipolFeld::Text5: return Text5;
    case ZusatzDipolFeld::Text6: return Text6;
    case ZusatzDipolFeld::Keins: break;
    }
    return nullptr;
}

void ZusatzDipol::Command1_Click()
{
    const ZusatzDipolEingaben e{Text1->text(), Text2->text(), Text3->text(), Text4->text(), Text5->text(), Text6->text()};
    const ZusatzDipolErgebnis r =
        ZusatzDipolRechnen(e, quellen.zusatzVerkuerzung ? quellen.zusatzVerkuerzung() : 0.0, quellen.vkRechner ? quellen.vkRechner() : nullptr, localeDecimal());
    // A listener hears the finished spacing and length once, not each label on its own.
    const HeldResults results{Label8, Label10};
    for (const QString& grund : r.gruende)
        ui::beep(grund);
    // Results not computed now belong to other inputs.
    for (QLabel* result : {Label8, Label10})
        markStale(result, !r.gerechnet && !result->text().isEmpty());
    if (r.text4)
        Text4->setText(*r.text4);
    if (r.text5)
        Text5->setText(*r.text5);
    if (r.text6)
        Text6->setText(*r.text6);
    if (r.label8)
        showResult(Label8, *r.label8);
    if (r.label10)
        showResult(Label10, *r.label10);
    if (r.gruende.isEmpty())
        grundAnzeige->clear();
    else
        grundAnzeige->show(r.gruende.join(QStringLiteral("; ")));
    if (QLineEdit* f = feld(r.fokus))
        RefusalNotice::focusField(f);
    if (r.fehler) {
        QString text = QStringLiteral("Fehler %1: %2").arg(r.fehler->number).arg(r.fehler->description);
        if (!r.fehler->feld.isEmpty())
            text += module1().CrLf + ablehnung::fehlerFeld(r.fehler->feld);
        ui::messageBox(text, QStringLiteral(" Fehler "), ui::Buttons::Ok, ui::Icon::Exclamation);
    }
}

void ZusatzDipol::Command2_Click()
{
    ui::messageBox(ZusatzDipolInfoText(module1().CrLf), ZusatzDipolInfoTitel, ui::Buttons::Ok, ui::Icon::Information);
}

void ZusatzDipol::keyPressEvent(QKeyEvent* event)
{
    // "&Rechnen" is the default button: Enter in any field runs it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Command1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
