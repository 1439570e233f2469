// The program speaks German in Qt's own texts too: the standard buttons of the message boxes,
// in the order the messages name them, and the text fields' context menu.
#include "app/startup.h"
#include "platform/qtui.h"
#include "tests/support/germanlocale.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
// The buttons of a button box from left to right, without their access-key marks.
QList<QAbstractButton*> buttonsLeftToRight(QDialogButtonBox* box)
{
    QList<QAbstractButton*> buttons;
    for (int i = 0; i < box->layout()->count(); ++i)
        if (auto* b = qobject_cast<QAbstractButton*>(box->layout()->itemAt(i)->widget()); b && b->isVisible())
            buttons << b;
    return buttons;
}
} // namespace

class TestGermanDialogs : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Program program;
    QtUi desktop;

private slots:
    void initTestCase()
    {
        useGermanLocale();
        QDir::setCurrent(dir.path());
        program = Main(*qApp);
        ui::install(&desktop);
    }
    void cleanupTestCase()
    {
        ui::install(nullptr);
        program = Program{};
    }

    void messageBoxButtons_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("texts");  // left to right
        QTest::addColumn<int>("click");      // which of them the user clicks
        QTest::addColumn<int>("answer");
        QTest::newRow("Ja") << int(ui::Buttons::YesNo) << "Ja|Nein" << 0 << int(ui::Answer::Yes);
        QTest::newRow("Nein") << int(ui::Buttons::YesNo) << "Ja|Nein" << 1 << int(ui::Answer::No);
        QTest::newRow("Abbrechen") << int(ui::Buttons::AbortRetryIgnore) << "Abbrechen|Wiederholen|Ignorieren" << 0
                                   << int(ui::Answer::Abort);
        QTest::newRow("Wiederholen") << int(ui::Buttons::AbortRetryIgnore) << "Abbrechen|Wiederholen|Ignorieren" << 1
                                     << int(ui::Answer::Retry);
        QTest::newRow("Ignorieren") << int(ui::Buttons::AbortRetryIgnore) << "Abbrechen|Wiederholen|Ignorieren" << 2
                                    << int(ui::Answer::Ignore);
        QTest::newRow("Escape aborts") << int(ui::Buttons::AbortRetryIgnore) << "Abbrechen|Wiederholen|Ignorieren" << -1
                                       << int(ui::Answer::Abort);
        QTest::newRow("Escape says no") << int(ui::Buttons::YesNo) << "Ja|Nein" << -1 << int(ui::Answer::No);
        QTest::newRow("OK") << int(ui::Buttons::Ok) << "OK" << 0 << int(ui::Answer::Ok);
    }
    void messageBoxButtons()
    {
        QFETCH(int, buttons);
        QFETCH(QString, texts);
        QFETCH(int, click);
        QFETCH(int, answer);
        QStringList shown;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            const QList<QAbstractButton*> order = buttonsLeftToRight(box->findChild<QDialogButtonBox*>());
            for (QAbstractButton* b : order)
                shown << b->text().remove(u'&');
            if (click >= 0)
                order[click]->click();
            else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        const ui::Answer given = ui::messageBox(QStringLiteral("Division durch Null"), QStringLiteral(" Fehler "),
                                                ui::Buttons(buttons), ui::Icon::Critical);
        QCOMPARE(shown.join(u'|'), texts);
        QCOMPARE(int(given), answer);
    }

    // Lines that the message breaks by hand are shown whole; only a line too wide for the
    // screen is wrapped.
    void messageLinesStayWhole_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("shownLines");  // lines on screen; 0: more than given (a long line wraps)
        QTest::newRow("short help") << QStringList{
            QStringLiteral("Der Text kann wie in einem Textverarbeitungs-Programm formatiert   "),
            QStringLiteral("bearbeitet werden. Danach kann der Text auch in der bearbeiteten Form   "),
            QStringLiteral("gespeichert und gedruckt werden.")} << 3;
        QTest::newRow("one short line") << QStringList{QStringLiteral("Division durch Null")} << 1;
        QTest::newRow("very long line") << QStringList{QStringLiteral("Lang ").repeated(60)} << 0;
    }
    void messageLinesStayWhole()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, shownLines);
        int height = 0, lineHeight = 1;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            QVERIFY(label);
            height = label->heightForWidth(label->width());
            if (height < 0)
                height = label->sizeHint().height();
            lineHeight = label->fontMetrics().lineSpacing();
            box->accept();
        });
        ui::messageBox(lines.join(QStringLiteral("\r\n")), QStringLiteral(" Kurzhilfe"), ui::Buttons::Ok, ui::Icon::Information);
        const int shown = (height + lineHeight / 2) / lineHeight;
        if (shownLines > 0)
            QCOMPARE(shown, shownLines);
        else
            QVERIFY2(shown > lines.size(), qPrintable(QString::number(shown)));
    }

    void contextMenuOfTextFields()
    {
        QLineEdit field(QStringLiteral("50,2"));
        std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QStringList entries;
        for (QAction* a : menu->actions())
            if (!a->isSeparator())
                entries << a->text().remove(u'&').section(u'\t', 0, 0);
        QVERIFY2(entries.contains(QStringLiteral("Einfügen")), qPrintable(entries.join(u'|')));
        QVERIFY2(entries.contains(QStringLiteral("Alles auswählen")), qPrintable(entries.join(u'|')));
    }
};

int main(int argc, char* argv[])
{
    // The settings file of this test lives in a folder of its own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    TestGermanDialogs test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_germandialogs.moc"
