// zentavik-rechner: the beam calculations without windows.

#include "cli/rechner.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {
// The program reports in its own German lines; Qt's notes (a missing runtime directory, a font
// substitution) would only confuse a script reading standard error.
void nurFatales(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(nurFatales);
    QList<QByteArray> roh;
    for (int i = 1; i < argc; ++i)
        roh << QByteArray(argv[i]);
    QTextStream err(stderr);
    const std::optional<QStringList> gelesen = rechner::argumenteLesen(roh, err);
    if (!gelesen)
        return 2;  // bad input, as the commands' own
    const QStringList& argumente = *gelesen;
    // Only the build plan draws; it needs fonts but never a screen.
    std::unique_ptr<QCoreApplication> app;
    if (rechner::brauchtGrafik(argumente)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The output is written in one piece at the end, where a failed write can still turn the
    // exit status into a failure.
    QString ausgabe;
    QTextStream out(&ausgabe);
    int status = rechner::zentavikRechner(argumente, out, err);
    out.flush();
    status = rechner::gibAus(ausgabe, status, err);
    err.flush();
    return status;
}
