#pragma once
// The report "Zentavik.txt": its lines, and the file they are written to
// (Windows-1252, every line ending in carriage return and line feed).

#include "beam/beamcalculation.h"

#include <QDate>
#include <QString>


struct ReportData {
    int range = -1;            // selected range button: 0 CW, 1 SSB, 2 band middle, -1 none
    QString bandText;
    float f = 0, VF = 0;
    bool insulated = false;
    bool vollwelle = false;    // the full-wave model gave the insulation shortening
    QString combo1;            // the insulation text, printed as the user sees it
    BeamDimensions out;
    QDate date;
    QString legalNotice;
    QString decimal = QStringLiteral(",");
    QString crLf = QStringLiteral("\r\n");
};

inline constexpr int reportLineCount = 29;

// Line n (1 to 29) without its line end; lines 13, 22 and 25 carry an extra line break.
QString reportLine(int n, const ReportData& data);

// The whole report, every line ended by lineEnd; line 9 only for insulated wire. This is
// what the report steps write one line at a time.
QString reportText(const ReportData& data, const QString& lineEnd);

// The separator line: 80 macrons.
QString separatorLine();
