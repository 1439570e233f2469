// Start-up: the frame window, the shared values, and the forms' openers.

#include "app/mdiform1.h"
#include "app/shortcutpriority.h"
#include "common/module1.h"
#include "platform/qtui.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMenuBar>

namespace {

// A normal file: not hidden, not a directory.
bool normalFileExists(const QString& name)
{
    const QFileInfo info(name);
    return info.exists() && info.isFile() && !info.isHidden();
}

int Main(QApplication& app)
{
    QtUi dialogs;
    ui::install(&dialogs);

    MDIForm1 frame(SettingsStore(QStringLiteral("Zentavik")));
    MenuShortcutsFirst shortcuts(frame.menuBar(), &frame);
    app.installEventFilter(&shortcuts);

    Module1& m = module1();
    m.CrLf = QStringLiteral("\r\n");
    m.ZusatzVerkuerzung = 0;
    m.TabellenDatei = QStringLiteral("Zentavik.txt");
    if (!normalFileExists(m.TabellenDatei))
        m.TabellenDatei.clear();

    QCoreApplication::processEvents();
    frame.show();
    QCoreApplication::processEvents();
    const int result = app.exec();
    app.removeEventFilter(&shortcuts);
    ui::install(nullptr);
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentavik"));
    // A German program: without any language setting it uses German numbers and dates.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return Main(app);
}
