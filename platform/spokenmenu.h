#pragma once
// A menu whose caption is a sign ("&?") keeps it on screen, but a screen reader calls its
// entry in the menu bar by a word ("Hilfe").

#include <QString>

class QAction;
class QMenu;

void nameMenu(QMenu* menu, const QString& spokenName);
void nameMenuBarEntry(QAction* entry, const QString& spokenName);

// A disabled entry that only divides the menu bar ("|") is read as a divider, not as a sign.
void markMenuBarDivider(QAction* divider);
