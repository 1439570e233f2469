// The frame and the beam form as a user drives them: hiding and reopening the form, the keys of
// a multiple-document window, access keys, the stored window size.
#include "app/accesskeys.h"
#include "app/mdiform1.h"
#include "app/shortcutpriority.h"
#include "beam/frmhauptform.h"
#include "common/numberformat.h"
#include "platform/twips.h"
#include "tests/support/fakeui.h"
#include "tests/support/germanlocale.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString iniPath() { return QSettings(QSettings::IniFormat, QSettings::UserScope, "Zentavik", "Zentavik").fileName(); }

// A frame shown and active, as the program starts it.
struct ShownFrame {
    MDIForm1 frame{SettingsStore(QStringLiteral("Zentavik"))};
    MenuShortcutsFirst priority{frame.menuBar(), nullptr};
    FormAccessKeysFirst accessKeys{frame.menuBar(), frame.mdiArea(), nullptr};
    ShownFrame()
    {
        frame.quit = [] {};
        qApp->installEventFilter(&priority);
        qApp->installEventFilter(&accessKeys);
        frame.show();
        QApplication::setActiveWindow(&frame);
    }
    ~ShownFrame()
    {
        qApp->removeEventFilter(&accessKeys);
        qApp->removeEventFilter(&priority);
    }
};
} // namespace

class TestFrameUse : public QObject {
    Q_OBJECT
    FakeUi fake;

private slots:
    void initTestCase() { useGermanLocale(); }
    void init() { QFile::remove(iniPath()); }

    // Every opening of the hidden form runs its activation again.
    void reopeningTheHiddenFormActivatesIt_data()
    {
        QTest::addColumn<QString>("how");  // how the form is hidden
        QTest::newRow("close box") << "close";
        QTest::newRow("another child then close box") << "other";
        // Reopened after a maximised child was closed, the form keeps its own size.
        QTest::newRow("maximised child closed") << "maximised";
    }
    void reopeningTheHiddenFormActivatesIt()
    {
        QFETCH(QString, how);
        ShownFrame shown;
        MDIForm1& frame = shown.frame;
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        frame.mnuBerStromsAnt->trigger();
        frmHauptform& form = frame.hauptform();
        QCOMPARE(frame.status(), QStringLiteral("Status: Berechnung eines Zentavik"));
        QMdiSubWindow* otherWindow = nullptr;
        if (how != "close") {
            auto* other = new QWidget;
            otherWindow = frame.addChild(other);
            frame.showChild(other);
            if (how == "maximised")
                otherWindow->showMaximized();
        }
        form.parentWidget()->close();
        if (how == "maximised")
            otherWindow->close();
        QVERIFY(!form.parentWidget()->isVisible());
        QCOMPARE(frame.status(), QStringLiteral("Status: Bereit für Antennen-Berechnungen"));
        // Another form hands over a factor while the beam form is hidden.
        form.Text4->setText(QStringLiteral("0,9502"));
        frame.mnuBerStromsAnt->trigger();
        QCOMPARE(frame.status(), QStringLiteral("Status: Berechnung eines Zentavik"));
        QCOMPARE(form.VkSteller->value(), 50);
        QCOMPARE(form.Text4->text(), QStringLiteral("0,95"));
        QVERIFY(!form.parentWidget()->isMaximized());
        QVERIFY(form.parentWidget()->height() < form.height() + 60);
    }

