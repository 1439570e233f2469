#pragma once
// Menu shortcuts win over the text fields' own keys: Ctrl+X in a field runs "&Beenden",
// not cut, as long as the menu that holds it is in the menu bar. F10 reaches the menu bar as
// Alt pressed alone does: the next letter opens the menu it underlines.

#include <QObject>

class QMenuBar;

class MenuShortcutsFirst : public QObject {
public:
    MenuShortcutsFirst(QMenuBar* menuBar, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenuBar* menuBar;
};
