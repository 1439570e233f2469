#pragma once
// Start-up: the frame window, the shared values, and the forms' openers.

#include "app/mdiform1.h"

#include <QTranslator>

#include <memory>

class QApplication;

struct Program {
    std::unique_ptr<QTranslator> qtTexts;  // Qt's own texts in German
    std::unique_ptr<MDIForm1> frame;
    std::unique_ptr<QObject> shortcutPriority;
    std::unique_ptr<QObject> accessKeys;
};

// Loads the frame, sets the shared values and shows the frame; the caller runs the event loop.
Program Main(QApplication& app);
