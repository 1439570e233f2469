#include "app/accesskeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace {
// The caption that carries a control's access key, if it has one that leads anywhere.
QString caption(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->buddy() ? label->text() : QString();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w))
        return group->title();
    return {};
}

bool usable(QWidget* w, QWidget* form) { return w->isEnabled() && w->isVisibleTo(form); }

// What the access key does: a label hands the focus to its field, a button is pressed, a
// group of option buttons takes the focus on its selected button.
void activate(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->buddy()->setFocus(Qt::ShortcutFocusReason);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (button->focusPolicy() & Qt::TabFocus)
            button->setFocus(Qt::ShortcutFocusReason);
        button->click();
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        const QList<QAbstractButton*> buttons = group->findChildren<QAbstractButton*>();
        for (QAbstractButton* b : buttons) {
            if (b->isChecked() && b->isEnabled()) {
                b->setFocus(Qt::ShortcutFocusReason);
                return;
            }
        }
        for (QWidget* next = group->nextInFocusChain(); next != group; next = next->nextInFocusChain()) {
            if (group->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) && usable(next, group)) {
                next->setFocus(Qt::ShortcutFocusReason);
                return;
            }
            if (!group->isAncestorOf(next))
                break;
        }
    }
}

bool menuBarClaims(QMenuBar* menuBar, const QKeySequence& keys)
{
    for (QAction* action : menuBar->actions())
        if (action->isVisible() && action->isEnabled() && QKeySequence::mnemonic(action->text()) == keys)
            return true;
    return false;
}
} // namespace

FormAccessKeysFirst::FormAccessKeysFirst(QMenuBar* menuBar, QMdiArea* area, QObject* parent)
    : QObject(parent), menuBar(menuBar), area(area)
{
}

QWidget* FormAccessKeysFirst::claimant(QWidget* target, const QKeySequence& keys) const
{
    if (!target || target->window() != menuBar->window() || !menuBarClaims(menuBar, keys))
        return nullptr;
    QMdiSubWindow* active = area->activeSubWindow();
    QWidget* form = active && active->isVisible() ? active->widget() : nullptr;
    if (!form || (!form->isAncestorOf(target) && target != form))
        return nullptr;
    // In focus order, starting after the control that has the focus.
    QList<QWidget*> claiming;
    qsizetype afterFocus = -1;
    for (QWidget* w = form->nextInFocusChain(); w != form; w = w->nextInFocusChain()) {
        if (w == QApplication::focusWidget())
            afterFocus = claiming.size();
        if (form->isAncestorOf(w) && usable(w, form) && QKeySequence::mnemonic(caption(w)) == keys)
            claiming << w;
    }
    if (claiming.isEmpty())
        return nullptr;
    return afterFocus >= 0 && afterFocus < claiming.size() ? claiming[afterFocus] : claiming.first();
}

bool FormAccessKeysFirst::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::AltModifier) || (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return QObject::eventFilter(watched, event);
    QWidget* control = claimant(qobject_cast<QWidget*>(watched), QKeySequence(Qt::ALT | Qt::Key(key->key())));
    if (!control)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        // Accepted, the override keeps the menu bar's shortcut from running; the key then
        // arrives as a key press, and the form's control acts on it below.
        event->accept();
        return true;
    }
    activate(control);
    return true;
}
