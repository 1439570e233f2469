#include "app/shortcutpriority.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace {
bool holdsShortcut(const QList<QAction*>& actions, const QKeySequence& keys)
{
    for (QAction* action : actions) {
        if (!action->isVisible())
            continue;
        if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == keys)
            return true;
        if (action->menu() && holdsShortcut(action->menu()->actions(), keys))
            return true;
    }
    return false;
}
} // namespace

MenuShortcutsFirst::MenuShortcutsFirst(QMenuBar* menuBar, QObject* parent) : QObject(parent), menuBar(menuBar) {}

bool MenuShortcutsFirst::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier && widget
            && widget->window() == menuBar->window() && !menuBar->actions().isEmpty()) {
            // The menu bar watches for Alt pressed and released alone; F10 hands it that.
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
            QCoreApplication::sendEvent(widget, &press);
            QCoreApplication::sendEvent(widget, &release);
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == menuBar->window()
            && holdsShortcut(menuBar->actions(), QKeySequence(key->keyCombination()))) {
            // Left unaccepted, the override lets the shortcut run instead of the field's own key.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
