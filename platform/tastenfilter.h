#pragma once
// The key filter of the numeric fields, as the forms use it: a refused key beeps.

#include <QString>

// Returns the key code when the field accepts the key (backspace always), otherwise beeps with
// the reason, lets pending events run and returns 0.
int TastenFilter(int keyCode, const QString& allowed);
