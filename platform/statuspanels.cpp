#include "platform/statuspanels.h"

#include "common/datetext.h"
#include "platform/accessiblenames.h"
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
    // The clock and the date are read with what they show: "Computerzeit: 11:42".
    readWithCaption(p.time, p.time->toolTip());
    readWithCaption(p.date, p.date->toolTip());
    bar->setAccessibleName(QStringLiteral("Statusleiste"));
    bar->addWidget(p.text, 1);
    bar->addPermanentWidget(p.time);
    bar->addPermanentWidget(p.date);
    auto update = [p] {
        const QDateTime now = QDateTime::currentDateTime();
        // An unchanged text sends nothing, so a screen reader hears of the clock once a minute at most.
        for (auto [panel, text] : {std::pair{p.time, QLocale().toString(now.time(), QStringLiteral("HH:mm"))},
                                   std::pair{p.date, kurzesDatum(now.date())}})
            if (panel->text() != text)
                showResult(panel, text);
    };
    update();
    auto* clock = new QTimer(bar);
    QObject::connect(clock, &QTimer::timeout, bar, update);
    clock->start(1000);
    return p;
}
