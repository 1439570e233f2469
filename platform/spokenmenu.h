#pragma once
// A menu whose caption is a sign ("&?") keeps it on screen, but a screen reader calls its
// entry in the menu bar by a word ("Hilfe").

#include <QString>

class QMenu;

void nameMenu(QMenu* menu, const QString& spokenName);
