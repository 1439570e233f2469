#include "doc/beispiellauf.h"

#include "beam/bands.h"
#include "beam/insulation.h"
#include "cli/bauplan.h"
#include "cli/beamlauf.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

const QString Komma = QStringLiteral(",");

// The entry of the insulation list whose material has this name.
QString listenEintrag(const QString& name)
{
    for (const QString& eintrag : isolierMaterialien(Komma)) {
        if (eintrag.simplified().endsWith(u' ' + name))
            return eintrag;
    }
    throw std::runtime_error(qPrintable(QStringLiteral("kein Material %1 in der Liste").arg(name)));
}

// The calculation "Rechnen" runs, with the calculator holding its result: the command line's
// run of it. A refused input or a failing step means the example no longer works: the help is
// not built from it.
rechner::BeamLauf rechneBeam(const BeispielEingaben& e, const QString& vk, const QString& material, const QDate& stand)
{
    rechner::BeamEingaben eingaben;
    eingaben.frequenz = e.frequenz;
    eingaben.vk = vk;
    eingaben.material = material;
    eingaben.aussen = e.aussen;
    eingaben.leiter = e.leiter;
    eingaben.bereich = e.bereich;
    eingaben.vkRechner = true;
    eingaben.hoehe = e.hoehe;
    eingaben.vkDurchmesser = e.leiter;
    try {
        return rechner::rechneBeam(eingaben, stand);
    } catch (const rechner::FalscheEingabe& falsch) {
        throw std::runtime_error(qPrintable(QStringLiteral("Beispielrechnung abgelehnt: %1: %2").arg(falsch.option, falsch.text)));
    } catch (const rechner::RechenfehlerDurch& fehler) {
        throw std::runtime_error(qPrintable(QStringLiteral("Beispielrechnung nicht vollständig: %1").arg(fehler.fehler.description)));
    }
}

} // namespace

BeispielEingaben beispielEingaben()
{
    BeispielEingaben e;
    e.frequenz = *bandFrequenzText(e.bereich + 1, BandKnopfMHz[e.band], Komma);
    e.hoehe = VkStartHoehe(e.frequenz, Komma);
    // Stranded wire of 1,5 mm²: its strands lie in a bundle about 1,6 mm across, under a PVC
    // jacket 0,6 mm thick.
    e.querschnitt = QStringLiteral("1,5");
    e.leiter = QStringLiteral("1,6");
    e.aussen = QStringLiteral("2,8");
    e.material = listenEintrag(QStringLiteral("PVC"));
    return e;
}

QDate hilfeStand()
{
    bool ok = false;
    const qlonglong epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    if (ok)
        return QDateTime::fromSecsSinceEpoch(epoch, QTimeZone::utc()).date();
    return QDate::currentDate();
}

BeispielLauf beispielRechnen(const QDate& stand)
{
    BeispielLauf l;
    const BeispielEingaben& e = l.eingaben = beispielEingaben();
    l.vk = VkBerechnen({e.frequenz, e.hoehe, e.leiter, false, 0}, Komma);
    if (!l.vk.abgeschlossen() || l.vk.beep)
        throw std::runtime_error(qPrintable(QStringLiteral("VF-Rechner lehnt das Beispiel ab: ") + l.vk.grund));
    l.uebergabe = VkUebergeben(l.vk.vkErgebnis, e.frequenz, Komma);

    l.beam = rechneBeam(e, l.uebergabe.vkText, e.material, stand);
    // The plan as the beam form keeps it after its calculation.
    l.plan = rechner::bauplanDaten(l.beam);

    // Insulation only ever shortens a wire, and its correction is the least certain part of
    // the calculation: cut to the bare wire's length, and the wire can only be too long.
    l.blank = rechneBeam(e, l.uebergabe.vkText, listenEintrag(QStringLiteral("Luft")), stand).werte.out;
    l.zugabeCm = zugabeProEndeCm(l.beam.werte);
    return l;
}

QString bereichOption(int bereich)
{
    static const char* const bereiche[] = {"cw", "ssb", "mitte"};
    return QString::fromLatin1(bereiche[bereich]);
}

QString materialOption(const QString& listenEintrag) { return listenEintrag.simplified().section(u' ', 1); }

QStringList beispielArgumente(const BeispielLauf& l, const QString& befehl)
{
    const BeispielEingaben& e = l.eingaben;
    if (befehl == u"vk")
        return {befehl, QStringLiteral("--frequenz"), e.frequenz, QStringLiteral("--hoehe"), e.hoehe,
                QStringLiteral("--durchmesser"), e.leiter};
    return {befehl, QStringLiteral("--frequenz"), e.frequenz, QStringLiteral("--bereich"), bereichOption(e.bereich),
            QStringLiteral("--vk"), l.uebergabe.vkText, QStringLiteral("--material"), materialOption(e.material),
            QStringLiteral("--aussen"), e.aussen, QStringLiteral("--leiter"), e.leiter, QStringLiteral("--hoehe"), e.hoehe};
}
