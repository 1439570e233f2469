#pragma once
// Values the forms share for the whole program run.

#include <QString>

struct Module1 {
    QString CrLf = QStringLiteral("\r\n");
    // The report's file name, without directory; empty until a report exists.
    QString TabellenDatei;
    // Insulation shortening (a fraction) of the last beam calculation; 0 for bare wire.
    double ZusatzVerkuerzung = 0;
};

// The one set of shared values of the running program.
Module1& module1();
