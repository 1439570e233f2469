#include "beam/frmhauptform.h"

#include "beam/abseits.h"
#include "beam/bands.h"
#include "beam/eingaben.h"
#include "beam/insulation.h"
#include "beam/report.h"
#include "common/ablehnungen.h"
#include "common/checkedmath.h"
#include "common/module1.h"
#include "common/numberformat.h"
#include "common/numbertext.h"
#include "common/version.h"
#include "platform/accessiblenames.h"
#include "platform/formcontrols.h"
#include "platform/refusal.h"
#include "platform/tastenfilter.h"
#include "platform/twips.h"
#include "platform/typinglimit.h"
#include "platform/ui.h"
#include "vf/groundcorrection.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusFrame>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>

namespace {

const QColor hellrot(255, 0, 0);  // colour 12 of the 16-colour palette: a value out of range
const QColor schwarz(0, 0, 0);

// Reads a field; a number beyond single precision gives nothing instead of a failure.
std::optional<float> lies(const QString& text)
{
    try {
        return ZahlAusText(text);
    } catch (const Failure&) {
        return std::nullopt;
    }
}

// The hint label's font is Tahoma. Where it is missing, Wine's metric-compatible Tahoma
// (Debian's fonts-wine keeps it outside the font folders) stands in, else the form's family.
QFont hintFont(const QFont& formFont)
{
    static const bool tahomaAvailable =
        QFontDatabase::hasFamily(QStringLiteral("Tahoma"))
        || QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")) >= 0;
    (void)tahomaAvailable;
    QFont font(formFont);
    font.setFamilies({QStringLiteral("Tahoma"), formFont.family()});
    font.setPointSizeF(7.5);
    return font;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = control<QLabel>(parent, name);
    l->setText(text);
    l->setAlignment(alignment);
    return l;
}

// A numeric field: how many characters may be typed, and its tooltip.
QLineEdit* numberField(QWidget* parent, const char* name, int limit, const QString& tip = QString())
{
    auto* field = control<QLineEdit>(parent, name);
    limitTyping(field, limit);
    field->setToolTip(tip);
    return field;
}

} // namespace

frmHauptform::frmHauptform(FrameServices& frame, QWidget* parent)
    : QWidget(parent), frame(frame), grundAnzeige(new RefusalNotice(this, &frame))
{
    setObjectName(QStringLiteral("frmHauptform"));
    setWindowTitle(QStringLiteral("Berechnung eines Zentavik nach Norbek"));
    createControls();

    connect(Option1, &QButtonGroup::idClicked, this, &frmHauptform::Option1_Click);
    connect(Option2, &QButtonGroup::idClicked, this, &frmHauptform::Option2_Click);
    connect(Text4, &QLineEdit::textChanged, this, &frmHauptform::Text4_Change);
    connect(Text7, &QLineEdit::textChanged, this, &frmHauptform::Text7_Change);
    connect(VkSteller, &QScrollBar::valueChanged, this, &frmHauptform::VkSteller_Change);
    connect(Combo1, &QComboBox::activated, this, &frmHauptform::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &frmHauptform::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmHauptform::Command2_Click);
    for (QLineEdit* field : {Text1, Text4, Text6, Text7})
        connect(field, &QLineEdit::textChanged, this, &frmHauptform::eingabeGeaendert);
    connect(Combo1, &QComboBox::currentTextChanged, this, &frmHauptform::eingabeGeaendert);
    connect(Option1, &QButtonGroup::idClicked, this, &frmHauptform::eingabeGeaendert);
    connect(Combo2, &QComboBox::currentIndexChanged, this, &frmHauptform::eingabeGeaendert);
    connect(Combo2, &QComboBox::activated, this, [this] {
        if (einstellungen)
            einstellungen->set(QStringLiteral("Settings"), QStringLiteral("Isoliermodell"), isolierModellWort(isolierModell()));
    });

    Form_Load();
    nameControls();
}

QRadioButton* frmHauptform::option1(int i) const { return static_cast<QRadioButton*>(Option1->button(i)); }
QRadioButton* frmHauptform::option2(int i) const { return static_cast<QRadioButton*>(Option2->button(i)); }

