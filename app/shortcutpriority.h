#pragma once
// Menu shortcuts win over the text fields' own keys: Ctrl+X in a field runs "&Beenden",
// not cut, as long as the menu that holds it is in the menu bar.

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
