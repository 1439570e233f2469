#include "app/bauplanfenster.h"

#include "common/failure.h"
#include "platform/dateischreiber.h"
#include "platform/ui.h"
#include "plan/bauplandatei.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace {

const QString Titel = QStringLiteral(" Bauplan");

bool berechnet(const std::optional<BauplanDaten>& plan)
{
    if (plan)
        return true;
    ui::messageBox(QStringLiteral("Für den Bauplan bitte zuerst den Zentavik berechnen:\r\n"
                                  "\"Berechnen\", \"2. Zentavik\", dann \"Rechnen\"."),
                   Titel, ui::Buttons::Ok, ui::Icon::Information);
    return false;
}

} // namespace

void BauplanSpeichern(QWidget* parent, const std::optional<BauplanDaten>& plan)
{
    if (!berechnet(plan))
        return;
    const auto gewaehlt = ui::services().saveFileName(
        parent, {QStringLiteral("Bauplan speichern"), QDir::currentPath(), BauplanPdfName,
                 QStringLiteral("Bauplan als PDF (*.pdf)|*.pdf|Bauplan als SVG (*.svg)|*.svg")});
    if (!gewaehlt || gewaehlt->trimmed().isEmpty())
        return;
    QString pfad = *gewaehlt;
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung.isEmpty())
        pfad += QStringLiteral(".pdf");
    try {
        // A device or a pipe chosen as the target is refused: the window saves files only.
        schreibeDatei(pfad, endung == QStringLiteral("svg") ? bauplanSvg(*plan) : bauplanPdf(*plan));
    } catch (const Failure& failure) {
        ui::messageBox(failure.description, QStringLiteral(" Fehler  ") + QString::number(failure.number), ui::Buttons::Ok,
                       ui::Icon::Exclamation);
    }
}

void BauplanDrucken(QWidget* parent, const std::optional<BauplanDaten>& plan)
{
    if (!berechnet(plan))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Bauplan Zentavik"));
    if (!ui::services().choosePrinter(parent, printer, false))
        return;
    if (!bauplanAufSeite(printer, *plan))
        ui::messageBox(QStringLiteral("Der Bauplan konnte nicht gedruckt werden."), Titel, ui::Buttons::Ok, ui::Icon::Exclamation);
}
