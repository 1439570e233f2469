#pragma once
// Runs zentavik-rechner in the test process and keeps what it wrote.

#include "cli/rechner.h"
#include "vf/groundcorrection.h"

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

// The velocity-factor calculator after a computation, as the other windows read it.
struct AktiverVkRechner : VkRechnerZustand {
    QString hoehe, durchmesser;
    bool korrektur = false;
    QString tag() override { return QStringLiteral("Aktiv"); }
    bool erdbodenKorrektur() override { return korrektur; }
    QString hoeheText() override { return hoehe; }
    QString durchmesserText() override { return durchmesser; }
};
