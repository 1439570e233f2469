// The beam form and "zentavik-rechner beam" on the same inputs: the same report bytes, the
// same texts in the fields, the same build plan, the same end when an input is refused.

#include "beam/frmhauptform.h"
#include "beam/insulation.h"
#include "common/module1.h"
#include "plan/bauplandatei.h"
#include "tests/cli/rechnerlauf.h"
#include "tests/support/fakeframe.h"
#include "tests/support/fakeui.h"
#include "tests/support/germanlocale.h"
#include "vf/groundcorrection.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {


struct Eingabe {
    QString frequenz, vk, material, aussen, leiter;
    int bereich = 1;
    bool erBestaetigt = false;
    bool vollwelle = false;  // the full-wave insulation model instead of the formula
    std::optional<FakeVkRechner> vkRechner;
};

// A number text of at most `limit` characters with a comma or a point.
QString zahl(QRandomGenerator& r, double von, double bis, int limit)
{
    const double wert = von + r.generateDouble() * (bis - von);
    QString text = QString::number(wert, 'f', r.bounded(0, 4));
    if (r.bounded(2))
        text.replace(u'.', u',');
    return text.left(limit);
}

Eingabe zufall(QRandomGenerator& r, const QStringList& materialien)
{
    Eingabe e;
    // Mostly inside the bands, some outside, now and then empty.
    e.frequenz = r.bounded(20) == 0 ? QString() : zahl(r, 1.0, 55.0, 7);
    // A factor the field accepts when it is left (a factor of 1 would switch the insulation off).
    e.vk = QStringLiteral("0") + QChar(r.bounded(2) ? u',' : u'.') + QString::number(r.bounded(500, 1000));
    switch (r.bounded(3)) {
    case 0: e.material = materialien[r.bounded(1, int(materialien.size()))]; break;
    case 1: e.material = zahl(r, 0.5, 25.0, 8); break;
    default: e.material = QStringLiteral("1,00059 Luft"); break;
    }
    e.leiter = zahl(r, 0.0, 4.0, 5);
    e.aussen = zahl(r, 0.5, 6.0, 5);
    e.bereich = r.bounded(3);
    e.erBestaetigt = r.bounded(2);
    if (r.bounded(4) == 0) {
        e.vkRechner.emplace();
        e.vkRechner->hoehe = zahl(r, 0.5, 30.0, 5);
        e.vkRechner->durchmesser = zahl(r, 0.5, 4.0, 5);
        e.vkRechner->korrektur = r.bounded(2);
        // The calculator computed with the beam form's frequency; it refuses an empty one.
        if (e.frequenz.isEmpty())
            e.frequenz = QStringLiteral("14,2");
    }
    return e;
}

QStringList argumente(const Eingabe& e, const QString& datei)
{
    static const QStringList bereiche{QStringLiteral("cw"), QStringLiteral("ssb"), QStringLiteral("mitte")};
    QStringList a{QStringLiteral("beam"), QStringLiteral("--frequenz=") + e.frequenz, QStringLiteral("--vk"), e.vk,
                  QStringLiteral("--material"), e.material, QStringLiteral("--aussen"), e.aussen, QStringLiteral("--leiter"),
                  e.leiter, QStringLiteral("--bereich"), bereiche[e.bereich], QStringLiteral("--datei"), datei, QStringLiteral("--json")};
    if (e.erBestaetigt)
        a << QStringLiteral("--er-bestaetigt");
    if (e.vollwelle)
        a << QStringLiteral("--isolierung") << QStringLiteral("vollwelle");
    if (e.vkRechner) {
        a << QStringLiteral("--hoehe") << e.vkRechner->hoehe << QStringLiteral("--vk-durchmesser") << e.vkRechner->durchmesser;
        if (e.vkRechner->korrektur)
            a << QStringLiteral("--erdbodenkorrektur");
    }
    return a;
}

// A plan without the date it was made on.
QByteArray ohneDatum(const QByteArray& plan)
{
    static const QRegularExpression datum(QStringLiteral("Berechnet am [0-9.]+ "));
    return QString::fromUtf8(plan).replace(datum, QStringLiteral("Berechnet am ")).toUtf8();
}

QByteArray lies(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

} // namespace

