#pragma once
// The three panels of a status bar: status text, time of day and date; the clock and date
// keep themselves current.

class QLabel;
class QStatusBar;

struct StatusPanels {
    QLabel* text;
    QLabel* time;
    QLabel* date;
};

StatusPanels addStatusPanels(QStatusBar* bar);
