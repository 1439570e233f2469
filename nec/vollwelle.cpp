#include "nec/vollwelle.h"

#include "common/luftpermittivitaet.h"

#include <QMutexLocker>

#include <cmath>
#include <numbers>

namespace {

constexpr double Mu0 = 4e-7 * std::numbers::pi;
constexpr double Lichtgeschwindigkeit = 299.792458;  // m·MHz
// Reactance of a half-wave dipole per relative change of its length, near resonance: the
// first step's guess; the secant takes over from there.
constexpr double Steigung = 1250;  // ohms
// Close enough: 0,02 Ω is about 2·10⁻⁵ of the length.
constexpr double ReaktanzGenau = 0.02;
constexpr int HoechstensLaeufe = 8;  // per dipole
constexpr int BevorzugteSegmente = 41;

[[noreturn]] void nichtModellierbar(const QString& grund)
{
    throw Failure(NecFehler::Modell, QStringLiteral("Das Vollwellenmodell kann diesen Draht nicht rechnen: %1.\r\n"
                                                    "Die Formel bleibt wählbar.").arg(grund));
}

} // namespace

double ersatzRadius(double a, double b, double er) { return b * std::pow(a / b, 1 / er); }

double mantelInduktivitaet(double a, double b, double er) { return Mu0 / (2 * std::numbers::pi) * (1 - 1 / er) * std::log(b / a); }

int necSegmente(double laenge, double radius, double wellenlaenge)
{
    if (!(laenge > 0) || !(radius > 0) || !(wellenlaenge > 0))
        return 0;
    const double hoechstens = std::floor(laenge / (8 * radius));
    const double mindestens = std::ceil(laenge / (wellenlaenge / 20));
    int n = int(std::min<double>(BevorzugteSegmente, hoechstens));
    if (n % 2 == 0)
        --n;
    return n >= mindestens && n >= 3 ? n : 0;
}

void VollwellenModell::vergiss()
{
    QMutexLocker lock(&sperre);
    verhaeltnisse.clear();
    blankeLaengen.clear();
}

double VollwellenModell::reaktanz(NecDipol dipol, double laenge)
{
    dipol.laenge = laenge;
    ++anzahl;
    return rechner.impedanz(dipol).x;
}

// A secant on the reactance, kept inside the bracket once the sign has changed.
double VollwellenModell::resonanzLaenge(NecDipol dipol, double start)
{
    double l0 = start, x0 = reaktanz(dipol, l0);
    double kurz = 0, lang = 0;  // lengths known to lie below and above resonance; 0 unknown
    auto merke = [&](double l, double x) {
        if (x < 0 && l > kurz)
            kurz = l;
        if (x > 0 && (lang == 0 || l < lang))
            lang = l;
    };
    merke(l0, x0);
    if (std::fabs(x0) <= ReaktanzGenau)
        return l0;
    double l1 = l0 * (1 - std::clamp(x0 / Steigung, -0.1, 0.1));
    for (int lauf = 2; lauf <= HoechstensLaeufe; ++lauf) {
        const double x1 = reaktanz(dipol, l1);
        merke(l1, x1);
        if (std::fabs(x1) <= ReaktanzGenau || std::fabs(l1 - l0) <= 1e-7 * l1)
            return l1;
        double neu = l1 - x1 * (l1 - l0) / (x1 - x0);
        if (!std::isfinite(neu) || (x1 - x0) * (l1 - l0) <= 0)
            neu = l1 * (1 - std::clamp(x1 / Steigung, -0.1, 0.1));
        if (kurz > 0 && lang > 0 && !(neu > kurz && neu < lang))
            neu = (kurz + lang) / 2;
        l0 = l1;
        x0 = x1;
        l1 = neu;
    }
    nichtModellierbar(QStringLiteral("nach %1 Läufen des Rechenprogramms keine Resonanz gefunden").arg(HoechstensLaeufe));
}

double VollwellenModell::verhaeltnis(float mhz, float aussenMM, float leiterMM, float er)
{
    const double mantel = (double(aussenMM) - leiterMM) / 2;
    if (mantel < 0.001 || er <= LuftEr)
        return 1;
    const auto schluessel = std::make_tuple(mhz, aussenMM, leiterMM, er);
    QMutexLocker lock(&sperre);
    if (const auto it = verhaeltnisse.find(schluessel); it != verhaeltnisse.end())
        return it->second;

    const double a = double(leiterMM) / 2000, b = double(aussenMM) / 2000;
    const double wellenlaenge = Lichtgeschwindigkeit / mhz;
    const double ae = ersatzRadius(a, b, er);
    const double lPrime = mantelInduktivitaet(a, b, er);
    // The same segments for both dipoles, so that their segmentation errors cancel.
    const int segmente = necSegmente(0.5 * wellenlaenge, ae, wellenlaenge);
    if (segmente == 0 || !(a > 0) || !std::isfinite(wellenlaenge))
        nichtModellierbar(QStringLiteral("bei %1 MHz ist der Draht zu dick für die Segmente des Dünndrahtmodells")
                              .arg(QString::number(mhz, 'g', 7).replace(u'.', u',')));

    NecDipol blank{mhz, 0, a, segmente, 0};
    const auto blankSchluessel = std::make_tuple(mhz, leiterMM, segmente);
    double laengeBlank;
    if (const auto it = blankeLaengen.find(blankSchluessel); it != blankeLaengen.end()) {
        laengeBlank = it->second;
    } else {
        laengeBlank = resonanzLaenge(blank, 0.48 * wellenlaenge);
        blankeLaengen[blankSchluessel] = laengeBlank;
    }
    // The jacket leaves the inductance as it was and adds capacitance: the wave slows by
    // about the root of the ratio of the logarithms.
    const double d = std::log(ae / a);
    const double schaetzung = std::sqrt(std::max(0.5, 1 - d / std::log(laengeBlank / (2 * a))));
    const NecDipol isoliert{mhz, 0, ae, segmente, lPrime};
    const double r = resonanzLaenge(isoliert, laengeBlank * schaetzung) / laengeBlank;
    verhaeltnisse[schluessel] = r;
    return r;
}

VollwellenModell& vollwellenModell()
{
    static NecProzess prozess;
    static VollwellenModell modell(prozess);
    return modell;
}