void frmHauptform::createControls()
{
    // Sizes in twips, as the form was drawn: a client area of 8940 x 4695.
    setFixedSize(tw(8940), tw(5085));
    QFont formFont(QStringLiteral("Liberation Sans"));
    formFont.setPointSizeF(8);
    setFont(formFont);

    Frame3 = control<QGroupBox>(this, "Frame3");
    Frame3->setTitle(QStringLiteral("Resonanzfrequenzen [MHz]:"));
    place(Frame3, 60, 30, 4380, 1400);
    Label1 = label(Frame3, "Label1", QStringLiteral("Gesamt Beam :"));
    place(Label1, 150, 330, 2000, 285);
    Text1 = numberField(Frame3, "Text1", 7);
    Text1->setAlignment(Qt::AlignCenter);
    place(Text1, 2500, 290, 1200, 330);
    Label2 = label(Frame3, "Label2", QStringLiteral("Eigenresonanz Dipol:"));
    place(Label2, 150, 730, 2200, 285);
    Label4 = label(Frame3, "Label4", QStringLiteral("Eigenresonanz Reflecktor:"));
    place(Label4, 150, 1060, 2300, 285);
    for (QLabel** result : {&Label3, &Label5}) {
        *result = control<QLabel>(Frame3, result == &Label3 ? "Label3" : "Label5");
        (*result)->setFrameShape(QFrame::Box);
        (*result)->setAlignment(Qt::AlignCenter);
        (*result)->setAutoFillBackground(true);
        (*result)->setBackgroundRole(QPalette::Base);
    }
    place(Label3, 2500, 700, 1200, 290);
    place(Label5, 2500, 1030, 1200, 290);

    Frame1 = control<QGroupBox>(this, "Frame1");
    Frame1->setTitle(QStringLiteral("&Resonanz im Band für:"));
    place(Frame1, 4500, 30, 4380, 640);
    Option1 = new QButtonGroup(this);
    const char16_t* rangeCaptions[] = {u"&CW-Bereich", u"&SSB-Bereich", u"Band&mitte"};
    const int rangeLeft[] = {1520, 2920, 120};  // laid out as band middle, CW, SSB
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(QString::fromUtf16(rangeCaptions[i]), Frame1);
        b->setObjectName(QStringLiteral("Option1_%1").arg(i));
        place(b, rangeLeft[i], 280, 1400, 285);
        Option1->addButton(b, i);
    }

    Label7 = label(this, "Label7", QStringLiteral("&Verkürzungsfaktor:"), Qt::AlignRight | Qt::AlignVCenter);
    place(Label7, 4500, 800, 1650, 315);
    Text4 = numberField(this, "Text4", 7, QStringLiteral(" aus Schlankheitsgrad u. Antennenhöhe "));
    QFont bold = Text4->font();
    bold.setBold(true);
    Text4->setFont(bold);
    place(Text4, 6230, 800, 900, 315);
    Label7->setBuddy(Text4);
    VkSteller = control<QScrollBar>(this, "VkSteller");
    VkSteller->setOrientation(Qt::Vertical);
    VkSteller->setRange(0, VkStellerSchritte);
    VkSteller->setSingleStep(1);
    VkSteller->setPageStep(10);
    VkSteller->setFocusPolicy(Qt::StrongFocus);
    place(VkSteller, 7130, 800, 255, 315);
    // A scroll bar shows no focus of its own; this frame around it does while it has the focus.
    VkStellerFokus = new QFocusFrame(this);
    VkStellerFokus->setObjectName(QStringLiteral("VkStellerFokus"));

    Command1 = control<QPushButton>(this, "Command1");
    Command1->setText(QStringLiteral("&Rechnen"));
    Command1->setToolTip(QStringLiteral(" Berechnung durchführen  "));
    Command1->setDefault(true);
    place(Command1, 4560, 1180, 2000, 375);
    Command2 = control<QPushButton>(this, "Command2");
    Command2->setText(QStringLiteral("&Anzeigen"));
    Command2->setToolTip(QStringLiteral(" Ergebnisse anzeigen "));
    Command2->setEnabled(false);
    place(Command2, 6760, 1180, 2060, 375);

    Frame2 = control<QGroupBox>(this, "Frame2");
    Frame2->setTitle(QStringLiteral("Antenne berechnen für &Band [MHz]:"));
    place(Frame2, 60, 1480, 8820, 640);
    Option2 = new QButtonGroup(this);
    const char* bandCaptions[] = {"1.8", "3.5", "7.0", "10", "14", "18", "21", "24", "28", "50", "andere"};
    for (int i = 0; i <= AndereBand; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(bandCaptions[i]), Frame2);
        b->setObjectName(QStringLiteral("Option2_%1").arg(i));
        place(b, 120 + i * 735, 290, i == AndereBand ? 1200 : 735, 285);
        Option2->addButton(b, i);
    }

    Frame5 = control<QGroupBox>(this, "Frame5");
    Frame5->setTitle(QStringLiteral("Draht&isolierung:"));
    Frame5->setToolTip(QStringLiteral("für zusätzlichen Verkürzungsfaktor bei isoliertem Draht"));
    place(Frame5, 60, 2170, 8820, 1590);
    Label8 = label(Frame5, "Label8", QStringLiteral("relative &Dielektrizitätszahl :"));
    place(Label8, 150, 300, 3200, 285);
    Combo1 = control<QComboBox>(Frame5, "Combo1");
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);  // typed numbers stay as typed, no material name is added
    Combo1->setToolTip(QStringLiteral(" Isolier-Material "));
    Combo1->setMaxVisibleItems(25);
    place(Combo1, 150, 640, 3200, 345);
    Label8->setBuddy(Combo1);
    // Decoration only: a line between material and diameters, one under the heading.
    for (auto [name, shape, left, top, width, height] :
         {std::tuple{"Line3", QFrame::VLine, 3600, 260, 30, 820}, std::tuple{"Line4", QFrame::HLine, 3900, 560, 4700, 30}}) {
        auto* line = control<QFrame>(Frame5, name);
        line->setFrameShape(shape);
        line->setFrameShadow(QFrame::Sunken);
        place(line, left, top, width, height);
        markDecorationLine(line);
    }
    Label9 = label(Frame5, "Label9", QStringLiteral("Durchmesser [mm]"));
    place(Label9, 3900, 260, 2400, 285);
    Label10 = label(Frame5, "Label10", QStringLiteral("Aussen:"), Qt::AlignRight | Qt::AlignVCenter);
    place(Label10, 3900, 640, 1000, 315);
    Text6 = numberField(Frame5, "Text6", 5, QStringLiteral(" Gesamtdurchmesser "));
    place(Text6, 5000, 640, 900, 315);
    Label11 = label(Frame5, "Label11", QStringLiteral("Leiter:"), Qt::AlignRight | Qt::AlignVCenter);
    place(Label11, 6000, 640, 900, 315);
    Text7 = numberField(Frame5, "Text7", 5, QStringLiteral(" Drahtdurchmesser "));
    place(Text7, 7000, 640, 900, 315);
    // How the shortening for the insulation is found; the formula unless the user chose otherwise.
    Label12 = label(Frame5, "Label12", QStringLiteral("M&odell:"));
    place(Label12, 150, 1130, 900, 285);
    Combo2 = control<QComboBox>(Frame5, "Combo2");
    Combo2->addItems({isolierModellName(IsolierModell::Formel), isolierModellName(IsolierModell::Vollwelle)});
    Combo2->setToolTip(QStringLiteral(" Zusatzverkürzung nach der Formel oder dem Vollwellenmodell mit nec2c "));
    place(Combo2, 1050, 1090, 2300, 345);
    Label12->setBuddy(Combo2);

    Info = control<QLabel>(this, "Info");
    Info->setTextFormat(Qt::PlainText);
    Info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Info->setWordWrap(true);
    Info->setFrameShape(QFrame::Box);
    Info->setAutoFillBackground(true);
    Info->setBackgroundRole(QPalette::ToolTipBase);
    Info->setForegroundRole(QPalette::ToolTipText);
    Info->setFont(hintFont(formFont));
    Info->setContentsMargins(tw(45), tw(15), tw(45), tw(15));
    place(Info, 60, 3810, 8820, 1215);
    setInfo(QStringLiteral("Hinweis: "));

    // The focus order of the form.
    QList<QWidget*> order{Text1, Text4, VkSteller, option1(2), option1(0), option1(1), Command1, Command2,
                          Combo1, Text6, Text7, Combo2};
    for (int i = 0; i <= AndereBand; ++i)
        order << option2(i);
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    for (QObject* o : QList<QObject*>{Text1, Text4, Text6, Text7, Combo1->lineEdit(), VkSteller, Command1, Command2, Combo1, Combo2})
        o->installEventFilter(this);
    for (QAbstractButton* b : Option1->buttons() + Option2->buttons())
        b->installEventFilter(this);

    Text4->setText(QStringLiteral("1,00"));
    option2(AndereBand)->setChecked(true);
    option1(1)->setChecked(true);
}

