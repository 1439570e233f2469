#include "tests/support/accessibilityprobe.h"

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {
AccessibilityProbe* listening = nullptr;

QPlatformAccessibility* platformAccessibility()
{
    QPlatformIntegration* integration = QGuiApplicationPrivate::platformIntegration();
    return integration ? integration->accessibility() : nullptr;
}

void record(QAccessibleEvent* event)
{
    if (!listening)
        return;
    QAccessibleInterface* iface = event->accessibleInterface();
    listening->updates.append({event->type(), event->object(), iface ? iface->text(QAccessible::Name) : QString()});
}
} // namespace

AccessibilityProbe::AccessibilityProbe()
{
    listening = this;
    QAccessible::installUpdateHandler(record);
    if (QPlatformAccessibility* platform = platformAccessibility())
        platform->setActive(true);
}

AccessibilityProbe::~AccessibilityProbe()
{
    if (QPlatformAccessibility* platform = platformAccessibility())
        platform->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
    listening = nullptr;
}

QList<AccessibilityProbe::Update> AccessibilityProbe::of(const QObject* object, QAccessible::Event type) const
{
    QList<Update> found;
    for (const Update& u : updates)
        if (u.object == object && u.type == type)
            found.append(u);
    return found;
}

QString accessibleName(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<keine Schnittstelle>");
}

QString accessibleDescription(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Description) : QStringLiteral("<keine Schnittstelle>");
}