    // A child window reaching beyond the client area (the frame made smaller after it was
    // placed) can be scrolled into view: no control stays out of reach.
    void childBeyondTheAreaScrollsIntoView_data()
    {
        QTest::addColumn<QPoint>("beyond");  // how far the child reaches past the bottom right corner
        QTest::newRow("below") << QPoint(-400, 60);
        QTest::newRow("right") << QPoint(80, -300);
        QTest::newRow("both") << QPoint(40, 40);
    }
    void childBeyondTheAreaScrollsIntoView()
    {
        QFETCH(QPoint, beyond);
        ShownFrame shown;
        MDIForm1& frame = shown.frame;
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        auto* form = new QWidget;
        form->setFixedSize(200, 150);
        QMdiSubWindow* window = frame.addChild(form);
        frame.showChild(form);
        QWidget* viewport = frame.mdiArea()->viewport();
        const QPoint corner(viewport->width(), viewport->height());
        window->move(corner + beyond - QPoint(window->width(), window->height()));
        QCoreApplication::processEvents();
        QScrollBar* down = frame.mdiArea()->verticalScrollBar();
        QScrollBar* across = frame.mdiArea()->horizontalScrollBar();
        QCOMPARE(down->isVisible(), beyond.y() > 0);
        QCOMPARE(across->isVisible(), beyond.x() > 0);
        down->setValue(down->maximum());
        across->setValue(across->maximum());
        QCoreApplication::processEvents();
        QVERIFY(viewport->rect().contains(window->geometry()));
    }

    // A message box or dialog of the program closing is no new activation of the frame: the
    // status line keeps what it said. Another window of the program coming and going is one.
    void statusAfterOtherTopLevelWindow_data()
    {
        QTest::addColumn<bool>("dialog");
        QTest::addColumn<QString>("status");
        QTest::newRow("message box") << true << "Status: Bereit zum Anzeigen der Berechnungsergebnisse";
        QTest::newRow("other window") << false << "Status: Bereit für Antennen-Berechnungen";
    }
    void statusAfterOtherTopLevelWindow()
    {
        QFETCH(bool, dialog);
        QFETCH(QString, status);
        ShownFrame shown;
        MDIForm1& frame = shown.frame;
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        frame.setStatus(QStringLiteral("Status: Bereit zum Anzeigen der Berechnungsergebnisse"));
        std::unique_ptr<QWidget> other;
        if (dialog)
            other = std::make_unique<QMessageBox>(QMessageBox::Information, QStringLiteral(" Info"), QStringLiteral("Info"),
                                                  QMessageBox::Ok, &frame);
        else
            other = std::make_unique<QWidget>();
        other->show();
        QApplication::setActiveWindow(other.get());
        QTRY_VERIFY(other->isActiveWindow() && !frame.isActiveWindow());
        other->close();
        QApplication::setActiveWindow(&frame);
        QTRY_VERIFY(frame.isActiveWindow());
        QCOMPARE(frame.status(), status);
    }

