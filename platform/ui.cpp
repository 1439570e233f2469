#include "platform/ui.h"

#include <QFont>

namespace ui {
namespace {

class NoProgress final : public Progress {
public:
    bool update(qint64, qint64) override { return true; }
};

SilentServices silent;
Services* current = &silent;

} // namespace

Answer SilentServices::messageBox(const QString&, const QString&, Buttons buttons, Icon)
{
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo: return Answer::No;
    case Buttons::AbortRetryIgnore: return Answer::Abort;
    }
    return Answer::Abort;
}
std::optional<QString> SilentServices::inputBox(const QString&, const QString&, const QString&) { return std::nullopt; }
void SilentServices::beep(const QString&) {}
void SilentServices::setBusyCursor(bool) {}
void SilentServices::processEvents() {}
std::optional<QString> SilentServices::openFileName(QWidget*, const FileDialogRequest&) { return std::nullopt; }
std::optional<QString> SilentServices::saveFileName(QWidget*, const FileDialogRequest&) { return std::nullopt; }
bool SilentServices::choosePrinter(QWidget*, QPrinter&, bool) { return false; }
std::optional<FontChoice> SilentServices::chooseFont(QWidget*, const FontChoice&) { return std::nullopt; }

std::unique_ptr<Progress> Services::startProgress(QWidget*, const QString&) { return std::make_unique<NoProgress>(); }

Services& services() { return *current; }
void install(Services* services) { current = services ? services : &silent; }

} // namespace ui
