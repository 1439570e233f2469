#include "app/startup.h"

#include "app/accesskeys.h"
#include "app/shortcutpriority.h"
#include "common/module1.h"
#include "platform/germantexts.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenuBar>

namespace {
// A normal file: not hidden, not a directory.
bool normalFileExists(const QString& name)
{
    const QFileInfo info(name);
    return info.exists() && info.isFile() && !info.isHidden();
}
} // namespace

Program Main(QApplication& app)
{
    Program program;
    program.qtTexts = installGermanQtTexts();
    program.frame = std::make_unique<MDIForm1>(SettingsStore(QStringLiteral("Zentavik")));
    auto priority = std::make_unique<MenuShortcutsFirst>(program.frame->menuBar(), nullptr);
    app.installEventFilter(priority.get());
    program.shortcutPriority = std::move(priority);
    auto accessKeys = std::make_unique<FormAccessKeysFirst>(program.frame->menuBar(), program.frame->mdiArea(), nullptr);
    app.installEventFilter(accessKeys.get());
    program.accessKeys = std::move(accessKeys);

    Module1& m = module1();
    m.CrLf = QStringLiteral("\r\n");
    m.TabellenDatei = QStringLiteral("Zentavik.txt");
    if (!normalFileExists(m.TabellenDatei))
        m.TabellenDatei.clear();

    QCoreApplication::processEvents();
    program.frame->show();
    QCoreApplication::processEvents();
    return program;
}