void frmHauptform::Form_Load()
{
    Combo1->addItems(isolierMaterialien(localeDecimal()));
    Combo1->setEditText(general(LuftEr) + QStringLiteral(" Luft"));
    Text1->setText(general(50.2f));
    Text6->setText(general(6.0f));
    Text7->setText(general(3.57f));
    setSpinner(0);
    for (int i = 0; i < AndereBand; ++i)
        option2(i)->setText(general(lies(option2(i)->text()).value_or(0)));
    clearResonances();
    setDiameterControlsEnabled(false);
}

void frmHauptform::nameControls()
{
    // Fields are read by their captions, result labels with them.
    nameByCaption(Label1, Text1);
    nameByCaption(Label7, Text4);
    nameByCaption(Label8, Combo1);
    nameByCaption(Label12, Combo2);
    nameByCaption(Label10, Text6);
    nameByCaption(Label11, Text7);
    Combo1->lineEdit()->setAccessibleName(Combo1->accessibleName());
    nameByCaption(Label2, Label3);
    nameByCaption(Label4, Label5);
    readWithCaption(Label3, Label2->text(), QStringLiteral("MHz"));
    readWithCaption(Label5, Label4->text(), QStringLiteral("MHz"));
    readWithCaption(Info, QStringLiteral("Info"));
    for (QGroupBox* group : {Frame1, Frame2, Frame3, Frame5})
        group->setAccessibleName(spokenCaption(group->title()));

    // The spinner's value is the shortening in thousandths, what it sets is the factor.
    VkSteller->setAccessibleName(QStringLiteral("Verkürzungsfaktor-Steller"));
    VkSteller->setAccessibleDescription(
        QStringLiteral("ändert den Verkürzungsfaktor in Schritten von 0,001; Wert: Verkürzung in Promille"));

    // A band button alone says only "14"; with its group it says "Band 14".
    for (int i = 0; i < AndereBand; ++i)
        option2(i)->setAccessibleName(QStringLiteral("Band ") + option2(i)->text());
    option2(AndereBand)->setAccessibleName(QStringLiteral("anderes Band"));
}

