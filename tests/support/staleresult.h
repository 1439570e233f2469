#pragma once
// How a test sees that a result belongs to other inputs than those in the fields: greyed, and
// heard as stale in name and description. A half-marked result counts as not stale.

#include <QColor>
#include <QLabel>
#include <QString>

inline bool shownStale(const QLabel* result)
{
    const bool grey = result->palette().color(result->foregroundRole()) == QColor(128, 128, 128);
    return grey && result->accessibleDescription() == QStringLiteral("veraltet")
           && result->accessibleName().endsWith(QStringLiteral(" (veraltet)"));
}

// Nothing of the mark left: the own colour back, no "veraltet" for a screen reader.
inline bool shownCurrent(const QLabel* result)
{
    const bool grey = result->palette().color(result->foregroundRole()) == QColor(128, 128, 128);
    return !grey && result->accessibleDescription().isEmpty() && !result->accessibleName().contains(QStringLiteral("veraltet"));
}

// A reason as the status line shows it: a sentence.
inline QString asSentence(const QString& reason) { return reason.left(1).toUpper() + reason.mid(1); }
