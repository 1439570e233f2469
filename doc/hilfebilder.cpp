#include "doc/hilfebilder.h"

#include "app/mdiform1.h"
#include "beam/frmhauptform.h"
#include "plan/bauplanzeichnung.h"
#include "plan/blatt.h"
#include "vf/frmvk.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

// Twice the screen's pixels, so that the windows print as sharply as the text around them.
constexpr qreal Schaerfe = 2;

QImage fensterBild(QWidget* form)
{
    QWidget* fenster = qobject_cast<QMdiSubWindow*>(form->parentWidget()) ? form->parentWidget() : form;
    // No blinking text cursor in a picture.
    if (QWidget* fokus = QApplication::focusWidget())
        fokus->clearFocus();
    QApplication::processEvents();
    QPixmap bild(fenster->size() * Schaerfe);
    bild.setDevicePixelRatio(Schaerfe);
    bild.fill(Qt::white);
    fenster->render(&bild);
    return bild.toImage();
}

void vergleiche(const QString& was, const QString& fenster, const QString& rechnung)
{
    if (fenster != rechnung)
        throw std::runtime_error(qPrintable(QStringLiteral("%1: das Fenster zeigt \"%2\", die Beispielrechnung \"%3\"")
                                                .arg(was, fenster, rechnung)));
}

QString masse(const BeamDimensions& o)
{
    QStringList werte;
    for (float wert : {o.LgD, o.LgR, o.A, o.Bv, o.Bh, o.LgBoom, o.C, o.gesLgBoom, o.D, o.P, o.frD, o.frR, o.Vlg})
        werte << QString::number(wert, 'g', 9);
    return werte.join(u' ');
}

// Settings and the report of the windows go into a folder of their own, never into the
// source tree, the build tree or the user's home; it is removed afterwards.
class EigenerOrdner {
public:
    EigenerOrdner() : vorher(QDir::currentPath()), configVorher(qgetenv("XDG_CONFIG_HOME"))
    {
        if (!ordner.isValid() || !QDir::setCurrent(ordner.path()))
            throw std::runtime_error("kein temporärer Ordner für die Fenster");
        qputenv("XDG_CONFIG_HOME", ordner.path().toLocal8Bit());
    }
    ~EigenerOrdner()
    {
        QDir::setCurrent(vorher);
        if (configVorher.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", configVorher);
    }

private:
    QTemporaryDir ordner;
    QString vorher;
    QByteArray configVorher;
};

// The offscreen platform says for every window shown that it ignores size hints; the build log
// needs no such line.
class OhneFensterHinweise {
public:
    OhneFensterHinweise() { weiter = qInstallMessageHandler(filter); }
    ~OhneFensterHinweise() { qInstallMessageHandler(weiter); }

private:
    static void filter(QtMsgType typ, const QMessageLogContext& kontext, const QString& text)
    {
        if (text.contains(QStringLiteral("propagateSizeHints")))
            return;
        if (weiter)
            weiter(typ, kontext, text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    static inline QtMessageHandler weiter = nullptr;
};

} // namespace

QList<HilfeBild> beispielFenster(const BeispielLauf& l)
{
    const BeispielEingaben& e = l.eingaben;
    EigenerOrdner ordner;
    const OhneFensterHinweise ruhig;
    auto frame = std::make_unique<MDIForm1>(SettingsStore(QStringLiteral("Zentavik")));
    frame->show();

    // The beam form first: range and band, then the wire. The calculator takes its frequency
    // and conductor diameter from here when it opens.
    frmHauptform& beam = frame->hauptform();
    frame->showChild(&beam);
    beam.option1(e.bereich)->click();
    beam.option2(e.band)->click();
    const int pvc = beam.Combo1->findText(e.material);
    if (pvc < 0)
        throw std::runtime_error("PVC fehlt in der Liste des Beam-Formulars");
    beam.Combo1->setCurrentIndex(pvc);
    emit beam.Combo1->activated(pvc);
    beam.Text7->setText(e.leiter);
    beam.Text6->setText(e.aussen);
    vergleiche(QStringLiteral("Gesamt Beam"), beam.Text1->text(), e.frequenz);

    frame->mnuVk->trigger();
    frmVk& vk = frame->vkRechner();
    vergleiche(QStringLiteral("Antennenhöhe"), vk.Text2->text(), e.hoehe);
    vergleiche(QStringLiteral("Drahtdurchmesser"), vk.Text3->text(), e.leiter);
    vk.Command1_Click();
    vergleiche(QStringLiteral("Verkürzung durch Schlankheitsgrad"), vk.Label7->text(), l.vk.schlankheit);
    vergleiche(QStringLiteral("Verkürzung durch Antennenhöhe"), vk.Label5->text(), l.vk.erdboden);
    vergleiche(QStringLiteral("Verkürzungsfaktor"), vk.Label9->text(), l.vk.vk);
    vergleiche(QStringLiteral("übergebener Verkürzungsfaktor"), beam.Text4->text(), l.uebergabe.vkText);
    QApplication::processEvents();
    QList<HilfeBild> bilder{{QStringLiteral("vk-rechner.png"), fensterBild(&vk)}};

    frame->showChild(&beam);
    beam.Command1_Click();
    vergleiche(QStringLiteral("Verkürzungsfaktor nach dem Rechnen"), beam.Text4->text(), l.beam.text4);
    vergleiche(QStringLiteral("Eigenresonanz Dipol"), beam.Label3->text(), l.beam.label3);
    vergleiche(QStringLiteral("Eigenresonanz Reflektor"), beam.Label5->text(), l.beam.label5);
    if (!beam.bauplan())
        throw std::runtime_error("das Beam-Formular hat keinen Bauplan");
    vergleiche(QStringLiteral("Maße"), masse(beam.bauplan()->werte.out), masse(l.beam.werte.out));
    QApplication::processEvents();
    bilder.append({QStringLiteral("beam-formular.png"), fensterBild(&beam)});
    return bilder;
}

HilfeBild beispielBauplan(const BeispielLauf& l, int dpi)
{
    const qreal proMm = dpi / 25.4;
    QImage bild(QSize(qRound(SeiteBreite * proMm), qRound(SeiteHoehe * proMm)), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maleBauplan(maler, l.plan);
    // The sheet's edge, so that the white page stands out from the white page of the help.
    maler.setPen(QPen(QColor(0x99, 0x99, 0x99), 2));
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(QRect(QPoint(0, 0), bild.size()).adjusted(1, 1, -1, -1));
    maler.end();
    return {QStringLiteral("bauplan.png"), bild};
}
