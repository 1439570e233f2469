#pragma once
// Answers the program's dialogs in tests: queued answers, and a record of what was shown.

#include "platform/ui.h"

#include <QList>
#include <QStringList>
#include <QString>
#include <deque>
#include <functional>

struct ShownMessage {
    QString text, title;
    ui::Buttons buttons;
    ui::Icon icon;
    bool busy = false;  // the busy cursor was on while the box was shown
};

class FakeUi final : public ui::Services {
public:
    FakeUi() { ui::install(this); }
    ~FakeUi() override { ui::install(nullptr); }

    std::deque<ui::Answer> answers;                   // message box answers, in order
    std::deque<std::optional<QString>> inputs;        // input box answers
    std::deque<std::optional<QString>> fileNames;     // open and save dialogs
    std::deque<std::optional<ui::FontChoice>> fonts;  // font dialog answers
    bool fontsOkUnchanged = false;                    // none queued: OK without a change (else cancel)
    QList<ui::FontChoice> fontPresets;
    int cancelProgressAfter = -1;                     // progress updates before "Abbrechen"; -1: never
    int progressUpdates = 0;
    QList<QString> progressLabels;
    std::function<bool(QPrinter&)> printer;           // print dialog and default printer; none: cancelled
    std::function<void(const ShownMessage&)> whileShown;  // runs while a message box is open

    QList<ShownMessage> messages;
    QList<QString> inputPrompts, inputPresets;
    QList<ui::FileDialogRequest> fileRequests;
    int beeps = 0;
    QStringList beepReasons;  // the reason of each beep, in order
    int eventRounds = 0;
    bool busy = false;
    int busyChanges = 0;

    ui::Answer messageBox(const QString& text, const QString& title, ui::Buttons buttons, ui::Icon icon) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& preset) override;
    void beep(const QString& reason) override { ++beeps; beepReasons << reason; }
    void setBusyCursor(bool b) override { busy = b; ++busyChanges; }
    void processEvents() override { ++eventRounds; }
    std::optional<QString> openFileName(QWidget*, const ui::FileDialogRequest& request) override;
    std::optional<QString> saveFileName(QWidget*, const ui::FileDialogRequest& request) override;
    bool choosePrinter(QWidget*, QPrinter& p, bool) override { return printer ? printer(p) : false; }
    std::optional<ui::FontChoice> chooseFont(QWidget*, const ui::FontChoice& preset) override;
    std::unique_ptr<ui::Progress> startProgress(QWidget*, const QString& label) override;
    bool defaultPrinter(QPrinter& p) override { return printer ? printer(p) : false; }
};
