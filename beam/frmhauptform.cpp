// The beam form as a whole: building it, its life as a child window, and when its results
// are stale.
#include "beam/frmhauptform.h"

#include "beam/eingaben.h"
#include "beam/hauptformlesen.h"
#include "beam/insulation.h"
#include "common/checkedmath.h"
#include "common/numberformat.h"
#include "platform/accessiblenames.h"
#include "platform/formcontrols.h"
#include "platform/refusal.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using hauptform::lies;

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

void frmHauptform::einstellungenVerwenden(SettingsStore store)
{
    einstellungen = std::move(store);
    const QString wort = einstellungen->get(QStringLiteral("Settings"), QStringLiteral("Isoliermodell"), isolierModellWort(IsolierModell::Formel));
    // Anything but the full-wave model's word is the default.
    Combo2->setCurrentIndex(wort == isolierModellWort(IsolierModell::Vollwelle) ? 1 : 0);
}