class TestFormVergleich : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        useGermanLocale();
        QVERIFY(dir.isValid());
        QDir::setCurrent(dir.path());
    }

    void formAndCommandLineAgree_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<bool>("vollwelle");
        QTest::addColumn<int>("laeufe");
        QTest::newRow("seed 1") << 1u << false << 120;
        QTest::newRow("seed 2") << 2u << false << 120;
        QTest::newRow("seed 11") << 11u << false << 120;
        // Each run asks the NEC-2 engine twice over (window and command line): fewer runs.
        QTest::newRow("seed 5, Vollwelle") << 5u << true << 40;
    }
    void formAndCommandLineAgree()
    {
        QFETCH(quint32, seed);
        QFETCH(bool, vollwelle);
        QFETCH(int, laeufe);
        QRandomGenerator r(seed);
        FakeFrame frame(QString(), true);  // the form goes for good with the test
        FakeUi fake;
        frmHauptform form(frame);
        FakeVkRechner formVk;
        bool mitVk = false;
        form.vkRechner = [&]() -> VkRechnerZustand* { return mitVk ? &formVk : nullptr; };
        const QStringList materialien = isolierMaterialien(QStringLiteral(","));
        const QString cliDatei = dir.filePath(QStringLiteral("cli.txt"));
        const QString planDatei = dir.filePath(QStringLiteral("plan.svg"));
        int berichte = 0, abgewiesen = 0, fehler = 0;

        form.Combo2->setCurrentIndex(vollwelle ? 1 : 0);
        for (int i = 0; i < laeufe; ++i) {
            Eingabe e = zufall(r, materialien);
            e.vollwelle = vollwelle;
            const QString fall = QStringLiteral("Lauf %1: ").arg(i) + argumente(e, cliDatei).join(u' ');

            // The form, filled as a user would: conductor before outer diameter.
            QFile::remove(QStringLiteral("Zentavik.txt"));
            form.Text1->setText(e.frequenz);
            form.Text4->setText(e.vk);
            form.Combo1->setEditText(e.material);
            form.Text7->setText(e.leiter);
            form.Text6->setText(e.aussen);
            form.option1(e.bereich)->setChecked(true);
            mitVk = e.vkRechner.has_value();
            if (mitVk)
                formVk = *e.vkRechner;
            fake.answers.clear();
            fake.answers.push_back(e.erBestaetigt ? ui::Answer::Yes : ui::Answer::No);
            const int meldungen = int(fake.messages.size());
            form.Command1_Click();
            const QByteArray formBericht = lies(QStringLiteral("Zentavik.txt"));
            const bool formFehler = std::any_of(fake.messages.begin() + meldungen, fake.messages.end(),
                                                [](const ShownMessage& m) { return m.title == QStringLiteral(" Fehler "); });

            QFile::remove(cliDatei);
            const RechnerLauf cli = rechne(argumente(e, cliDatei));
            if (cli.status == 0) {
                ++berichte;
                QVERIFY2(!formBericht.isEmpty(), qPrintable(fall));
                QVERIFY2(lies(cliDatei) == formBericht, qPrintable(fall));
                const QJsonObject o = QJsonDocument::fromJson(cli.out.toUtf8()).object();
                QCOMPARE(o[u"texte"][u"frequenz"].toString(), form.Text1->text());
                QCOMPARE(o[u"texte"][u"vk"].toString(), form.Text4->text());
                QCOMPARE(o[u"texte"][u"eigenresonanz_dipol"].toString(), form.Label3->text());
                QCOMPARE(o[u"texte"][u"eigenresonanz_reflektor"].toString(), form.Label5->text());
                QCOMPARE(o[u"band"][u"knopf"].toInt(), form.Option2->checkedId());
                // The window's build plan is the command line's, but for the day it was made.
                QStringList plan = argumente(e, planDatei);
                plan[0] = QStringLiteral("bauplan");
                plan.removeAll(QStringLiteral("--json"));
                // A plan no one could build from is refused by both, for the same reason.
                QVERIFY2(form.bauplan(), qPrintable(fall));
                const RechnerLauf planLauf = rechne(plan << QStringLiteral("--svg") << QStringLiteral("--leise"));
                const auto nein = bauplanAblehnung(*form.bauplan());
                QCOMPARE(planLauf.status, nein ? 2 : 0);
                if (nein) {
                    QVERIFY2(planLauf.err.contains(nein->grund), qPrintable(fall + "\n" + planLauf.err));
                    continue;
                }
                QVERIFY2(ohneDatum(lies(planDatei)) == ohneDatum(bauplanSvg(*form.bauplan())), qPrintable(fall));
            } else if (cli.status == 2) {
                // Refused where the form stops at a question or a note: no report there either,
                // and no plan.
                ++abgewiesen;
                QVERIFY2(!form.bauplan(), qPrintable(fall));
                QVERIFY2(formBericht.isEmpty(), qPrintable(fall + "\n" + cli.err));
                QVERIFY2(!formFehler, qPrintable(fall));
                QVERIFY2(!QFile::exists(cliDatei), qPrintable(fall));
            } else {
                ++fehler;
                QCOMPARE(cli.status, 3);
                QVERIFY2(formFehler, qPrintable(fall + "\n" + cli.err));
                QVERIFY2(!QFile::exists(cliDatei), qPrintable(fall));
            }
        }
        qInfo("%d Berichte, %d abgewiesen, %d Rechenfehler", berichte, abgewiesen, fehler);
        // The inputs reach every end, mostly a report.
        QVERIFY2(berichte > laeufe / 2 && abgewiesen > laeufe / 24, qPrintable(QStringLiteral("%1 %2 %3").arg(berichte).arg(abgewiesen).arg(fehler)));
    }

    // PVC-jacketed wire with the full-wave model: the same lengths in the window and on the
    // command line, the model named in the report, the JSON and the plan.
    void vollwelleWieImFenster()
    {
        FakeFrame frame(QString(), true);
        FakeUi fake;
        frmHauptform form(frame);
        form.Text1->setText(QStringLiteral("14,2"));
        form.Combo1->setEditText(QStringLiteral("4,0   PVC"));
        emit form.Combo1->activated(-1);
        form.Text7->setText(QStringLiteral("1,6"));
        form.Text6->setText(QStringLiteral("2,8"));
        form.Combo2->setCurrentIndex(1);
        form.Command1_Click();
        QVERIFY(fake.messages.isEmpty());
        QVERIFY(!fake.busy);
        QVERIFY(form.bauplan());
        const RechnerLauf cli = rechne({QStringLiteral("beam"), QStringLiteral("--isolierung"), QStringLiteral("vollwelle"),
                                        QStringLiteral("--frequenz"), QStringLiteral("14,2"), QStringLiteral("--material"),
                                        QStringLiteral("PVC"), QStringLiteral("--aussen"), QStringLiteral("2,8"),
                                        QStringLiteral("--leiter"), QStringLiteral("1,6"), QStringLiteral("--json")});
        QCOMPARE(cli.status, 0);
        const QJsonObject o = QJsonDocument::fromJson(cli.out.toUtf8()).object();
        QCOMPARE(o[u"Isoliermodell"].toString(), QStringLiteral("vollwelle"));
        QCOMPARE(o[u"eingaben"][u"isolierung"].toString(), QStringLiteral("vollwelle"));
        QCOMPARE(float(o[u"werte"][u"LgD"].toDouble()), form.bauplan()->werte.out.LgD);
        QCOMPARE(float(o[u"werte"][u"LgR"].toDouble()), form.bauplan()->werte.out.LgR);
        // Not the formula's lengths.
        const RechnerLauf formel = rechne({QStringLiteral("beam"), QStringLiteral("--frequenz"), QStringLiteral("14,2"),
                                           QStringLiteral("--material"), QStringLiteral("PVC"), QStringLiteral("--aussen"),
                                           QStringLiteral("2,8"), QStringLiteral("--leiter"), QStringLiteral("1,6"), QStringLiteral("--json")});
        const QJsonObject f = QJsonDocument::fromJson(formel.out.toUtf8()).object();
        QCOMPARE(f[u"Isoliermodell"].toString(), QStringLiteral("formel"));
        QVERIFY(f[u"werte"][u"LgD"].toDouble() != o[u"werte"][u"LgD"].toDouble());
        const QByteArray bericht = lies(QStringLiteral("Zentavik.txt"));
        QVERIFY(bericht.contains("(Isolierung nach dem Vollwellenmodell NEC-2 berechnet)\r\n"));
        QVERIFY(QString::fromUtf8(bauplanSvg(*form.bauplan())).contains(QStringLiteral(" % (Vollwelle, NEC-2)")));
    }
};

QTEST_MAIN(TestFormVergleich)
#include "test_formvergleich.moc"