void frmHauptform::childActivated()
{
    frame.setStatus(QStringLiteral("Status: Berechnung eines Zentavik"));
    // A factor outside 0 to 1 (the ground correction may exceed 1) leaves the spinner alone.
    try {
        const auto v = lies(Text4->text());
        if (v)
            setSpinner(VkStellerSchritte - checked::int16(checked::nearest(double(*v) * VkStellerSchritte)));
    } catch (const Failure&) {
    }
}

void frmHauptform::closeEvent(QCloseEvent* event)
{
    if (frame.closingForGood()) {
        event->accept();
        return;
    }
    // Any other close only hides the form; its inputs stay.
    event->ignore();
    frame.setStatus(QStringLiteral("Status: Bereit für Antennen-Berechnungen"));
    if (parentWidget())
        parentWidget()->hide();
    else
        hide();
}

void frmHauptform::setSpinner(int position)
{
    if (position >= VkSteller->minimum() && position <= VkSteller->maximum())
        VkSteller->setValue(position);
}

void frmHauptform::clearResonances()
{
    letzterBauplan.reset();
    for (QLabel* result : {Label3, Label5}) {
        markStale(result, false);
        showResult(result, QString());
    }
}

QStringList frmHauptform::eingabenStand() const
{
    // The factor counts by its value: the spinner rewrites "1,0" as "1,00".
    const auto vk = lies(Text4->text());
    return {Text1->text(), vk ? general(*vk) : Text4->text(), Combo1->currentText(), Text6->text(), Text7->text(),
            QString::number(Option1->checkedId()), QString::number(Combo2->currentIndex())};
}

