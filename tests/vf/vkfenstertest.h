#pragma once
// What the tests of the velocity-factor and pruning windows share: typing, Enter, and how a
// field or result looks.

#include "calculators/messdatei.h"
#include "calculators/messungtext.h"
#include "platform/refusal.h"
#include "tests/support/staleresult.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

inline void type(QLineEdit* field, const QString& text)
{
    field->clear();
    QTest::keyClicks(field, text);
}

inline bool red(const QWidget* w) { return w->palette().color(QPalette::WindowText) == QColor(255, 0, 0); }
inline QString sentence(const QString& reason) { return asSentence(reason); }
inline bool stale(const QLabel* result) { return shownStale(result); }

// Enter in a field runs "&Rechnen", as a keyboard user would calculate.
inline void enter(QLineEdit* field) { QTest::keyClick(field, Qt::Key_Return); }

inline QString mhzTextAusDatei(const QString& pfad) { return mhzText(findeResonanz(ladeMessung(pfad)).frequenz); }
