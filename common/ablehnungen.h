#pragma once
// Why an input is refused, in German: one text per refusal, the same for the windows (status
// line and screen reader) and for the command line (after the option's name). Each text names
// the field or the value it is about, so that it needs neither the window nor the option
// beside it. The texts start in lower case as the command line prints them after the option;
// a window shows them as a sentence (satz()).

#include <QString>

namespace ablehnung {

// The text as a window shows it on its own: the first letter capitalised.
QString satz(const QString& grund);

// A typed key that a numeric field does not take.
QString zeichenNichtErlaubt();

// Velocity-factor calculator.
QString frequenzFehlt();
QString hoeheZuKlein();
QString rechnerBrauchtFrequenz();
// The velocity factor that the inputs give lies outside above 0 to 1 (the formatted factor).
QString vkAusserhalb(const QString& vk);
// The frequency is so high that half its wavelength leaves a wire diameter of 0,0 mm.
QString durchmesserNull();
// Numbers too large for the diameter limits they give.
QString frequenzZuKlein();
QString hoeheZuGross();
// The diameter was corrected (not refused): to the formatted value, for the reason named.
QString durchmesserMindestens(const QString& neu);
QString durchmesserHoehe(const QString& neu);
QString durchmesserWellenlaenge(const QString& neu);

// Pruning.
QString laengeFehlt();
QString istFehlt();
QString sollFehlt();
QString verhaeltnisIstSoll();

// Beam form.
QString vkUngueltig();
// Followed on the command line by why it does not fit, in the window by what was switched off.
QString vkEinsBlankerDraht();
QString isolierungAus();
QString erUeber20();
// `aussen`: how the outer diameter is named where the conductor must be thinner than it.
QString durchmesserZuGering(const QString& aussen = QStringLiteral("der Außendurchmesser"));

// Additional dipole: what each field means, and what is wrong with it.
namespace dipol {
QString resonanz();
QString unterste();
QString impedanz();
QString durchmesser();
QString erregerDurchmesser();
QString vk();
} // namespace dipol
QString zahlUeber0(const QString& bedeutung);
// `unterste`: where the lowest resonance came from, named in brackets when given.
QString resonanzUnterErreger(const QString& unterste = QString());
// The driven wire's limit; `ausHoehe`: the limit is half the height set in the calculator,
// `hoehe` names where that height came from, when given.
QString erregerDrahtZuDick(const QString& hoechstens, bool ausHoehe, const QString& hoehe = QString());
QString drahtDickerAlsLuecke(const QString& luecke);
QString keineLuecke();

// The line a failure box adds to name the field a failing value came from.
QString fehlerFeld(const QString& feld);

} // namespace ablehnung
