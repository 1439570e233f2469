#include "vf/pruninganalysator.h"

#include "common/failure.h"
#include "common/numbertext.h"
#include "platform/accessiblenames.h"
#include "platform/dateischreiber.h"
#include "platform/settingsstore.h"
#include "platform/ui.h"
#include "vf/pruningmessung.h"
#include "vf/swranzeige.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <cmath>

namespace {
const QString Titel = QStringLiteral(" Messen ");
const QString Abschnitt = QStringLiteral("Analysator");
const QString Schluessel = QStringLiteral("Anschluss");

SettingsStore einstellungen() { return SettingsStore(QStringLiteral("Zentavik")); }

// One sentence a line, so that the box stays narrower than the screen.
void melden(QString text)
{
    text.replace(QStringLiteral(". "), QStringLiteral(".\r\n")).replace(QStringLiteral("? "), QStringLiteral("?\r\n"));
    ui::messageBox(text, Titel, ui::Buttons::Ok, ui::Icon::Exclamation);
}
} // namespace

AnschlussWahl::AnschlussWahl(QWidget* parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("AnschlussWahl"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(10);
    setToolTip(QStringLiteral("Serieller Anschluss des Antennenanalysators (z. B. /dev/ttyACM0, USB 0483:5740)"));
    lineEdit()->setObjectName(QStringLiteral("AnschlussFeld"));
    anschluesseLesen();
}

void AnschlussWahl::anschluesseLesen()
{
    const QString gewaehlt = anschluss();
    clear();
    for (const Anschluss& a : anschluesse())
        addItem(a.text, a.name);
    waehle(gewaehlt);
}

QString AnschlussWahl::anschluss() const
{
    const int i = currentIndex();
    if (i >= 0 && itemText(i) == currentText())
        return itemData(i).toString();
    return currentText().trimmed();
}

void AnschlussWahl::waehle(const QString& name)
{
    if (name.isEmpty())
        return;
    int i = findData(name);
    if (i < 0) {
        // A remembered port not plugged in now, or a path typed: it stays in the list.
        addItem(name, name);
        i = count() - 1;
    }
    setCurrentIndex(i);
}

void AnschlussWahl::showPopup()
{
    anschluesseLesen();
    QComboBox::showPopup();
}

PruningAnalysator::PruningAnalysator(PruningMessung* messung) : QWidget(messung), ziel(messung)
{
    setObjectName(QStringLiteral("PruningAnalysator"));
    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(0, 0, 0, 0);
    auto* anschlussText = new QLabel(QStringLiteral("A&nschluss:"), this);
    anschlussWahl = new AnschlussWahl(this);
    anschlussText->setBuddy(anschlussWahl);
    // Named as the caption reads, without its colon, as the window's other fields are.
    anschlussWahl->setAccessibleName(QStringLiteral("Anschluss"));
    gemerkterAnschluss = einstellungen().get(Abschnitt, Schluessel, QString());
    anschlussWahl->waehle(gemerkterAnschluss);
    auto* spanneText = new QLabel(QStringLiteral("S&panne [kHz]:"), this);
    spanneFeld = new QLineEdit(this);
    spanneFeld->setObjectName(QStringLiteral("SpanneFeld"));
    spanneFeld->setMaximumWidth(spanneFeld->fontMetrics().horizontalAdvance(QStringLiteral("000000,0")) + 8);
    spanneFeld->setToolTip(QStringLiteral("Breite des Messbereichs um die Soll-Resonanzfrequenz; vorgeschlagen wird etwa die "
                                          "dreifache 2:1-Bandbreite eines Drahtelements"));
    spanneText->setBuddy(spanneFeld);
    spanneFeld->setAccessibleName(QStringLiteral("Spanne [kHz]"));
    zeile->addWidget(anschlussText);
    zeile->addWidget(anschlussWahl, 1);
    zeile->addWidget(spanneText);
    zeile->addWidget(spanneFeld);

    messenKnopf = new QPushButton(QStringLiteral("Mess&en"), this);
    messenKnopf->setObjectName(QStringLiteral("Messen"));
    messenKnopf->setToolTip(QStringLiteral("Mit dem Antennenanalysator (NanoVNA-Familie) messen: die Resonanz wird gemessene "
                                           "Resonanzfrequenz"));
    wiederholenKnopf = new QPushButton(QStringLiteral("&Wiederholen"), this);
    wiederholenKnopf->setObjectName(QStringLiteral("Wiederholen"));
    wiederholenKnopf->setCheckable(true);
    wiederholenKnopf->setToolTip(QStringLiteral("Immer wieder messen, bis der Knopf wieder gelöst wird; die vorige Messung bleibt blass sichtbar"));
    speichernKnopf = new QPushButton(QStringLiteral("Spei&chern…"), this);
    speichernKnopf->setObjectName(QStringLiteral("SweepSpeichern"));
    speichernKnopf->setToolTip(QStringLiteral("Den gemessenen Sweep als Touchstone-Datei (.s1p) speichern"));
    speichernKnopf->setEnabled(false);
    for (QPushButton* k : {messenKnopf, wiederholenKnopf, speichernKnopf})
        k->setAutoDefault(false);

    verbindung = new AnalysatorMessung(this);
    connect(verbindung, &AnalysatorMessung::punkte, ziel->anzeige, &SwrAnzeige::zeigeTeil);
    connect(verbindung, &AnalysatorMessung::fertig, this, &PruningAnalysator::fertig);
    connect(verbindung, &AnalysatorMessung::fehlgeschlagen, this, &PruningAnalysator::fehlgeschlagen);
    connect(messenKnopf, &QPushButton::clicked, this, &PruningAnalysator::messen);
    connect(wiederholenKnopf, &QPushButton::toggled, this, [this](bool an) {
        if (an && !misst())
            messen();
    });
    connect(speichernKnopf, &QPushButton::clicked, this, &PruningAnalysator::speichernClick);
    connect(spanneFeld, &QLineEdit::textEdited, this, [this] { spanneGetippt = true; });
    connect(ziel->sollFeldText(), &QLineEdit::textChanged, this, &PruningAnalysator::sollGeaendert);
    sollGeaendert();
}

void PruningAnalysator::sollGeaendert()
{
    // The span follows the wanted frequency until the user sets one.
    if (spanneGetippt)
        return;
    const std::optional<double> soll = ziel->sollHz();
    // Whole kHz without a group separator, which the field would read as a decimal point.
    spanneFeld->setText(soll ? QString::number(erwarteteSpanne(*soll) / 1e3, 'f', 0) : QString());
}

void PruningAnalysator::messen()
{
    if (misst())
        return;
    const std::optional<double> soll = ziel->sollHz();
    SweepBereich bereich;
    try {
        if (!soll)
            throw AnalysatorFehler{QStringLiteral("Bitte zuerst die soll-Resonanzfrequenz eingeben: um sie herum wird gemessen.")};
        double spanne = 0;
        try {
            spanne = double(ZahlAusText(spanneFeld->text())) * 1e3;
        } catch (const Failure&) {
            spanne = 0;
        }
        if (!(spanne > 0) || !std::isfinite(spanne))
            throw AnalysatorFehler{QStringLiteral("Bitte eine Spanne in kHz größer als 0 eingeben.")};
        bereich = bereichUm(*soll, spanne);
    } catch (const AnalysatorFehler& f) {
        wiederholenKnopf->setChecked(false);
        melden(f.text);
        return;
    }
    const QString anschluss = anschlussWahl->anschluss();
    // Remembered once per change, not at every repeated sweep.
    if (!anschluss.isEmpty() && anschluss != gemerkterAnschluss && einstellungen().set(Abschnitt, Schluessel, anschluss))
        gemerkterAnschluss = anschluss;
    messenKnopf->setEnabled(false);
    verbindung->starte(anschluss, bereich);
}

void PruningAnalysator::fertig(const Messung& messung, const QString& name)
{
    Resonanz resonanz;
    try {
        resonanz = resonanzImBereich(messung);
    } catch (const AnalysatorFehler& f) {
        fehlgeschlagen(f.text);
        return;
    }
    // The sweep before the dip last moved stays faintly beside the new one: repeated sweeps of
    // an element not yet cut would otherwise only cover it with their own curve.
    const double schritt = (messung.punkte.back().frequenz - messung.punkte.front().frequenz) / double(messung.punkte.size() - 1);
    if (!gemesseneResonanz || std::abs(resonanz.frequenz - *gemesseneResonanz) > schritt)
        ziel->anzeige->setzeVorige(gemessen);
    gemessen = messung;
    gemesseneResonanz = resonanz.frequenz;
    geraet = name;
    speichernKnopf->setEnabled(true);
    ziel->uebernehmen(messung, resonanz, QStringLiteral("Gemessen. "));
    ende();
    if (wiederholenKnopf->isChecked())
        messen();
}

void PruningAnalysator::fehlgeschlagen(const QString& text)
{
    // Nothing filled in: the plot shows what it showed before the sweep.
    ziel->zeigeWieder();
    wiederholenKnopf->setChecked(false);
    ende();
    melden(text);
}

void PruningAnalysator::ende() { messenKnopf->setEnabled(true); }

void PruningAnalysator::speichernClick()
{
    if (!gemessen)
        return;
    const auto gewaehlt = ui::services().saveFileName(
        window(), {QStringLiteral("Sweep speichern"), QDir::currentPath(), QStringLiteral("Messung.s1p"),
                   QStringLiteral("Touchstone-Messung (*.s1p)|*.s1p|Alle Dateien (*.*)|*.*")});
    if (!gewaehlt || gewaehlt->trimmed().isEmpty())
        return;
    QString pfad = *gewaehlt;
    if (QFileInfo(pfad).suffix().isEmpty())
        pfad += QStringLiteral(".s1p");
    try {
        schreibeDatei(pfad, touchstoneText(*gemessen, geraet));
    } catch (const Failure& failure) {
        ui::messageBox(failure.description, QStringLiteral(" Fehler  ") + QString::number(failure.number), ui::Buttons::Ok,
                       ui::Icon::Exclamation);
    }
}
