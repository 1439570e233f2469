#pragma once
// Number texts as the user types them: the decimal comma, and what the numeric fields accept.

#include <QString>

// Reads the number at the start of a field text. The first comma counts as the decimal point;
// blanks, tabs and line feeds anywhere are skipped; a text without a leading number gives 0.
// A number beyond the single-precision range raises the overflow failure.
float ZahlAusText(const QString& text);

// Whether ZahlAusText finds a number at the start of the text (a text without one reads as 0).
bool BeginntMitZahl(const QString& text);

// The characters the numeric fields accept.
inline const QString ZifferZeichen = QStringLiteral("1234567890,.");

// Whether a numeric field accepts the key: its character is among the allowed ones, or it is
// backspace, which always is.
bool TasteErlaubt(int keyCode, QString allowed);
