#pragma once
// Hears what a screen reader would be told. Offscreen windows have a plain accessibility
// layer that is off; the probe turns it on and records every update until it goes.

#include <QAccessible>
#include <QList>
#include <QPointer>
#include <QString>

class AccessibilityProbe {
public:
    struct Update {
        QAccessible::Event type;
        QPointer<QObject> object;
        QString name;  // the object's accessible name when the update was sent
    };

    AccessibilityProbe();
    ~AccessibilityProbe();
    AccessibilityProbe(const AccessibilityProbe&) = delete;
    AccessibilityProbe& operator=(const AccessibilityProbe&) = delete;

    // False where the platform has no accessibility layer at all.
    bool active() const { return QAccessible::isActive(); }
    QList<Update> updates;
    // The updates of one kind that one object sent.
    QList<Update> of(const QObject* object, QAccessible::Event type) const;
};

// The accessible name and description of an object, as a screen reader reads them.
QString accessibleName(QObject* object);
QString accessibleDescription(QObject* object);
