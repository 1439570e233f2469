#pragma once
// One subcommand of zentavik-rechner: its options, its German help text, and the two kinds
// of trouble that end it (bad input: status 2; a failed calculation: status 3).

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

namespace rechner {

enum Status { Erfolg = 0, Eingabefehler = 2, Rechenfehler = 3 };

// Bad input: which option, and what is wrong with it, in German.
struct FalscheEingabe {
    QString option;  // "--frequenz"; empty when no single option is to blame
    QString text;
};

struct OptionDef {
    QString name;          // without dashes
    QString wert;          // name of the value in the help; empty for a switch
    QString beschreibung;
};

inline const QString Programm = QStringLiteral("zentavik-rechner");

class Befehl {
public:
    Befehl(QString name, QString zweck, QList<OptionDef> optionen);

    // Reads the arguments after the subcommand. Returns false when the help was asked for
    // (it is then written to out). Throws FalscheEingabe for unknown options, missing values
    // and stray arguments.
    bool lies(const QStringList& argumente, QTextStream& out);

    bool gesetzt(const QString& name) const { return parser.isSet(name); }
    QString wert(const QString& name) const { return parser.value(name); }
    // The value of a file option; an empty name names no file and is refused as input.
    QString dateiName(const QString& name) const;
    QString hilfe() const;

private:
    QString name, zweck;
    QList<OptionDef> optionen;
    QCommandLineParser parser;
};

// The numeric fields accept digits, comma and point only, and no more than limit characters
// (0: no limit), as typing into the form's field allows.
void pruefeZahlText(const QString& option, const QString& text, int limit);

// Notes on corrected values: one line each on standard error; the command still succeeds.
void meldeHinweise(const QStringList& hinweise, QTextStream& err);

} // namespace rechner
