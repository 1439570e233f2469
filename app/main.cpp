#include "app/startup.h"
#include "platform/qtui.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentavik"));
    // A German program: without any language setting it uses German numbers and dates.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QtUi dialogs;
    ui::install(&dialogs);
    Program program = Main(app);
    const int result = app.exec();
    ui::install(nullptr);
    return result;
}
