#include "app/hilfe.h"

#include "common/module1.h"
#include "platform/desktop.h"
#include "platform/ui.h"

#include <QDir>
#include <QFileInfo>

bool DateiVorhanden(const QString& path)
{
    if (desktop::normaleDatei(path))
        return true;
    const QString& crLf = module1().CrLf;
    ui::messageBox(QStringLiteral("Die Datei ") + crLf + path + crLf + QStringLiteral("ist nicht vorhanden!") + crLf
                       + QStringLiteral("Bitte selbst nach der Datei suchen."),
                   QStringLiteral(" Datei nicht gefunden"), ui::Buttons::Ok, ui::Icon::Critical);
    return false;
}

QString ProgrammSuchen(const QString& document)
{
    const QString program = desktop::standardProgramm(document);
    return program == document ? QString() : program;
}

QString ProgrammBefehl(const QString& program, QString& document)
{
    if (document.toLower().contains(QStringLiteral(".pdf")))
        document = u'"' + document + u'"';
    return program + u' ' + document;
}

bool ProgrammStarten(const QString& program, QString& document, std::function<void()> gescheitert)
{
    // The path as it names the file: a caller's variable may already be in quotes.
    QString pfad = document;
    if (pfad.size() >= 2 && pfad.startsWith(u'"') && pfad.endsWith(u'"'))
        pfad = pfad.mid(1, pfad.size() - 2);
    ProgrammBefehl(program, document);
    // The path is one argument whatever it holds, never a line split into words again; the
    // desktop's own line for the program places it among that program's options.
    QStringList argumente{pfad};
    const desktop::Aufruf aufruf = desktop::standardAufruf(pfad);
    if (!aufruf.programm.isEmpty() && aufruf.programm == program)
        argumente = aufruf.argumente;
    const bool started = desktop::startDetached(program, argumente, std::move(gescheitert));
    ui::processEvents();
    return started;
}

namespace {

// Why the help is not on the screen, and where the user finds it.
void hilfeNichtGezeigt(const QString& reason, const QString& path)
{
    const QString& crLf = module1().CrLf;
    ui::messageBox(reason + crLf + QStringLiteral("Hilfe finden Sie in der Datei ") + crLf + path + crLf,
                   QStringLiteral(" Hilfe"), ui::Buttons::Ok, ui::Icon::Critical);
}

} // namespace

QStringList HilfeOrte(const QString& programmOrdner)
{
    const QDir dir(programmOrdner);
    return {dir.filePath(HilfeDateiName),
            QDir::cleanPath(dir.filePath(QStringLiteral(ZENTAVIK_DATA_FROM_BIN) + u'/' + HilfeDateiName))};
}

void Hilfe(const QString& programmOrdner)
{
    const QStringList orte = HilfeOrte(programmOrdner);
    QString path = orte.first();
    for (const QString& ort : orte)
        if (desktop::normaleDatei(ort)) {
            path = ort;
            break;
        }
    // Missing everywhere: an installed program names its data folder.
    if (!desktop::normaleDatei(path) && QFileInfo(orte.last()).dir().exists())
        path = orte.last();
    if (!DateiVorhanden(path))
        return;
    const QString program = ProgrammSuchen(path);
    if (program.isEmpty() || !desktop::normaleDatei(program)) {
        hilfeNichtGezeigt(QStringLiteral("Acrobat Reader o.ä. nicht gefunden!"), path);
        return;
    }
    // Found but not startable (a broken installation), or giving up at once: the user still
    // learns where the help is.
    const QString reason = QStringLiteral("Das Programm ") + program + QStringLiteral(" ließ sich nicht starten!");
    QString document = path;
    if (!ProgrammStarten(program, document, [reason, path] { hilfeNichtGezeigt(reason, path); }))
        hilfeNichtGezeigt(reason, path);
}
