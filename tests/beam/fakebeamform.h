#pragma once
// The beam form as the calculation sees it, without widgets.

#include "beam/beamcalculation.h"

#include <QStringList>

struct FakeBeamForm : BeamFormPort {
    QString t1 = QStringLiteral("14,2"), t4 = QStringLiteral("0,95"), c1 = QStringLiteral("1,00059 Luft");
    QString t6 = QStringLiteral("6"), t7 = QStringLiteral("3,57");
    int range = 1;
    QString label3 = QStringLiteral("old"), label5 = QStringLiteral("old"), infoText = QStringLiteral("Hinweis: ");
    QString status;
    int band = 10;
    QStringList focus;
    bool command2 = false;
    IsolierModell modell = IsolierModell::Formel;

    QString text1() override { return t1; }
    QString text4() override { return t4; }
    QString combo1() override { return c1; }
    QString text6() override { return t6; }
    QString text7() override { return t7; }
    int selectedRange() override { return range; }
    void setText1(const QString& t) override { t1 = t; }
    void setText4(const QString& t) override { t4 = t; }
    void setLabel3(const QString& t) override { label3 = t; }
    void setLabel5(const QString& t) override { label5 = t; }
    void setInfo(const QString& t) override { infoText = t; }
    void selectBand(int b) override
    {
        if (b != band)
            label3 = label5 = QString();
        band = b;
    }
    void focusCombo1() override { focus << QStringLiteral("Combo1"); }
    void focusText7() override { focus << QStringLiteral("Text7"); }
    void enableCommand2() override { command2 = true; }
    IsolierModell isolierModell() override { return modell; }
    void setStatus(const QString& t) override { status = t; }
};