void frmHauptform::eingabeGeaendert()
{
    if (rechnet || gerechnetMit.isEmpty() || eingabenStand() == gerechnetMit)
        return;
    ergebnisseVeraltet();
}

void frmHauptform::ergebnisseVeraltet()
{
    for (QLabel* result : {Label3, Label5})
        if (!result->text().isEmpty())
            markStale(result, true);
    if (infoErgebnis)
        markStale(Info, true);
}

void frmHauptform::setDiameterControlsEnabled(bool enabled)
{
    for (QWidget* w : QList<QWidget*>{Text6, Text7, Label9, Label10, Label11})
        w->setEnabled(enabled);
}

void frmHauptform::Option2_Click(int index)
{
    const float fb = lies(option2(index)->text()).value_or(0);
    const int range = option1(0)->isChecked() ? 1 : option1(1)->isChecked() ? 2 : 3;
    if (const auto text = bandFrequenzText(range, fb, localeDecimal()))
        Text1->setText(*text);
    clearResonances();
}

void frmHauptform::Option1_Click(int index)
{
    if (const auto f = lies(Text1->text())) {
        if (const auto text = bandFrequenzText(index + 1, *f, localeDecimal()))
            Text1->setText(*text);
    }
    clearResonances();
}

void frmHauptform::Text4_Change()
{
    const auto v = lies(Text4->text());
    setTextColour(Text4, !v || *v < 0.8f ? hellrot : schwarz);
}

void frmHauptform::Text4_LostFocus()
{
    const auto v = lies(Text4->text());
    switch (pruefeVk(v)) {
    case VkPruefung::Gueltig:
        setSpinner(int(checked::nearest((1.0 - *v) * VkStellerSchritte)));
        break;
    case VkPruefung::Eins:
        // A factor of exactly 1 is bare wire in free space: no insulation.
        Combo1->setEditText(BlankerDraht);
        setDiameterControlsEnabled(false);
        ui::beep(ablehnung::vkEinsBlankerDraht() + QStringLiteral(": ") + ablehnung::isolierungAus());
        grundAnzeige->show(ablehnung::vkEinsBlankerDraht() + QStringLiteral(": ") + ablehnung::isolierungAus());
        ui::processEvents();
        break;
    case VkPruefung::Ungueltig:
        setInfo(VkHinweis);
        Text4->setText(VkErsatz);
        ui::beep(ablehnung::vkUngueltig());
        // The hint below the form says the same and is spoken already.
        grundAnzeige->show(ablehnung::vkUngueltig(), false);
        ui::processEvents();
        break;
    }
}

void frmHauptform::VkSteller_GotFocus()
{
    if (const auto v = lies(Text4->text())) {
        const double position = checked::nearest((1.0 - *v) * VkStellerSchritte);
        if (position >= 0 && position <= VkStellerSchritte)
            setSpinner(int(position));
    }
    ui::processEvents();
}

void frmHauptform::VkSteller_Change(int value)
{
    try {
        const int16_t v = int16_t(value);
        // The position the text stands for, from single-precision operands.
        const float t = ZahlAusText(Text4->text());
        const int16_t c = checked::int16(checked::nearest(double(1.0f - t) * float(VkStellerSchritte)));
        if (v >= c - 1 && v <= c + 1) {
            VkStellerAlt = v;
        } else {
            // The text changed since the spinner last moved: one click moves one step from the text.
            // A step beyond either end of the scale stops at that end.
            const int target = std::clamp(c + (v - VkStellerAlt), VkSteller->minimum(), VkSteller->maximum());
            if (VkSteller->value() != target)
                setSpinner(target);
            VkStellerAlt = v;
        }
    } catch (const Failure&) {
        VkStellerAlt = int16_t(value);
    }
    const int p = VkSteller->value();
    Text4->setText(fmtD(1.0 - p / double(VkStellerSchritte), u"0.00##"));
}

