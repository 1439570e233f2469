#pragma once
// What a screen reader says for a control. Fields are named by the caption beside them;
// labels that show a result are read together with their caption, and while a calculation
// writes such a label piece by piece the listener hears only the finished text.

#include <QList>
#include <QPointer>
#include <QString>

#include <QFrame>
#include <QLabel>

#include <initializer_list>

// The caption as it is spoken: no access-key "&", no trailing colon, no outer blanks.
// "relative &Dielektrizitätszahl :" becomes "relative Dielektrizitätszahl".
QString spokenCaption(const QString& caption);

// The caption beside a field names it: its access key moves the focus to the field, and the
// field's accessible name is the spoken caption.
void nameByCaption(QLabel* caption, QWidget* field);

// Makes a label a result that is read with its caption, "Eigenresonanz Dipol: 14,05 MHz";
// the unit is spoken after a non-empty text only. Write its text with showResult().
void readWithCaption(QLabel* result, const QString& caption, const QString& unit = QString());

// Writes a result label and tells a screen reader the new text with its caption, in one change.
void showResult(QLabel* result, const QString& text);

// Writes a result label that a screen reader also speaks, though the focus is elsewhere (a hint
// about the input just left): once the window shows, and unless the label is held.
void tellResult(QLabel* result, const QString& text);

// Marks a result that no longer belongs to the inputs (they changed, or the calculation was
// refused) or, with false, one just computed. A stale result keeps its text but is greyed,
// and a screen reader hears "veraltet" with it; its own colour comes back with the mark's end.
void markStale(QLabel* result, bool stale);
bool isStale(const QLabel* result);

// A line that only decorates a form is read as a divider, not as one more frame of its group.
void markDecorationLine(QFrame* line);

// The name a result label has for its present text.
QString resultName(const QLabel* result);

// Tells a screen reader a text that appeared away from the keyboard focus. Screen readers pass
// over changes of a label that has no focus, but they speak a notification when it shows; the
// window keeps one invisible notification for this.
void announce(QWidget* window, const QString& text);

// While it lives, showResult() on the labels changes only what is shown; when it ends each
// label's finished text is made known once, and those that hold a current (not stale) text are
// announced together in one notification. A calculation that writes its results piece by piece holds one, so
// that a listener hears one whole result instead of every piece.
class HeldResults {
public:
    explicit HeldResults(std::initializer_list<QLabel*> results);
    ~HeldResults();
    HeldResults(const HeldResults&) = delete;
    HeldResults& operator=(const HeldResults&) = delete;

private:
    QList<QPointer<QLabel>> results;
};
