#include "platform/refusal.h"

#include "common/ablehnungen.h"
#include "platform/accessiblenames.h"
#include "platform/mdichild.h"
#include "platform/ui.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

RefusalNotice::RefusalNotice(QWidget* form, FrameServices* frame)
    : QObject(form), form(form), frame(frame), lifetime(this)
{
    lifetime.setObjectName(QStringLiteral("grundDauer"));
    lifetime.setSingleShot(true);
    lifetime.setInterval(15000);
    connect(&lifetime, &QTimer::timeout, this, &RefusalNotice::clear);
}

void RefusalNotice::refuse(QWidget* field, const QString& reason)
{
    ui::beep(reason);
    show(reason);
    if (field)
        focusField(field);
}

void RefusalNotice::show(const QString& reason, bool speak)
{
    const QString text = ablehnung::satz(reason);
    if (frame) {
        if (current.isEmpty() || frame->status() != shownStatus)
            statusBefore = frame->status();
        frame->setStatus(text);
        shownStatus = text;
    }
    if (current.isEmpty())
        qApp->installEventFilter(this);
    current = reason;
    lifetime.start();
    // The status line is away from the focus: a screen reader would not read it by itself.
    if (speak)
        announce(form, text);
}

void RefusalNotice::clear()
{
    if (current.isEmpty())
        return;
    qApp->removeEventFilter(this);
    lifetime.stop();
    current.clear();
    if (frame && frame->status() == shownStatus)
        frame->setStatus(statusBefore);
}

void RefusalNotice::focusField(QWidget* field)
{
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

bool RefusalNotice::eventFilter(QObject* watched, QEvent* event)
{
    // The next key that changes a field, in this window or another, ends the reason; moving
    // around does not.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool edits = (!key->text().isEmpty() && key->text()[0].isPrint()) || key->key() == Qt::Key_Backspace
                           || key->key() == Qt::Key_Delete;
        if (edits)
            clear();
    }
    return QObject::eventFilter(watched, event);
}
