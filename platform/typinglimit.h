#pragma once
// How many characters the user may type or paste into a field. Unlike QLineEdit's maximum
// length it never cuts a text that the program writes (a frequency of 1e30 MHz shows whole).

class QLineEdit;
class QObject;

// Typing and pasting (keys, context menu, middle button, dropping) stop at `limit`
// characters; a paste that would go beyond it is cut to what still fits.
void limitTyping(QLineEdit* field, int limit);

// True when typing one more character would go beyond the field's limit (a selection that
// the character replaces counts as free).
bool typingLimitReached(QObject* field);
