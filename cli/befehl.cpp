#include "cli/befehl.h"

#include "common/numbertext.h"

#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>

namespace rechner {

Befehl::Befehl(QString name, QString zweck, QList<OptionDef> optionen)
    : name(std::move(name)), zweck(std::move(zweck)), optionen(std::move(optionen))
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionDef& o : this->optionen) {
        QCommandLineOption option(o.name, o.beschreibung);
        if (!o.wert.isEmpty())
            option.setValueName(o.wert);
        parser.addOption(option);
    }
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QString()));
}

QString Befehl::hilfe() const
{
    const QString aufruf = argument.isEmpty() ? name : name + u' ' + argument;
    QString text = QStringLiteral("Aufruf: %1 %2 [OPTIONEN]\n%3\n\nOptionen:\n").arg(Programm, aufruf, zweck);
    auto zeile = [&text](const QString& links, const QString& rechts) {
        const QString spalte = QStringLiteral("  ") + links;
        if (spalte.size() < 30)
            text += spalte.leftJustified(30) + rechts + u'\n';
        else
            text += spalte + u'\n' + QString(30, u' ') + rechts + u'\n';
    };
    for (const OptionDef& o : optionen)
        zeile(QStringLiteral("--") + o.name + (o.wert.isEmpty() ? QString() : u' ' + o.wert), o.beschreibung);
    zeile(QStringLiteral("-h, --help"), QStringLiteral("diese Hilfe anzeigen und beenden"));
    return text;
}

QString Befehl::dateiName(const QString& name) const
{
    const QString pfad = wert(name);
    if (pfad.trimmed().isEmpty())
        throw FalscheEingabe{QStringLiteral("--") + name, QStringLiteral("kein Dateiname angegeben")};
    return pfad;
}

bool Befehl::lies(const QStringList& argumente, QTextStream& out)
{
    if (!parser.parse(QStringList{Programm} + argumente)) {
        const QStringList unbekannt = parser.unknownOptionNames();
        if (!unbekannt.isEmpty()) {
            const QString o = unbekannt.first();
            throw FalscheEingabe{(o.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + o,
                                 QStringLiteral("unbekannte Option (Hilfe: %1 %2 --help)").arg(Programm, name)};
        }
        // The parser names the option in quotes: a switch given a value, or an option lacking one.
        static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
        const auto match = quoted.match(parser.errorText());
        const QString option = match.hasMatch() ? match.captured(1) : QString();
        const bool schalter = std::any_of(optionen.cbegin(), optionen.cend(), [&option](const OptionDef& o) {
            return o.wert.isEmpty() && QStringLiteral("--") + o.name == option;
        });
        throw FalscheEingabe{option, schalter || option == QStringLiteral("--help") ? QStringLiteral("nimmt keinen Wert") : QStringLiteral("Wert fehlt")};
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << hilfe();
        return false;
    }
    if (!parser.positionalArguments().isEmpty())
        throw FalscheEingabe{QString(), QStringLiteral("überzähliges Argument \"%1\"").arg(parser.positionalArguments().first())};
    return true;
}

void pruefeZahlText(const QString& option, const QString& text, int limit)
{
    for (const QChar c : text) {
        if (!ZifferZeichen.contains(c))
            throw FalscheEingabe{option, QStringLiteral("\"%1\" ist keine Zahl (erlaubt sind Ziffern, Komma und Punkt)").arg(text)};
    }
    if (limit > 0 && text.size() > limit)
        throw FalscheEingabe{option, QStringLiteral("\"%1\" ist zu lang (höchstens %2 Zeichen)").arg(text).arg(limit)};
}

void pruefeFeldZahl(const QString& option, const QString& text)
{
    if (text.isEmpty())
        return;
    if (!BeginntMitZahl(text))
        throw FalscheEingabe{option, QStringLiteral("\"%1\" ist keine Zahl").arg(text)};
    try {
        ZahlAusText(text);
    } catch (const Failure&) {
        throw FalscheEingabe{option, QStringLiteral("\"%1\" ist zu groß").arg(text)};
    }
}

QString optionsName(const QString& option, bool gesetzt, const QString& vorgabe)
{
    return gesetzt ? option : QStringLiteral("%1 (Vorgabe %2)").arg(option, vorgabe);
}

QString sichtbar(const QString& text)
{
    QString s;
    s.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // C0, DEL and C1: what a terminal may take for the start of a control sequence.
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
            s += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            s += c;
    }
    return s;
}

void meldeHinweise(const QStringList& hinweise, QTextStream& err)
{
    for (const QString& h : hinweise)
        err << Programm << QStringLiteral(": Hinweis: ") << sichtbar(h) << u'\n';
}

} // namespace rechner
