// Clicks on the velocity-factor spinner as the window system delivers them: press and release
// both queued before the program sees the press, with the desktop's own services in use.
// The focus handlers of the form let pending events run; a release handled before its press
// would leave the spinner repeating on its own.
#include "platform/qtui.h"
#include "tests/beam/beamformtest.h"
#include "tests/support/germanlocale.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QtTest>
#include <qpa/qwindowsysteminterface.h>

namespace {
QPoint arrowCentre(QScrollBar* bar, QStyle::SubControl arrow)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, bar).center();
}

// Queues press and release together, as a quick click arrives from the X server, then lets
// the program handle them.
void queuedClick(QWidget* w, QPoint at)
{
    QWindow* window = w->window()->windowHandle();
    const QPointF local = w->mapTo(w->window(), at);
    const QPointF global = w->mapToGlobal(at);
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        window, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        window, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
    QCoreApplication::processEvents();
}
} // namespace

class TestSpinnerClick : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QtUi desktop;
    FakeFrame frame;
    std::unique_ptr<frmHauptform> form;

private slots:
    void initTestCase()
    {
        useGermanLocale();
        QDir::setCurrent(dir.path());
        ui::install(&desktop);
    }
    void cleanupTestCase() { ui::install(nullptr); }
    void init()
    {
        form = openActiveBeamForm(frame);
        QVERIFY(form);
    }
    void cleanup()
    {
        closeBeamForm(frame, form);
        frame = FakeFrame{};
    }

    void oneClickOneStep_data()
    {
        QTest::addColumn<QString>("focusBefore");  // the control that has the focus before the click
        QTest::addColumn<QString>("factor");        // Text4 before the click
        QTest::addColumn<bool>("down");
        QTest::addColumn<QString>("expected");
        QTest::newRow("focus in the frequency, down") << "Text1" << "0,95" << true << "0,949";
        QTest::newRow("focus in the frequency, up") << "Text1" << "0,95" << false << "0,951";
        QTest::newRow("focus in the factor, down") << "Text4" << "0,95" << true << "0,949";
        // Leaving a factor of 1 beeps and lets events run before the spinner has the press.
        QTest::newRow("factor 1 left for the spinner") << "Text4" << "1" << true << "0,999";
        // Leaving a factor out of range corrects it to 0,946 first.
        QTest::newRow("corrected factor left for the spinner") << "Text4" << "1,5" << true << "0,945";
        QTest::newRow("focus already on the spinner") << "VkSteller" << "0,95" << true << "0,949";
    }
    void oneClickOneStep()
    {
        QFETCH(QString, focusBefore);
        QFETCH(QString, factor);
        QFETCH(bool, down);
        QFETCH(QString, expected);

        form->Text4->setText(factor);
        form->findChild<QWidget*>(focusBefore)->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QScrollBar* bar = form->VkSteller;

        queuedClick(bar, arrowCentre(bar, down ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine));

        QCOMPARE(QApplication::focusWidget(), bar);
        QCOMPARE(form->Text4->text(), expected);
        // Longer than the delay before a held arrow starts to repeat: nothing moves on its own.
        QSignalSpy moves(bar, &QScrollBar::valueChanged);
        QTest::qWait(700);
        QCOMPARE(moves.count(), 0);
        QCOMPARE(form->Text4->text(), expected);
    }
};

QTEST_MAIN(TestSpinnerClick)
#include "test_spinnerclick.moc"
