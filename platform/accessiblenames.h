#pragma once
// What a screen reader says for a control. Fields are named by the caption beside them;
// labels that show a result are read together with their caption, and while a calculation
// writes such a label piece by piece the listener hears only the finished text.

#include <QPointer>
#include <QString>

#include <QLabel>

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

// The name a result label has for its present text.
QString resultName(const QLabel* result);

// While it lives, showResult() on the label changes only what is shown; when it ends the
// finished text is made known once. A calculation that writes its results text piece by
// piece holds one, so that a listener hears one whole result instead of every piece.
class HeldResult {
public:
    explicit HeldResult(QLabel* result);
    ~HeldResult();
    HeldResult(const HeldResult&) = delete;
    HeldResult& operator=(const HeldResult&) = delete;

private:
    QPointer<QLabel> result;
};
