#pragma once
// The access keys of the active child form win over the menu bar's: inside the beam form
// Alt+D moves to "relative &Dielektrizitätszahl", not into "&Datei". Where no control of the
// active form claims a letter, the menu bar keeps it.

#include <QObject>

class QMdiArea;
class QMenuBar;
class QWidget;

class FormAccessKeysFirst : public QObject {
public:
    FormAccessKeysFirst(QMenuBar* menuBar, QMdiArea* area, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The control of the active form that the key's letter belongs to, if the menu bar
    // claims that letter too; the next one after the focus when several claim it.
    QWidget* claimant(QWidget* target, const QKeySequence& keys) const;

    QMenuBar* menuBar;
    QMdiArea* area;
};
