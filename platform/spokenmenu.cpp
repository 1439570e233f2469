#include "platform/spokenmenu.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace {

constexpr const char* spokenNameProperty = "spokenName";
constexpr const char* dividerProperty = "menuBarDivider";

// Qt names a menu bar entry by its caption only, so an entry that is read by another name
// needs an accessible interface of its own: the same as Qt's menu bar entry but for the name.
class SpokenMenuBarEntry final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    SpokenMenuBarEntry(QMenuBar* owner, QAction* action) : owner(owner), action(action) {}

    bool isValid() const override { return owner && action; }
    QObject* object() const override { return action; }
    QWindow* window() const override { return owner ? owner->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(owner); }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && action && action->menu() ? QAccessible::queryAccessibleInterface(action->menu()) : nullptr;
    }
    int childCount() const override { return action && action->menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && action && child->object() == action->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!action)
            return {};
        switch (t) {
        case QAccessible::Name: return action->property(spokenNameProperty).toString();
        case QAccessible::Accelerator: return QKeySequence::mnemonic(action->text()).toString(QKeySequence::NativeText);
        default: return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = owner->actionGeometry(action);
        return QRect(owner->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override
    {
        return action && action->property(dividerProperty).toBool() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.focusable = true;
        s.hasPopup = action->menu() != nullptr;
        s.disabled = !action->isEnabled();
        s.invisible = !action->isVisible() || !owner->isVisible();
        s.focused = s.hotTracked = owner->activeAction() == action;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        return isValid() && action->isEnabled() ? QStringList{showMenuAction()} : QStringList{};
    }
    void doAction(const QString& name) override
    {
        if (name == showMenuAction() && isValid() && action->isEnabled())
            owner->setActiveAction(action);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QMenuBar> owner;
    QPointer<QAction> action;
};

QAccessibleInterface* spokenEntryFactory(const QString& className, QObject* object)
{
    auto* action = qobject_cast<QAction*>(object);
    if (className != QLatin1String("QAction") || !action || !action->property(spokenNameProperty).isValid())
        return nullptr;
    for (QObject* user : action->associatedObjects())
        if (auto* bar = qobject_cast<QMenuBar*>(user))
            return new SpokenMenuBarEntry(bar, action);
    return nullptr;
}

} // namespace

void nameMenuBarEntry(QAction* entry, const QString& spokenName)
{
    static const bool installed = [] {
        QAccessible::installFactory(spokenEntryFactory);
        return true;
    }();
    (void)installed;
    entry->setProperty(spokenNameProperty, spokenName);
}

void nameMenu(QMenu* menu, const QString& spokenName)
{
    nameMenuBarEntry(menu->menuAction(), spokenName);
    menu->setAccessibleName(spokenName);
}

void markMenuBarDivider(QAction* divider)
{
    nameMenuBarEntry(divider, QString());
    divider->setProperty(dividerProperty, true);
}
