#include "vf/pruningmessung.h"

#include "calculators/messdatei.h"
#include "calculators/messungtext.h"
#include "common/failure.h"
#include "common/numbertext.h"
#include "platform/accessiblenames.h"
#include "platform/ui.h"
#include "vf/swranzeige.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

PruningMessung::PruningMessung(QLineEdit* istFeld, QLineEdit* sollFeld, QWidget* parent)
    : QWidget(parent), istFeld(istFeld), sollFeld(sollFeld)
{
    setObjectName(QStringLiteral("PruningMessung"));
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    ladenKnopf = new QPushButton(QStringLiteral("&Messung laden…"), this);
    ladenKnopf->setObjectName(QStringLiteral("MessungLaden"));
    ladenKnopf->setToolTip(QStringLiteral("Sweep eines Antennenanalysators (Touchstone .s1p) laden: "
                                          "die Resonanz wird gemessene Resonanzfrequenz"));
    ladenKnopf->setAutoDefault(false);
    anzeige = new SwrAnzeige(this);
    spalte->addWidget(ladenKnopf, 0, Qt::AlignLeft);
    spalte->addWidget(anzeige, 1);
    connect(ladenKnopf, &QPushButton::clicked, this, &PruningMessung::ladenClick);
    connect(sollFeld, &QLineEdit::textChanged, this, &PruningMessung::sollGeaendert);
}

void PruningMessung::ladenClick()
{
    const auto pfad = ui::services().openFileName(
        window(), {QStringLiteral("Messung laden"), verzeichnis.isEmpty() ? QDir::currentPath() : verzeichnis, QString(),
                   QStringLiteral("Touchstone-Messung (*.s1p)|*.s1p;*.S1P|Alle Dateien (*.*)|*.*")});
    if (pfad)
        laden(*pfad);
}

bool PruningMessung::laden(const QString& pfad)
{
    Messung messung;
    Resonanz resonanz;
    try {
        messung = ladeMessung(pfad);
        resonanz = findeResonanz(messung);
    } catch (const MessungFehler& f) {
        const QString text = f.nenntDatei ? QStringLiteral("Die Messung lässt sich nicht laden:\r\n%1").arg(f.meldung())
                                          : QStringLiteral("Die Messung \"%1\" lässt sich nicht laden:\r\n%2").arg(pfad, f.meldung());
        ui::messageBox(text,
                       QStringLiteral(" Messung laden "), ui::Buttons::Ok, ui::Icon::Exclamation);
        return false;
    }
    verzeichnis = QFileInfo(pfad).absolutePath();
    gefunden = resonanz;
    istFeld->setText(mhzText(resonanz.frequenz));
    anzeige->zeige(messung, resonanz);
    sollGeaendert();
    announce(window(), QStringLiteral("Messung geladen. ") + anzeige->accessibleDescription());
    return true;
}

void PruningMessung::sollGeaendert()
{
    std::optional<double> soll;
    try {
        const float mhz = ZahlAusText(sollFeld->text());
        // Only a frequency a sweep could hold is marked: never "Soll 0,000 MHz".
        if (mhz > 0 && double(mhz) * 1e6 <= MessFrequenzHoechstens)
            soll = double(mhz) * 1e6;
    } catch (const Failure&) {
        // Too large a number marks nothing.
    }
    anzeige->setzeSoll(soll);
}
