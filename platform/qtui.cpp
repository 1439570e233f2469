#include "platform/qtui.h"

#include "platform/fontdialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QPrinterInfo>
#include <QScreen>

#include <algorithm>

namespace {

QMessageBox::Icon toIcon(ui::Icon icon)
{
    switch (icon) {
    case ui::Icon::None: return QMessageBox::NoIcon;
    case ui::Icon::Information: return QMessageBox::Information;
    case ui::Icon::Question: return QMessageBox::Question;
    case ui::Icon::Exclamation: return QMessageBox::Warning;
    case ui::Icon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// "Text File (*.Txt)|*.txt|All Files (*.*)|*.*" becomes Qt's "Text File (*.txt);;All Files (*)".
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        QString name = parts[i];
        const qsizetype bracket = name.indexOf(u'(');
        if (bracket >= 0)
            name = name.left(bracket).trimmed();
        entries << name + QStringLiteral(" (") + pattern.replace(u';', u' ') + u')';
    }
    return entries.join(QStringLiteral(";;"));
}

// Lays out the buttons in the order the program's messages name them (Ja Nein; Abbrechen
// Wiederholen Ignorieren) whatever order the desktop prefers, so a user who learnt where
// "Wiederholen" stands finds it there again.
class ButtonOrderAsNamed final : public QProxyStyle {
public:
    ButtonOrderAsNamed() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* data) const override
    {
        if (hint == SH_DialogButtonLayout)
            return QDialogButtonBox::WinLayout;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

// The messages break their lines by hand. Qt wraps every text wider than about 500 pixels,
// which leaves single words on lines of their own; the box is made wide enough for the
// longest line instead, up to three quarters of the screen, beyond which lines still wrap.
void keepLinesWhole(QMessageBox& box)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return;
    const QFontMetrics metrics(label->font());
    int longest = 0;
    for (const QString& line : box.text().split(u'\n'))
        longest = std::max(longest, metrics.horizontalAdvance(line));
    const QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    const int widest = screen ? screen->availableGeometry().width() * 3 / 4 : 600;
    label->setMinimumWidth(std::min(longest, widest));
}
} // namespace

ui::Answer QtUi::messageBox(const QString& text, const QString& title, ui::Buttons buttons, ui::Icon icon)
{
    QMessageBox box(toIcon(icon), title, text, QMessageBox::NoButton, QApplication::activeWindow());
    // Texts use CR LF line breaks; the box wants plain line feeds.
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    keepLinesWhole(box);
    QList<std::pair<QAbstractButton*, ui::Answer>> answers;
    // A screen reader reads the box by its title (without the framing blanks) and the message.
    box.setAccessibleName(title.trimmed());
    box.setAccessibleDescription(box.text());
    switch (buttons) {
    case ui::Buttons::Ok: answers = {{box.addButton(QMessageBox::Ok), ui::Answer::Ok}}; break;
    case ui::Buttons::YesNo:
    case ui::Buttons::YesNoDefaultNo:
        answers = {{box.addButton(QMessageBox::Yes), ui::Answer::Yes}, {box.addButton(QMessageBox::No), ui::Answer::No}};
        if (buttons == ui::Buttons::YesNoDefaultNo)
            box.setDefaultButton(static_cast<QPushButton*>(answers.last().first));
        break;
    case ui::Buttons::AbortRetryIgnore: {
        // Qt would sort these by their roles (Abbrechen last); all three of one role keep
        // the order Abbrechen, Wiederholen, Ignorieren. Enter and Escape both abort.
        for (auto [name, answer] : {std::pair{"Abort", ui::Answer::Abort}, std::pair{"Retry", ui::Answer::Retry},
                                    std::pair{"Ignore", ui::Answer::Ignore}})
            answers.append({box.addButton(QCoreApplication::translate("QPlatformTheme", name), QMessageBox::ActionRole), answer});
        box.setDefaultButton(static_cast<QPushButton*>(answers.first().first));
        box.setEscapeButton(answers.first().first);
        break;
    }
    }
    if (auto* buttonBox = box.findChild<QDialogButtonBox*>()) {
        auto* order = new ButtonOrderAsNamed;
        order->setParent(&box);
        buttonBox->setStyle(order);
    }
    // The busy cursor must not hide that the box waits for an answer.
    const bool wasBusy = busyDepth > 0;
    if (wasBusy)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (wasBusy)
        QGuiApplication::restoreOverrideCursor();
    for (const auto& [button, answer] : answers)
        if (box.clickedButton() == button)
            return answer;
    // Closing the box with Escape or its close box is the careful answer.
    return buttons == ui::Buttons::YesNo || buttons == ui::Buttons::YesNoDefaultNo ? ui::Answer::No : buttons == ui::Buttons::Ok ? ui::Answer::Ok : ui::Answer::Abort;
}

std::optional<QString> QtUi::inputBox(const QString& prompt, const QString& title, const QString& preset)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal, preset, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

void QtUi::beep(const QString&) { QApplication::beep(); }

void QtUi::setBusyCursor(bool busy)
{
    if (busy && busyDepth == 0) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        busyDepth = 1;
    } else if (!busy && busyDepth > 0) {
        QGuiApplication::restoreOverrideCursor();
        busyDepth = 0;
    }
}

// Lets the window repaint and timers run, but keeps the user's queued clicks and keys for
// later: handlers call this in the middle of a click (a control gaining the focus from a mouse
// press), and a release handled before its press would leave a scroll bar repeating.
void QtUi::processEvents() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

namespace {
std::optional<QString> fileDialog(QWidget* parent, const ui::FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title, request.directory, qtFilter(request.filter));
    dialog.setAcceptMode(mode);
    // Opening needs an existing file; saving asks before it overwrites one.
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
} // namespace

std::optional<QString> QtUi::openFileName(QWidget* parent, const ui::FileDialogRequest& request)
{
    return fileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtUi::saveFileName(QWidget* parent, const ui::FileDialogRequest& request)
{
    return fileDialog(parent, request, QFileDialog::AcceptSave);
}

bool QtUi::choosePrinter(QWidget* parent, QPrinter& printer, bool selectionOnly)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, selectionOnly);
    if (selectionOnly)
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<ui::FontChoice> QtUi::chooseFont(QWidget* parent, const ui::FontChoice& preset)
{
    FontDialog dialog(preset, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

namespace {
class ProgressWindow final : public ui::Progress {
public:
    ProgressWindow(QWidget* parent, const QString& label) : dialog(label, QStringLiteral("Abbrechen"), 0, steps, parent)
    {
        dialog.setWindowTitle(QStringLiteral(" Laden"));
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setMinimumDuration(1000);
        dialog.setAutoReset(false);
        dialog.setAutoClose(false);
        dialog.setValue(0);
    }
    bool update(qint64 done, qint64 total) override
    {
        const int value = total > 0 ? int(std::clamp<qint64>(done * steps / total, 0, steps - 1)) : 0;
        if (value != dialog.value())
            dialog.setValue(value);
        // Once shown, the window stays usable while the task runs.
        if (dialog.isVisible())
            QCoreApplication::processEvents();
        return !dialog.wasCanceled();
    }

private:
    static constexpr int steps = 1000;
    QProgressDialog dialog;
};
} // namespace

std::unique_ptr<ui::Progress> QtUi::startProgress(QWidget* parent, const QString& label)
{
    return std::make_unique<ProgressWindow>(parent, label);
}

bool QtUi::defaultPrinter(QPrinter& printer)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    printer.setPrinterName(info.printerName());
    return printer.isValid();
}
