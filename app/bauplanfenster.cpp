#include "app/bauplanfenster.h"

#include "common/ablehnungen.h"
#include "common/failure.h"
#include "platform/mdichild.h"
#include "platform/dateischreiber.h"
#include "platform/ui.h"
#include "plan/bauplandatei.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace {

const QString Titel = QStringLiteral(" Bauplan");

bool berechnet(FrameServices& frame, const std::optional<BauplanDaten>& plan, bool veraltet)
{
    if (!plan) {
        ui::messageBox(QStringLiteral("Für den Bauplan bitte zuerst den Zentavik berechnen:\r\n"
                                      "\"Berechnen\", \"2. Zentavik\", dann \"Rechnen\"."),
                       Titel, ui::Buttons::Ok, ui::Icon::Information);
        return false;
    }
    // A plan is cut from: one that no longer matches the form is used only when the user says so.
    if (veraltet
        && ui::messageBox(QStringLiteral("Die Eingaben im Zentavik-Formular wurden nach der letzten\r\n"
                                         "Berechnung geändert. Der Bauplan zeigt die letzte\r\n"
                                         "Berechnung für %1 MHz.\r\n\r\n"
                                         "Trotzdem diesen Bauplan verwenden? (Nein: zuerst \"Rechnen\")")
                              .arg(plan->frequenz),
                          Titel, ui::Buttons::YesNoDefaultNo, ui::Icon::Question)
               != ui::Answer::Yes)
        return false;
    // Nor is a plan that cannot be built from ever written.
    if (const auto nein = bauplanAblehnung(*plan)) {
        const QString grund = QStringLiteral("kein Bauplan: ") + nein->grund;
        ui::beep(grund);
        frame.setStatus(ablehnung::satz(grund));
        return false;
    }
    return true;
}

} // namespace

QString BauplanSpeichern(QWidget* parent, FrameServices& frame, const std::optional<BauplanDaten>& plan, bool veraltet)
{
    if (!berechnet(frame, plan, veraltet))
        return {};
    const auto gewaehlt = ui::services().saveFileName(
        parent, {QStringLiteral("Bauplan speichern"), QDir::currentPath(), BauplanPdfName,
                 QStringLiteral("Bauplan als PDF (*.pdf)|*.pdf|Bauplan als SVG (*.svg)|*.svg")});
    if (!gewaehlt || gewaehlt->trimmed().isEmpty())
        return {};
    QString pfad = *gewaehlt;
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung.isEmpty())
        pfad += QStringLiteral(".pdf");
    try {
        // A device or a pipe chosen as the target is refused: the window saves files only.
        const bool svg = endung == QStringLiteral("svg");
        schreibeDatei(pfad, svg ? bauplanSvg(*plan) : bauplanPdf(*plan));
        return QStringLiteral("Bauplan geschrieben: %1 (%2, DIN A4 hoch)")
            .arg(QDir::toNativeSeparators(pfad), svg ? QStringLiteral("SVG") : QStringLiteral("PDF"));
    } catch (const Failure& failure) {
        ui::messageBox(failure.description, QStringLiteral(" Fehler  ") + QString::number(failure.number), ui::Buttons::Ok,
                       ui::Icon::Exclamation);
    }
    return {};
}

void BauplanDrucken(QWidget* parent, FrameServices& frame, const std::optional<BauplanDaten>& plan, bool veraltet)
{
    if (!berechnet(frame, plan, veraltet))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Bauplan Zentavik"));
    if (!ui::services().choosePrinter(parent, printer, false))
        return;
    if (!bauplanAufSeite(printer, *plan))
        ui::messageBox(QStringLiteral("Der Bauplan konnte nicht gedruckt werden."), Titel, ui::Buttons::Ok, ui::Icon::Exclamation);
}
