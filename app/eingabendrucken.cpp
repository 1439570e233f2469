#include "app/eingabendrucken.h"

#include "beam/frmhauptform.h"
#include "common/datetext.h"
#include "common/version.h"
#include "platform/twips.h"
#include "platform/ui.h"

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

bool FormularDrucken(QWidget& form, QPrinter& printer)
{
    const QPixmap image = form.grab();
    QPainter painter;
    if (image.isNull() || !painter.begin(&printer))
        return false;
    // The form's size on the screen in inches, in printer pixels; never wider than the page.
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double perPixel = printer.resolution() / logicalDpi();
    const double scale = std::min(perPixel, double(page.width()) / image.width());
    const QRectF target(0, 0, image.width() * scale, image.height() * scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, image, QRectF(image.rect()));
    return painter.end();
}

void EingabenDrucken(frmHauptform& form)
{
    form.Info->setText(form.Info->text() + DruckStempel(QDateTime::currentDateTime()));
    form.Command1->setVisible(false);
    form.Command2->setVisible(false);
    // A printer that is missing or fails leaves no message; the buttons come back in any case.
    QPrinter printer(QPrinter::HighResolution);
    if (ui::services().defaultPrinter(printer))
        FormularDrucken(form, printer);
    ui::processEvents();
    form.Command1->setVisible(true);
    form.Command2->setVisible(true);
}
