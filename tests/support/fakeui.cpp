#include "tests/support/fakeui.h"

#include <QFont>

namespace {
// With no queued answer a test gets the answer that ends things.
ui::Answer fallback(ui::Buttons buttons)
{
    switch (buttons) {
    case ui::Buttons::Ok: return ui::Answer::Ok;
    case ui::Buttons::YesNo:
    case ui::Buttons::YesNoDefaultNo: return ui::Answer::No;
    case ui::Buttons::AbortRetryIgnore: return ui::Answer::Abort;
    }
    return ui::Answer::Abort;
}
template <typename T>
T take(std::deque<T>& queue, T otherwise)
{
    if (!queue.empty()) {
        std::swap(otherwise, queue.front());
        queue.pop_front();
    }
    return otherwise;
}
} // namespace

ui::Answer FakeUi::messageBox(const QString& text, const QString& title, ui::Buttons buttons, ui::Icon icon)
{
    messages.append({text, title, buttons, icon, busy});
    if (whileShown)
        whileShown(messages.back());
    return take(answers, fallback(buttons));
}

std::optional<QString> FakeUi::inputBox(const QString& prompt, const QString&, const QString& preset)
{
    inputPrompts.append(prompt);
    inputPresets.append(preset);
    return take(inputs, std::optional<QString>());
}

std::optional<QString> FakeUi::openFileName(QWidget*, const ui::FileDialogRequest& request)
{
    fileRequests.append(request);
    return take(fileNames, std::optional<QString>());
}

std::optional<QString> FakeUi::saveFileName(QWidget*, const ui::FileDialogRequest& request)
{
    fileRequests.append(request);
    return take(fileNames, std::optional<QString>());
}

std::optional<ui::FontChoice> FakeUi::chooseFont(QWidget*, const ui::FontChoice& preset)
{
    fontPresets.append(preset);
    return take(fonts, fontsOkUnchanged ? std::optional<ui::FontChoice>(preset) : std::nullopt);
}

namespace {
class FakeProgress final : public ui::Progress {
public:
    explicit FakeProgress(FakeUi& ui) : ui(ui) {}
    bool update(qint64, qint64) override
    {
        ++ui.progressUpdates;
        return ui.cancelProgressAfter < 0 || ui.progressUpdates <= ui.cancelProgressAfter;
    }

private:
    FakeUi& ui;
};
} // namespace

std::unique_ptr<ui::Progress> FakeUi::startProgress(QWidget*, const QString& label)
{
    progressLabels.append(label);
    return std::make_unique<FakeProgress>(*this);
}
