#include "common/ablehnungen.h"

namespace ablehnung {

QString satz(const QString& grund)
{
    if (grund.isEmpty())
        return grund;
    return grund.left(1).toUpper() + grund.mid(1);
}

QString zeichenNichtErlaubt() { return QStringLiteral("nur Ziffern, Komma und Punkt sind erlaubt"); }

QString frequenzFehlt() { return QStringLiteral("die Frequenz fehlt (0, negativ oder keine Zahl)"); }
QString hoeheZuKlein() { return QStringLiteral("die Antennenhöhe muss mindestens 0,01 m betragen"); }
QString rechnerBrauchtFrequenz() { return QStringLiteral("der VF-Rechner braucht eine Frequenz über 0"); }
QString vkAusserhalb(const QString& vk)
{
    return QStringLiteral("die Frequenz ergibt einen Verkürzungsfaktor von %1 (sinnvoll: über 0 bis 1)").arg(vk);
}
QString durchmesserNull()
{
    return QStringLiteral("die Frequenz ist zu hoch: der Drahtdurchmesser wäre 0,0 mm");
}
QString frequenzZuKlein() { return QStringLiteral("die Frequenz ist zu klein: ihre Wellenlänge ist nicht darstellbar"); }
QString hoeheZuGross() { return QStringLiteral("die Antennenhöhe ist zu groß: die doppelte Höhe ist nicht darstellbar"); }
QString durchmesserMindestens(const QString& neu)
{
    return QStringLiteral("Drahtdurchmesser unter 0,1 mm: auf %1 mm korrigiert").arg(neu);
}
QString durchmesserHoehe(const QString& neu)
{
    return QStringLiteral("Drahtdurchmesser über der doppelten Antennenhöhe: auf %1 mm korrigiert").arg(neu);
}
QString durchmesserWellenlaenge(const QString& neu)
{
    return QStringLiteral("Drahtdurchmesser über der halben Wellenlänge: auf %1 mm korrigiert").arg(neu);
}

QString laengeFehlt() { return QStringLiteral("die jetzige Antennenlänge fehlt (0 oder keine Zahl)"); }
QString istFehlt() { return QStringLiteral("die gemessene Resonanzfrequenz fehlt (0 oder keine Zahl)"); }
QString sollFehlt() { return QStringLiteral("die gewünschte Resonanzfrequenz fehlt (0 oder keine Zahl)"); }
QString verhaeltnisIstSoll()
{
    return QStringLiteral("zu weit von der gemessenen Resonanz: Ist/Soll muss zwischen 0,66 und 1,3 liegen");
}

QString vkUngueltig() { return QStringLiteral("Bitte einen Verkürzungsfaktor von 0 - 1,0 !(typisch 0,946) eintragen"); }
QString vkEinsBlankerDraht() { return QStringLiteral("ein Verkürzungsfaktor von 1 gilt für blanken Draht"); }
QString isolierungAus() { return QStringLiteral("Drahtisolierung ausgeschaltet"); }
QString erUeber20() { return QStringLiteral("relative Dielektrizitätszahl über 20 - ist die Eingabe korrekt?"); }
QString durchmesserZuGering(const QString& aussen)
{
    return QStringLiteral("Durchmesser zu gering! (Leiter mindestens 0,01 mm, dünner als %1)").arg(aussen);
}

namespace dipol {
QString resonanz() { return QStringLiteral("die gewünschte Resonanzfrequenz des Zusatzdipols"); }
QString unterste() { return QStringLiteral("die unterste Resonanzfrequenz des Erreger-Dipols"); }
QString impedanz() { return QStringLiteral("die gewünschte Impedanz im Speisepunkt"); }
QString durchmesser() { return QStringLiteral("der Drahtdurchmesser des Zusatzdipols"); }
QString erregerDurchmesser() { return QStringLiteral("der Drahtdurchmesser des Erreger-Dipols"); }
QString vk() { return QStringLiteral("der Verkürzungsfaktor"); }
} // namespace dipol

QString zahlUeber0(const QString& bedeutung) { return QStringLiteral("%1 muss eine Zahl über 0 sein").arg(bedeutung); }
QString resonanzUnterErreger(const QString& unterste)
{
    const QString woher = unterste.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(unterste);
    return QStringLiteral("die gewünschte Resonanzfrequenz muss über der untersten des Erreger-Dipols%1 liegen").arg(woher);
}
QString erregerDrahtZuDick(const QString& hoechstens, bool ausHoehe, const QString& hoehe)
{
    if (ausHoehe)
        return QStringLiteral("der Draht darf höchstens %1 mm dick sein (halb so dick wie die Antennenhöhe%2)")
            .arg(hoechstens, hoehe.isEmpty() ? QString() : QStringLiteral(", ") + hoehe);
    return QStringLiteral("der Draht darf höchstens %1 mm dick sein").arg(hoechstens);
}
QString drahtDickerAlsLuecke(const QString& luecke)
{
    return QStringLiteral("der Draht muss dünner sein als die Lücke zwischen den Drähten, hier %1 mm").arg(luecke);
}
QString keineLuecke() { return QStringLiteral("zwischen den Drähten bleibt keine Lücke (Impedanz zu klein oder Drähte zu dick)"); }

QString fehlerFeld(const QString& feld) { return QStringLiteral("Eingabe: %1").arg(feld); }

} // namespace ablehnung
