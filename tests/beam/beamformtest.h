#pragma once
// What the beam form's widget tests share: the form opened active on fresh shared values,
// focus moved as a user's Tab moves it, and the report file read back.

#include "beam/frmhauptform.h"
#include "common/cp1252.h"
#include "common/module1.h"
#include "tests/support/fakeframe.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <memory>

// Null when the window system never made the form active.
inline std::unique_ptr<frmHauptform> openActiveBeamForm(FakeFrame& frame)
{
    module1() = Module1{};
    auto form = std::make_unique<frmHauptform>(frame);
    form->show();
    QApplication::setActiveWindow(form.get());
    if (!QTest::qWaitForWindowActive(form.get()))
        return nullptr;
    return form;
}

// The beam form only hides while the frame stays open; the frame closing for good closes it.
inline void closeBeamForm(FakeFrame& frame, std::unique_ptr<frmHauptform>& form)
{
    frame.forGood = true;
    form.reset();
}

// Moves the keyboard focus as a user's Tab or click would, and lets its handlers run.
inline void focus(QWidget* w)
{
    w->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
}

inline QString reportText()
{
    QFile file(QStringLiteral("Zentavik.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeCp1252(file.readAll());
}
