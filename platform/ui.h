#pragma once
// The few things every form asks of the desktop: message and input boxes, the beep, the busy
// cursor and letting pending window events run. They go through this one interface so that
// tests can answer every dialog without a screen.

#include <QString>
#include <memory>
#include <optional>

class QPrinter;
#include <QColor>
#include <QFont>
class QWidget;

namespace ui {

// YesNoDefaultNo: Enter answers No, for a question whose Yes goes on with something doubtful.
enum class Buttons { Ok, YesNo, AbortRetryIgnore, YesNoDefaultNo };
enum class Icon { None, Information, Question, Exclamation, Critical };
enum class Answer { Ok, Yes, No, Abort, Retry, Ignore };

struct FileDialogRequest {
    QString title;
    QString directory;  // where the dialog opens
    QString fileName;   // preset file name
    QString filter;     // "Text File (*.Txt)|*.txt|..." as the forms write it
};

// The progress of a long task, in a window with "Abbrechen" that shows only when the task
// takes longer than a second.
class Progress {
public:
    virtual ~Progress() = default;
    // False once the user cancelled.
    virtual bool update(qint64 done, qint64 total) = 0;
};

// What the font dialog shows and returns. An attribute without a value (an empty family, a
// size of 0, no value) is one the selection holds in more than one form; it is left as it is.
struct FontChoice {
    QString family;
    double pointSize = 0;
    std::optional<bool> bold, italic, strikeOut, underline;
    std::optional<QColor> colour;
    bool operator==(const FontChoice&) const = default;
};

class Services {
public:
    virtual ~Services() = default;
    virtual Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon) = 0;
    // Input box: the answer, or nothing when the user cancelled.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& preset) = 0;
    // The beep of a refused or corrected input. The reason says, in German, what is wrong
    // with which field; the desktop may make no sound, so the form also shows the reason.
    virtual void beep(const QString& reason) = 0;
    virtual void setBusyCursor(bool busy) = 0;
    virtual void processEvents() = 0;

    // Standard dialogs; each returns nothing when cancelled.
    virtual std::optional<QString> openFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    // Lets the user choose a printer; false when cancelled. The printer is set up on true.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer, bool selectionOnly) = 0;
    virtual std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& preset) = 0;
    // A progress window for a task; the default one shows nothing and never cancels.
    virtual std::unique_ptr<Progress> startProgress(QWidget* parent, const QString& label);
    // Sets the printer up as the desktop's default printer, without asking; false when there is none.
    virtual bool defaultPrinter(QPrinter&) { return false; }
};

// No desktop: every question gets its most careful answer (Abort, No, Cancel), nothing is
// shown. The command line derives from it to answer its one question differently.
class SilentServices : public Services {
public:
    Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& preset) override;
    void beep(const QString& reason) override;
    void setBusyCursor(bool busy) override;
    void processEvents() override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer, bool selectionOnly) override;
    std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& preset) override;
};

// The services in use. Until install() is called a silent set answers every question
// with its most careful answer (Abort, No, Cancel).
Services& services();
void install(Services* services);

inline Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon)
{
    return services().messageBox(text, title, buttons, icon);
}
inline void beep(const QString& reason) { services().beep(reason); }
inline void processEvents() { services().processEvents(); }
inline void setBusyCursor(bool busy) { services().setBusyCursor(busy); }

} // namespace ui
