// The desktop's message box: which answer each button gives, and that a busy cursor gives way
// to the arrow while the box waits for an answer.
#include "platform/qtui.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
// Answers the box that is about to open, and notes the cursor it was shown with.
struct Answerer {
    explicit Answerer(const QString& pressed) : button(pressed) {}
    QString button;  // the button's English text, as the desktop names it; empty: Escape; "Enter": the default
    bool closeOnly = false;  // the program closes the box, no button is pressed
    bool shown = false;
    bool found = false;
    std::optional<Qt::CursorShape> cursor;
    QString title, text;

    void arm()
    {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            shown = true;
            title = box->windowTitle();
            text = box->text();
            if (const QCursor* c = QGuiApplication::overrideCursor())
                cursor = c->shape();
            if (closeOnly) {
                box->reject();
                return;
            }
            if (button == u"Enter") {
                found = true;
                QTest::keyClick(box, Qt::Key_Return);
                return;
            }
            for (QAbstractButton* b : box->buttons()) {
                const QString name = QCoreApplication::translate("QPlatformTheme", qPrintable(button));
                if (!found && !button.isEmpty() && b->text().remove(u'&') == QString(name).remove(u'&')) {
                    found = true;
                    b->click();
                }
            }
            if (!found)
                QTest::keyClick(box, Qt::Key_Escape);
        });
    }
};

Qt::CursorShape overrideShape()
{
    const QCursor* c = QGuiApplication::overrideCursor();
    return c ? c->shape() : Qt::BlankCursor;  // blank: no override
}
} // namespace

