#pragma once
// The desktop's own dialogs, beep and cursor behind the ui::Services interface.

#include "platform/ui.h"

class QtUi final : public ui::Services {
public:
    ui::Answer messageBox(const QString& text, const QString& title, ui::Buttons buttons, ui::Icon icon) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& preset) override;
    void beep(const QString& reason) override;
    void setBusyCursor(bool busy) override;
    void processEvents() override;
    std::optional<QString> openFileName(QWidget* parent, const ui::FileDialogRequest& request) override;
    std::optional<QString> saveFileName(QWidget* parent, const ui::FileDialogRequest& request) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer, bool selectionOnly) override;
    std::optional<ui::FontChoice> chooseFont(QWidget* parent, const ui::FontChoice& preset) override;
    std::unique_ptr<ui::Progress> startProgress(QWidget* parent, const QString& label) override;
    bool defaultPrinter(QPrinter& printer) override;

private:
    int busyDepth = 0;
};
