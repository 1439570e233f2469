#pragma once
// Qt's own texts (standard buttons, the text fields' context menu, file dialogs, error
// texts) in German, whatever language the desktop speaks: the whole program is German.

#include <QTranslator>

#include <memory>

// Loads and installs the German translation of Qt's texts; nothing when it is not installed
// (then those texts stay English and everything else works as before).
std::unique_ptr<QTranslator> installGermanQtTexts();
