#include "app/eingabendrucken.h"

#include "beam/frmhauptform.h"
#include "common/datetext.h"
#include "common/version.h"
#include "common/failure.h"
#include "common/module1.h"
#include "platform/dateischreiber.h"
#include "platform/twips.h"
#include "platform/ui.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>

QString DruckStempel(const QDateTime& when)
{
    return QStringLiteral("Berechnung eines Zentavik nach Norbek ") + version::copyright + QStringLiteral(" am ")
           + allgemeinesDatum(when);
}

bool FormularDrucken(QWidget& form, QPagedPaintDevice& device)
{
    const QPixmap image = form.grab();
    QPainter painter;
    if (image.isNull() || !painter.begin(&device))
        return false;
    // The form's size on the screen in inches, in device pixels; never wider than the page.
    const int resolution = device.logicalDpiX();
    const QRect page = device.pageLayout().paintRectPixels(resolution);
    const double perPixel = resolution / logicalDpi();
    const double scale = std::min(perPixel, double(page.width()) / image.width());
    const QRectF target(0, 0, image.width() * scale, image.height() * scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, image, QRectF(image.rect()));
    return painter.end();
}

QByteArray FormularAlsPdf(QWidget& form, const QPrinter& layout)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(layout.resolution());
        writer.setPageLayout(layout.pageLayout());
        writer.setCreator(QStringLiteral("Zentavik"));
        if (!FormularDrucken(form, writer))
            return {};
    }
    return pdf.data();
}

namespace {

// No printer at all: the user learns why nothing comes out and may keep the page as a PDF file.
void AlsPdfAnbieten(frmHauptform& form, const QPrinter& layout)
{
    const QString& crLf = module1().CrLf;
    const auto answer = ui::messageBox(QStringLiteral("Es ist kein Drucker eingerichtet.") + crLf
                                           + QStringLiteral("Soll der Ausdruck stattdessen als PDF-Datei gespeichert werden?"),
                                       QStringLiteral(" Eingaben drucken"), ui::Buttons::YesNo, ui::Icon::Question);
    if (answer != ui::Answer::Yes)
        return;
    const auto chosen = ui::services().saveFileName(
        &form, {QStringLiteral("Ausdruck als PDF-Datei speichern"), QDir::currentPath(), QStringLiteral("Zentavik_Eingaben.pdf"),
                QStringLiteral("PDF-Datei (*.pdf)|*.pdf|Alle Dateien (*.*)|*.*")});
    if (!chosen)
        return;
    const QByteArray pdf = FormularAlsPdf(form, layout);
    try {
        if (pdf.isEmpty())
            throw Failure(failures::InvalidArgument, QStringLiteral("Der Ausdruck konnte nicht als PDF-Datei angelegt werden."));
        schreibeDatei(*chosen, pdf);
    } catch (const Failure& failure) {
        // Nothing is said to have been saved that is not on disk.
        ui::messageBox(QStringLiteral("Der Ausdruck konnte nicht gespeichert werden.") + crLf + failure.description,
                       QStringLiteral(" Fehler "), ui::Buttons::Ok, ui::Icon::Exclamation);
    }
}

} // namespace

void EingabenDrucken(frmHauptform& form)
{
    form.Info->setText(form.Info->text() + DruckStempel(QDateTime::currentDateTime()));
    form.Command1->setVisible(false);
    form.Command2->setVisible(false);
    // A printer that fails leaves no message; the buttons come back in any case.
    QPrinter printer(QPrinter::HighResolution);
    if (ui::services().defaultPrinter(printer))
        FormularDrucken(form, printer);
    else
        AlsPdfAnbieten(form, printer);
    ui::processEvents();
    form.Command1->setVisible(true);
    form.Command2->setVisible(true);
}