class TestQtUi : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }

    // A long task's window: after a second it shows with "Abbrechen", whose press stops the
    // task at its next step; left alone, the task goes on.
    void progressWindowStopsOnAbbrechen_data()
    {
        QTest::addColumn<bool>("pressed");
        QTest::newRow("Abbrechen pressed") << true;
        QTest::newRow("left alone") << false;
    }
    void progressWindowStopsOnAbbrechen()
    {
        QFETCH(bool, pressed);
        QWidget window;
        window.show();
        QtUi desktop;
        const auto progress = desktop.startProgress(&window, QStringLiteral("\"lang.rtf\" wird geladen ..."));
        QVERIFY(progress->update(1, 100));
        auto* dialog = window.findChild<QProgressDialog*>();
        QVERIFY(dialog);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->isVisible(), 5000);
        QCOMPARE(dialog->labelText(), QStringLiteral("\"lang.rtf\" wird geladen ..."));
        QPushButton* button = dialog->findChild<QPushButton*>();
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("Abbrechen"));
        if (pressed)
            QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(progress->update(50, 100), !pressed);
    }

    void answers_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("answer");
        using B = ui::Buttons;
        using A = ui::Answer;
        QTest::newRow("Ok") << int(B::Ok) << "OK" << int(A::Ok);
        QTest::newRow("Yes") << int(B::YesNo) << "&Yes" << int(A::Yes);
        QTest::newRow("No") << int(B::YesNo) << "&No" << int(A::No);
        QTest::newRow("Abort") << int(B::AbortRetryIgnore) << "Abort" << int(A::Abort);
        QTest::newRow("Retry") << int(B::AbortRetryIgnore) << "Retry" << int(A::Retry);
        QTest::newRow("Ignore") << int(B::AbortRetryIgnore) << "Ignore" << int(A::Ignore);
        // Escape is the careful answer.
        QTest::newRow("Escape on Yes/No") << int(B::YesNo) << "" << int(A::No);
        QTest::newRow("Escape on Ok") << int(B::Ok) << "" << int(A::Ok);
        QTest::newRow("Escape on Abort/Retry/Ignore") << int(B::AbortRetryIgnore) << "" << int(A::Abort);
        // Enter takes the default: Yes, unless the question makes No the safe default.
        QTest::newRow("Enter on Yes/No") << int(B::YesNo) << "Enter" << int(A::Yes);
        QTest::newRow("Enter on Yes/No, No by default") << int(B::YesNoDefaultNo) << "Enter" << int(A::No);
        QTest::newRow("Yes when No is the default") << int(B::YesNoDefaultNo) << "&Yes" << int(A::Yes);
        QTest::newRow("Escape when No is the default") << int(B::YesNoDefaultNo) << "" << int(A::No);
    }
    void answers()
    {
        QFETCH(int, buttons);
        QFETCH(QString, pressed);
        QFETCH(int, answer);
        QtUi desktop;
        Answerer answerer(pressed);
        answerer.arm();
        const ui::Answer got = desktop.messageBox(QStringLiteral("Zeile 1\r\nZeile 2"), QStringLiteral(" Fehler "),
                                                  ui::Buttons(buttons), ui::Icon::Exclamation);
        QVERIFY(answerer.shown);
        QCOMPARE(answerer.found, !pressed.isEmpty());
        QCOMPARE(int(got), answer);
        QCOMPARE(answerer.title, QStringLiteral(" Fehler "));
        QCOMPARE(answerer.text, QStringLiteral("Zeile 1\nZeile 2"));
    }

    // A box closed by the program (no button clicked, not even Escape's) still gives the careful answer.
    void boxClosedWithoutAButton_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes/No") << int(ui::Buttons::YesNo) << int(ui::Answer::No);
        QTest::newRow("Ok") << int(ui::Buttons::Ok) << int(ui::Answer::Ok);
        QTest::newRow("Abort/Retry/Ignore") << int(ui::Buttons::AbortRetryIgnore) << int(ui::Answer::Abort);
    }
    void boxClosedWithoutAButton()
    {
        QFETCH(int, buttons);
        QtUi desktop;
        Answerer answerer({});
        answerer.closeOnly = true;
        answerer.arm();
        const ui::Answer got = desktop.messageBox(QStringLiteral("Text"), QStringLiteral(" Frage "), ui::Buttons(buttons), ui::Icon::Question);
        QVERIFY(answerer.shown);
        QTEST(int(got), "answer");
    }

    void busyCursorGivesWayToTheBox_data()
    {
        QTest::addColumn<bool>("busy");
        QTest::newRow("busy") << true;
        QTest::newRow("not busy") << false;
    }
    void busyCursorGivesWayToTheBox()
    {
        QFETCH(bool, busy);
        QtUi desktop;
        desktop.setBusyCursor(busy);
        QCOMPARE(overrideShape(), busy ? Qt::WaitCursor : Qt::BlankCursor);
        Answerer answerer(QStringLiteral("Retry"));
        answerer.arm();
        QCOMPARE(desktop.messageBox(QStringLiteral("Division durch Null"), QStringLiteral(" Fehler "),
                                    ui::Buttons::AbortRetryIgnore, ui::Icon::Exclamation),
                 ui::Answer::Retry);
        QVERIFY(answerer.shown);
        if (busy)
            QCOMPARE(answerer.cursor, std::optional(Qt::ArrowCursor));
        else
            QVERIFY(!answerer.cursor);
        // After the box the calculation goes on busy, as before.
        QCOMPARE(overrideShape(), busy ? Qt::WaitCursor : Qt::BlankCursor);
        desktop.setBusyCursor(false);
        QCOMPARE(overrideShape(), Qt::BlankCursor);
    }

    // Switching on twice needs only one switching off.
    void busyCursorIsOnOrOff()
    {
        QtUi desktop;
        desktop.setBusyCursor(true);
        desktop.setBusyCursor(true);
        QCOMPARE(overrideShape(), Qt::WaitCursor);
        desktop.setBusyCursor(false);
        QCOMPARE(overrideShape(), Qt::BlankCursor);
        desktop.setBusyCursor(false);
        QCOMPARE(overrideShape(), Qt::BlankCursor);
    }
};

QTEST_MAIN(TestQtUi)
#include "test_qtui.moc"