    // Alt plus a letter: the active form's control that claims it, else the menu bar's menu.
    void accessKeysOfTheFormBeforeTheMenus_data()
    {
        QTest::addColumn<bool>("formShown");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("focus");  // the control that has the focus after the key
        QTest::addColumn<QString>("menu");   // the menu that drops down, if any
        QTest::addColumn<QString>("first");  // the key that goes first, alone: "Alt" or "F10"; else Alt held ("twice": two times)
        QTest::newRow("Alt+D to the insulation list") << true << int(Qt::Key_D) << "Combo1" << "" << "";
        QTest::newRow("Alt+B to the selected band") << true << int(Qt::Key_B) << "Option2_10" << "" << "";
        QTest::newRow("Alt+V to the factor") << true << int(Qt::Key_V) << "Text4" << "" << "";
        QTest::newRow("Alt+D without the form opens Datei") << false << int(Qt::Key_D) << "" << "&Datei" << "";
        QTest::newRow("Alt+B without the form opens Berechnen") << false << int(Qt::Key_B) << "" << "&Berechnen" << "";
        // The menu stays reachable from the form as the help describes it.
        QTest::newRow("Alt alone, then D, opens Datei from the form") << true << int(Qt::Key_D) << "" << "&Datei" << "Alt";
        QTest::newRow("F10, then D, opens Datei from the form") << true << int(Qt::Key_D) << "" << "&Datei" << "F10";
        // R is both the range's label and Rechnen: the key again reaches the second.
        QTest::newRow("Alt+R twice to Rechnen") << true << int(Qt::Key_R) << "Command1" << "" << "twice";
    }
    void accessKeysOfTheFormBeforeTheMenus()
    {
        QFETCH(bool, formShown);
        QFETCH(int, key);
        QFETCH(QString, focus);
        QFETCH(QString, menu);
        ShownFrame shown;
        MDIForm1& frame = shown.frame;
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        frame.mnuBerStromsAnt->trigger();
        frmHauptform& form = frame.hauptform();
        if (!formShown)
            form.close();
        QFETCH(QString, first);
        QWidget* target = formShown ? static_cast<QWidget*>(form.Text1) : &frame;
        target->setFocus();
        if (first == u"Alt") {
            QTest::keyPress(target, Qt::Key_Alt, Qt::AltModifier);
            QTest::keyRelease(target, Qt::Key_Alt, Qt::NoModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        } else if (first == u"F10") {
            QTest::keyClick(target, Qt::Key_F10);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        } else {
            QTest::keyClick(target, Qt::Key(key), Qt::AltModifier);
            if (first == u"twice")
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
        }
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        const QString opened = popup ? popup->title() : QString();
        if (popup)
            popup->close();
        QCOMPARE(opened, menu);
        if (!focus.isEmpty())
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    // The stored width and height are the outer size, decorations included: what is restored
    // is what was stored, start after start.
    void outerSizeStoredAndRestored()
    {
        QSize outer;
        {
            ShownFrame shown;
            QVERIFY(QTest::qWaitForWindowExposed(&shown.frame));
            shown.frame.resize(tw(9000), tw(7500));
            outer = shown.frame.frameGeometry().size();
            QVERIFY(outer != shown.frame.size());  // the test platform draws a frame too
            shown.frame.close();
        }
        const QString width = QSettings(iniPath(), QSettings::IniFormat).value(QStringLiteral("Settings/MainWidth")).toString();
        QCOMPARE(width, general(float(toTwips(outer.width()))));
        for (int start = 0; start < 2; ++start) {
            ShownFrame shown;
            QVERIFY(QTest::qWaitForWindowExposed(&shown.frame));
            QTRY_COMPARE(shown.frame.frameGeometry().size(), outer);
            shown.frame.close();
        }
    }

    // A value edited by hand with a decimal comma and no quotes reads as an INI list.
    void handEditedDecimalComma_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<double>("left");
        QTest::newRow("decimal comma") << QByteArray("MainLeft=1234,5") << 1234.5;
        QTest::newRow("quoted") << QByteArray("MainLeft=\"1234,5\"") << 1234.5;
        QTest::newRow("whole") << QByteArray("MainLeft=1500") << 1500.0;
        QTest::newRow("two commas keep the design value") << QByteArray("MainLeft=1,2,3") << 15.0;
    }
    void handEditedDecimalComma()
    {
        QFETCH(QByteArray, line);
        QFETCH(double, left);
        QDir().mkpath(QFileInfo(iniPath()).path());
        QFile ini(iniPath());
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Settings]\n" + line + "\n");
        ini.close();
        MDIForm1 frame(SettingsStore(QStringLiteral("Zentavik")));
        QCOMPARE(frame.pos().x(), tw(left));
    }