void frmHauptform::Combo1_Click(int index)
{
    // The blank entry, vacuum and air are bare wire.
    setDiameterControlsEnabled(index >= 3);
}

void frmHauptform::Combo1_KeyUp()
{
    const auto er = lies(Combo1->currentText());
    setDiameterControlsEnabled(!er || *er > LuftEr);
}

void frmHauptform::Text7_Change()
{
    const auto dL = lies(Text7->text());
    const auto dA = lies(Text6->text());
    if (!dL || !dA)
        return;
    if (const auto aussen = aussenFuerLeiter(*dL, *dA, localeDecimal()))
        Text6->setText(*aussen);
}

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

bool frmHauptform::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter presses the button that has the focus, anywhere else "&Rechnen".
            if (watched == Command2 && Command2->isEnabled()) {
                Command2->click();
            } else {
                // The factor field is checked as when a click on the button leaves it: a factor
                // outside 0 to 1 would give wire lengths of 0 m or many half waves.
                if (watched == Text4)
                    Text4_LostFocus();
                Command1->click();
            }
            return true;
        }
        // An editable combo box takes the keys itself and hands them to its line edit.
        const bool numeric = watched == Text1 || watched == Text4 || watched == Text6 || watched == Text7
                             || watched == Combo1 || watched == Combo1->lineEdit();
        if (numeric && !key->text().isEmpty() && (key->text()[0].isPrint() || key->key() == Qt::Key_Backspace)) {
            const QChar typed = key->key() == Qt::Key_Backspace ? QChar(8) : key->text()[0];
            const bool accepted = TastenFilter(typed.unicode(), ZifferZeichen) != 0;
            if (!accepted)
                grundAnzeige->show(ablehnung::zeichenNichtErlaubt());
            if (watched == Text1)
                clearResonances();
            if (!accepted || (typed != QChar(8) && typingLimitReached(watched)))
                return true;
        }
        break;
    }
    case QEvent::KeyRelease:
        if (watched == Combo1 || watched == Combo1->lineEdit())
            Combo1_KeyUp();
        break;
    case QEvent::FocusOut: {
        if (watched == VkSteller)
            VkStellerFokus->setWidget(nullptr);
        // Leaving the window for a dialog or another program is no focus change inside the form.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        if (watched == Text4)
            Text4_LostFocus();
        else if (watched == Command2)
            Command2_LostFocus();
        break;
    }
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (watched == VkSteller)
            VkStellerFokus->setWidget(VkSteller);
        if (watched == VkSteller && reason != Qt::ActiveWindowFocusReason)
            VkSteller_GotFocus();
        // Tabbing into a group of option buttons lands on its selected button.
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            for (QButtonGroup* group : {Option1, Option2}) {
                auto* button = qobject_cast<QAbstractButton*>(watched);
                if (button && group->buttons().contains(button) && !button->isChecked() && group->checkedButton())
                    group->checkedButton()->setFocus(reason);
            }
        }
        break;
    }
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

// What the calculation reads and writes.
QString frmHauptform::text1() { return Text1->text(); }
QString frmHauptform::text4() { return Text4->text(); }
QString frmHauptform::combo1() { return Combo1->currentText(); }

IsolierModell frmHauptform::isolierModell() { return Combo2->currentIndex() == 1 ? IsolierModell::Vollwelle : IsolierModell::Formel; }

void frmHauptform::einstellungenVerwenden(SettingsStore store)
{
    einstellungen = std::move(store);
    const QString wort = einstellungen->get(QStringLiteral("Settings"), QStringLiteral("Isoliermodell"), isolierModellWort(IsolierModell::Formel));
    // Anything but the full-wave model's word is the default.
    Combo2->setCurrentIndex(wort == isolierModellWort(IsolierModell::Vollwelle) ? 1 : 0);
}
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
