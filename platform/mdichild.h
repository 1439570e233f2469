#pragma once
// What the frame window asks of the forms it holds.

#include <QList>
#include <QString>

class QAction;

class MdiChild {
public:
    virtual ~MdiChild() = default;
    // The form became the active child window.
    virtual void childActivated() {}
    // The menus the form puts into the menu bar while it is active; none: the frame's own.
    virtual QList<QAction*> ownMenus() const { return {}; }
};

// What the forms ask of the frame window.
class FrameServices {
public:
    virtual ~FrameServices() = default;
    virtual void setStatus(const QString& text) = 0;
    virtual QString status() const = 0;
    // True while the frame closes for good: then forms that otherwise only hide close.
    virtual bool closingForGood() const = 0;
};
