// What the form does as the user changes its inputs.
#include "beam/frmhauptform.h"

#include "beam/bands.h"
#include "beam/eingaben.h"
#include "beam/hauptformlesen.h"
#include "beam/insulation.h"
#include "common/ablehnungen.h"
#include "common/checkedmath.h"
#include "common/numberformat.h"
#include "platform/accessiblenames.h"
#include "platform/formcontrols.h"
#include "platform/refusal.h"
#include "platform/ui.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>

using hauptform::lies;

namespace {

const QColor hellrot(255, 0, 0);  // colour 12 of the 16-colour palette: a value out of range
const QColor schwarz(0, 0, 0);

} // namespace

void frmHauptform::setSpinner(int position)
{
    if (position >= VkSteller->minimum() && position <= VkSteller->maximum())
        VkSteller->setValue(position);
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
