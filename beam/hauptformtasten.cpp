// The keys and focus changes of the beam form: Enter, the numeric fields' key filter, and
// the checks that run when a field is left.
#include "beam/frmhauptform.h"

#include "common/ablehnungen.h"
#include "common/numbertext.h"
#include "platform/refusal.h"
#include "platform/tastenfilter.h"
#include "platform/typinglimit.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

void frmHauptform::filterKeysAndFocus()
{
    for (QObject* o : QList<QObject*>{Text1, Text4, Text6, Text7, Combo1->lineEdit(), VkSteller, Command1, Command2, Combo1, Combo2})
        o->installEventFilter(this);
    for (QAbstractButton* b : Option1->buttons() + Option2->buttons())
        b->installEventFilter(this);
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
