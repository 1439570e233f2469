#include "platform/ui.h"

#include <QFont>

namespace ui {
namespace {

class NoProgress final : public Progress {
public:
    bool update(qint64, qint64) override { return true; }
};

class SilentServices final : public Services {
public:
    Answer messageBox(const QString&, const QString&, Buttons buttons, Icon) override
    {
        switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::YesNo: return Answer::No;
        case Buttons::AbortRetryIgnore: return Answer::Abort;
        }
        return Answer::Abort;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override { return std::nullopt; }
    void beep() override {}
    void setBusyCursor(bool) override {}
    void processEvents() override {}
    std::optional<QString> openFileName(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFileName(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
    bool choosePrinter(QWidget*, QPrinter&, bool) override { return false; }
    std::optional<FontChoice> chooseFont(QWidget*, const FontChoice&) override { return std::nullopt; }
};

SilentServices silent;
Services* current = &silent;

} // namespace

std::unique_ptr<Progress> Services::startProgress(QWidget*, const QString&) { return std::make_unique<NoProgress>(); }

Services& services() { return *current; }
void install(Services* services) { current = services ? services : &silent; }

} // namespace ui
