#pragma once
// The velocity-factor calculator as the ground correction and the other windows read it: its
// marker, its ground-correction switch and its height and diameter fields. Active unless told.

#include "vf/groundcorrection.h"

#include <QString>

struct FakeVkRechner : VkRechnerZustand {
    QString tagText = QStringLiteral("Aktiv");
    bool korrektur = false;
    QString hoehe, durchmesser;
    QString tag() override { return tagText; }
    bool erdbodenKorrektur() override { return korrektur; }
    QString hoeheText() override { return hoehe; }
    QString durchmesserText() override { return durchmesser; }
};
