#include "platform/statuspanels.h"

#include "common/datetext.h"
#include "platform/twips.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace {
QLabel* panel(const QString& text, const QString& tip, double minimumTwips)
{
    auto* label = new QLabel(text);
    label->setToolTip(tip);
    label->setMinimumWidth(tw(minimumTwips));
    return label;
}
} // namespace

StatusPanels addStatusPanels(QStatusBar* bar)
{
    StatusPanels p{panel(QStringLiteral("Status:"), QStringLiteral("Statusanzeige"), 3175),
                   panel(QString(), QStringLiteral("Computerzeit"), 1852),
                   panel(QString(), QStringLiteral("Datum"), 1852)};
    p.time->setAlignment(Qt::AlignCenter);
    p.date->setAlignment(Qt::AlignCenter);
    bar->addWidget(p.text, 1);
    bar->addPermanentWidget(p.time);
    bar->addPermanentWidget(p.date);
    auto update = [p] {
        const QDateTime now = QDateTime::currentDateTime();
        p.time->setText(QLocale().toString(now.time(), QStringLiteral("HH:mm")));
        p.date->setText(kurzesDatum(now.date()));
    };
    update();
    auto* clock = new QTimer(bar);
    QObject::connect(clock, &QTimer::timeout, bar, update);
    clock->start(1000);
    return p;
}
