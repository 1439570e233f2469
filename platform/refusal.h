#pragma once
// A refused input that a user perceives on any desktop: the beep carries the reason, the
// frame's status line shows it until the next input in any window or for a short while, a
// screen reader hears it once, and the field gets the focus with its text selected, ready to be
// typed over.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class FrameServices;
class QWidget;

class RefusalNotice : public QObject {
public:
    // `frame` may be null: the reason is then only beeped and spoken.
    RefusalNotice(QWidget* form, FrameServices* frame);

    // Beeps with the reason, shows and speaks it, and puts the focus into the field (if any).
    void refuse(QWidget* field, const QString& reason);
    // Shows a reason whose beep has sounded already; speaks it too, unless the listener heard
    // the same already (a hint the form tells, a question box).
    void show(const QString& reason, bool speak = true);
    // The status line gets back what it showed before the reason, unless something else was
    // written there since.
    void clear();
    // The reason shown now; empty when none.
    QString reason() const { return current; }

    // The focus into a field with its whole text selected.
    static void focusField(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> form;
    FrameServices* frame;
    // Long enough to be read, short enough not to stand beside later work.
    QTimer lifetime;
    QString current, shownStatus, statusBefore;
};
