// The beam form's controls, placed as the form was drawn, and their start values.
#include "beam/frmhauptform.h"

#include "beam/bands.h"
#include "beam/eingaben.h"
#include "beam/hauptformlesen.h"
#include "beam/insulation.h"
#include "common/numberformat.h"
#include "platform/accessiblenames.h"
#include "platform/formcontrols.h"
#include "platform/twips.h"
#include "platform/typinglimit.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFocusFrame>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <tuple>

using hauptform::lies;

namespace {

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

    filterKeysAndFocus();

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