    void windowKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("active");  // from "b": the active child afterwards
        QTest::addColumn<QString>("shown");   // the children still shown
        QTest::newRow("Ctrl+Tab to the next") << int(Qt::Key_Tab) << int(Qt::ControlModifier) << "frmHauptform" << "frmHauptform a b";
        QTest::newRow("Ctrl+F6 to the next") << int(Qt::Key_F6) << int(Qt::ControlModifier) << "frmHauptform" << "frmHauptform a b";
        QTest::newRow("Ctrl+Shift+Tab to the previous") << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                                       << "a" << "frmHauptform a b";
        QTest::newRow("Ctrl+F4 closes the active") << int(Qt::Key_F4) << int(Qt::ControlModifier) << "" << "frmHauptform a";
    }
    void windowKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, active);
        QFETCH(QString, shown);
        ShownFrame shown_;
        MDIForm1& frame = shown_.frame;
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        frame.mnuBerStromsAnt->trigger();
        for (const char* name : {"a", "b"}) {
            auto* child = new QLineEdit;
            child->setObjectName(QString::fromLatin1(name));
            frame.showChild(frame.addChild(child)->widget());
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList visible;
        for (QMdiSubWindow* w : frame.mdiArea()->subWindowList())
            if (w->isVisible())
                visible << w->widget()->objectName();
        QCOMPARE(visible.join(u' '), shown);
        if (!active.isEmpty())
            QCOMPARE(frame.mdiArea()->activeSubWindow()->widget()->objectName(), active);
    }

    // Ctrl+F4 on the beam form hides it as its close box does: the inputs stay.
    void ctrlF4HidesTheBeamForm()
    {
        ShownFrame shown;
        MDIForm1& frame = shown.frame;
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        frame.mnuBerStromsAnt->trigger();
        frmHauptform* form = &frame.hauptform();
        form->Text1->setText(QStringLiteral("14,2"));
        QTest::keyClick(form->Text1, Qt::Key_F4, Qt::ControlModifier);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form->parentWidget()->isVisible());
        QCOMPARE(frame.status(), QStringLiteral("Status: Bereit für Antennen-Berechnungen"));
        frame.mnuBerStromsAnt->trigger();
        QCOMPARE(&frame.hauptform(), form);
        QCOMPARE(form->Text1->text(), QStringLiteral("14,2"));
    }

    // The program's own icon on the frame, on every child window and on the message boxes;
    // never the toolkit's logo.
    void ownIconEverywhere()
    {
        ShownFrame shown;
        MDIForm1& frame = shown.frame;
        frame.mnuBerStromsAnt->trigger();
        const QIcon icon = frame.windowIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(!icon.pixmap(32, 32).isNull());
        QCOMPARE(QApplication::windowIcon().cacheKey(), icon.cacheKey());
        QCOMPARE(frame.hauptform().parentWidget()->windowIcon().cacheKey(), icon.cacheKey());
        // Drawn from our picture: its red elements show at small size too.
        const QImage small = icon.pixmap(32, 32).toImage();
        bool red = false;
        for (int y = 0; y < small.height() && !red; ++y)
            for (int x = 0; x < small.width() && !red; ++x)
                red = small.pixelColor(x, y).red() > 180 && small.pixelColor(x, y).green() < 80;
        QVERIFY(red);
    }

    // The caption under the drawing is at least 11 pixels high in a frame of the usual size.
    void drawingCaptionReadable()
    {
        ShownFrame shown;
        QVERIFY(QTest::qWaitForWindowExposed(&shown.frame));
        QFile file(QStringLiteral(":/antenne.svg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(file.readAll());
        const QRegularExpression height(QStringLiteral("height=\"([0-9.]+)\""));
        const double drawingHeight = height.match(svg).captured(1).toDouble();
        QVERIFY(drawingHeight > 0);
        const double scale = std::min(1.0, shown.frame.mdiArea()->viewport()->height() / drawingHeight);
        const QRegularExpression caption(QStringLiteral("font-size=\"([0-9.]+)\"[^>]*>([^<]*(Strahler|Hauptstrahlrichtung)[^<]*)<"));
        int captions = 0;
        for (auto it = caption.globalMatch(svg); it.hasNext();) {
            const auto match = it.next();
            QVERIFY2(match.captured(1).toDouble() * scale >= 11, qPrintable(match.captured(2)));
            ++captions;
        }
        QVERIFY(captions > 0);
    }
};

int main(int argc, char* argv[])
{
    // The settings file of this test lives in a folder of its own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    TestFrameUse test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_frameuse.moc"
