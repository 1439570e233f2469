#pragma once
// One subcommand of zentavik-rechner: its options, its German help text, and the two kinds
// of trouble that end it (bad input: status 2; a failed calculation: status 3).

#include "common/failure.h"

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

// A failed calculation that follows from one option's value: the failure, and the option.
struct RechenfehlerDurch {
    QString option;
    Failure fehler;
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
    // A command that takes an argument besides its options names it in its help's first line.
    void setzeArgument(const QString& argumentName) { argument = argumentName; }

private:
    QString name, zweck, argument;
    QList<OptionDef> optionen;
    QCommandLineParser parser;
};

// The numeric fields accept digits, comma and point only, and no more than limit characters
// (0: no limit), as typing into the form's field allows.
void pruefeZahlText(const QString& option, const QString& text, int limit);

// A field that takes any text, as its window's field does, and that its window refuses: says
// what is wrong when the text holds no number at all or one beyond single precision, as the
// program reads numbers (decimal comma or point). Returns when it is a number (or empty: a
// missing value is the field's own refusal). Throws FalscheEingabe.
void pruefeFeldZahl(const QString& option, const QString& text);

// An option as a message names it: as typed, or with the value it defaulted to, so that no
// message sends the user to an option never typed as if it had been.
QString optionsName(const QString& option, bool gesetzt, const QString& vorgabe);

// The text with its control characters made visible as \xNN, so that a value echoed back in a
// message never reaches a terminal as an escape sequence.
QString sichtbar(const QString& text);

// Notes on corrected values: one line each on standard error; the command still succeeds.
void meldeHinweise(const QStringList& hinweise, QTextStream& err);

} // namespace rechner
