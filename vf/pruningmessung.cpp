#include "vf/pruningmessung.h"

#include "calculators/messdatei.h"
#include "calculators/messungtext.h"
#include "common/failure.h"
#include "common/numbertext.h"
#include "platform/accessiblenames.h"
#include "platform/ui.h"
#include "vf/pruninganalysator.h"
#include "vf/swranzeige.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
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
    analysator = new PruningAnalysator(this);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(ladenKnopf);
    knoepfe->addWidget(analysator->messenKnopf);
    knoepfe->addWidget(analysator->wiederholenKnopf);
    knoepfe->addWidget(analysator->speichernKnopf);
    knoepfe->addStretch(1);
    spalte->addLayout(knoepfe);
    spalte->addWidget(analysator);
    spalte->addWidget(anzeige, 1);
    // Tab goes along the row of buttons, then to the port and the span, then to the plot.
    setTabOrder(ladenKnopf, analysator->messenKnopf);
    setTabOrder(analysator->messenKnopf, analysator->wiederholenKnopf);
    setTabOrder(analysator->wiederholenKnopf, analysator->speichernKnopf);
    setTabOrder(analysator->speichernKnopf, analysator->anschlussWahl);
    setTabOrder(analysator->anschlussWahl, analysator->spanneFeld);
    setTabOrder(analysator->spanneFeld, anzeige);
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
    anzeige->setzeVorige(std::nullopt);
    uebernehmen(messung, resonanz, QStringLiteral("Messung geladen. "));
    return true;
}

void PruningMessung::uebernehmen(const Messung& messung, const Resonanz& resonanz, const QString& ansage)
{
    gefunden = resonanz;
    gezeigt = messung;
    istFeld->setText(mhzText(resonanz.frequenz));
    anzeige->zeige(messung, resonanz);
    sollGeaendert();
    announce(window(), ansage + anzeige->accessibleDescription());
}

void PruningMessung::zeigeWieder()
{
    if (gefunden)
        anzeige->zeige(gezeigt, *gefunden);
    else
        anzeige->leeren();
}

std::optional<double> PruningMessung::sollHz() const
{
    try {
        const float mhz = ZahlAusText(sollFeld->text());
        // Only a frequency a sweep could hold is marked: never "Soll 0,000 MHz".
        if (mhz > 0 && double(mhz) * 1e6 <= MessFrequenzHoechstens)
            return double(mhz) * 1e6;
    } catch (const Failure&) {
        // Too large a number is no wanted frequency.
    }
    return std::nullopt;
}

void PruningMessung::sollGeaendert() { anzeige->setzeSoll(sollHz()); }
