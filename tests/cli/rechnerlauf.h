#pragma once
// Runs zentavik-rechner in the test process and keeps what it wrote.

#include "cli/rechner.h"
#include "tests/support/fakevkrechner.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

struct RechnerLauf {
    int status = -1;
    QString out, err;
};

inline RechnerLauf rechne(const QStringList& argumente)
{
    RechnerLauf lauf;
    QTextStream out(&lauf.out), err(&lauf.err);
    lauf.status = rechner::zentavikRechner(argumente, out, err);
    out.flush();
    err.flush();
    return lauf;
}

