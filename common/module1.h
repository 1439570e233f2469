#pragma once
// Values the forms share for the whole program run.

#include <QString>

struct Module1 {
    QString CrLf = QStringLiteral("\r\n");
    // The report's file name, without directory; empty until a report exists.
    QString TabellenDatei;
};

// The one set of shared values of the running program.
Module1& module1();
