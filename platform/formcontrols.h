#pragma once
// What every form does to build its controls in code: create one under the designer's name,
// place it in twips, colour its text.

#include "platform/twips.h"

#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>

inline void place(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(tw(left), tw(top), tw(width), tw(height));
}

template <typename T>
T* control(QWidget* parent, const char* name)
{
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// Text colour of a field or a label (light red for values out of range, black otherwise).
inline void setTextColour(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Text, colour);
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}
