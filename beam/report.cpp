#include "beam/report.h"

#include "common/cp1252.h"
#include "common/datetext.h"
#include "common/failure.h"
#include "common/numberformat.h"

QString separatorLine() { return QString(80, QChar(0x00AF)); }

QString reportLine(int n, const ReportData& d)
{
    auto F = [&d](float value) { return formatSingle(value, u"###0.0##", d.decimal); };
    switch (n) {
    case 1: return {};
    case 2: return QStringLiteral("                        Zentavik nach Norbek ");
    case 3: return separatorLine();
    case 4: {
        static const QString ranges[] = {QStringLiteral("CW-Band: "), QStringLiteral("für SSB-Band: "),
                                         QStringLiteral("für Bandmitte: ")};
        const QString range = d.range >= 0 && d.range < 3 ? ranges[d.range] : QString();
        return QStringLiteral("Antenne berechnet ") + range + d.bandText + QStringLiteral(" MHz");
    }
    case 5: return QStringLiteral("Resonanzfrequenz = ") + F(d.f) + QStringLiteral(" MHz / ");
    // Half a centimetre is added before the boom length is cut to two decimals.
    case 6: return QStringLiteral("Gesamte Boomlänge: ") + formatDouble(double(d.out.gesLgBoom) + 0.005, u"###0.0#", d.decimal) + QStringLiteral(" m");
    case 7: return QStringLiteral("Größte Antennenbreite: ~ ") + formatDouble(double(d.out.Bh) + 0.1, u"##0.0#", d.decimal) + QStringLiteral(" m");
    case 8: return QStringLiteral("Verkürzungsfaktor des Drahtes: ") + formatSingle(d.VF, u"0.0###", d.decimal);
    case 9: {
        const QString zeile = QStringLiteral("(Zusatzverkürzung durch Drahtisolierung: ") + d.combo1 + QStringLiteral(")");
        // Only the full-wave model is named; the formula's report stays as it always was.
        if (d.vollwelle)
            return zeile + d.crLf + QStringLiteral("(Isolierung nach dem Vollwellenmodell NEC-2 berechnet)");
        return zeile;
    }
    case 10: return separatorLine();
    case 11: return QStringLiteral("Drahtlängen:");
    case 12: return QStringLiteral(" LgD=") + F(d.out.LgD) + QStringLiteral(" m ");
    case 13: return QStringLiteral(" LgR=") + F(d.out.LgR) + QStringLiteral(" m ") + d.crLf;
    case 14: return QStringLiteral("Längen und Abstände:");
    case 15: return QStringLiteral(" A=") + F(d.out.A) + QStringLiteral(" m ");
    case 16: return QStringLiteral(" Bv=") + F(d.out.Bv) + QStringLiteral(" m ");
    case 17: return QStringLiteral(" Bh=") + F(d.out.Bh) + QStringLiteral(" m ");
    case 18: return QStringLiteral(" LgBoom=") + F(d.out.LgBoom) + QStringLiteral(" m ");
    case 19: return QStringLiteral(" C=") + F(d.out.C) + QStringLiteral(" m ");
    case 20: return QStringLiteral(" gesLgBoom=") + F(d.out.gesLgBoom) + QStringLiteral(" m ");
    case 21: return QStringLiteral(" D=") + F(d.out.D) + QStringLiteral(" m ");
    case 22: return QStringLiteral(" P=") + F(d.out.P) + QStringLiteral(" m (minus x)") + d.crLf;
    case 23: return QStringLiteral("Eigenresonanzen:");
    case 24: return QStringLiteral(" frD=") + F(d.out.frD) + QStringLiteral(" MHz ");
    case 25: return QStringLiteral(" frR=") + F(d.out.frR) + QStringLiteral(" MHz ") + d.crLf;
    case 26: return QStringLiteral("Anpassleitung 2x RG59// : ");
    case 27: return QStringLiteral(" Vlg=") + F(d.out.Vlg) + QStringLiteral(" m ");
    case 28: return {};
    case 29: return QStringLiteral(" Berechnung am ") + kurzesDatum(d.date) + u' ' + d.legalNotice;
    }
    return {};
}

QString reportText(const ReportData& data, const QString& lineEnd)
{
    QString text;
    for (int n = 1; n <= reportLineCount; ++n) {
        if (n == 9 && !data.insulated)
            continue;
        text += reportLine(n, data) + lineEnd;
    }
    return text;
}
