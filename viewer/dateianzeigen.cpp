#include "viewer/dateianzeigen.h"

#include "common/steprunner.h"
#include "platform/ui.h"
#include "viewer/frmrtf.h"

void DateiAnzeigen(const QString& name, ViewerHost& host)
{
    frmRTF* viewer = nullptr;
    const std::vector<Step> steps{
        {"1", [&] {
             viewer = host.existingViewer();
             if (!viewer)
                 viewer = host.createViewer();
             viewer->setFontName(QStringLiteral("Courier New"));
             return StepResult::Next;
         }},
        // Text edited since it was loaded is not replaced without the offer to save it.
        {"2", [&] { if (viewer && viewer->mayReplaceText()) viewer->loadFile(name); return StepResult::Next; }},
        {"3", [&] { if (viewer) host.showViewer(viewer); return StepResult::Next; }},
    };
    runSteps(steps, [](const Failure& failure, const Step&) {
        const auto answer = ui::messageBox(failure.description, QStringLiteral(" Fehler  ") + QString::number(failure.number),
                                           ui::Buttons::AbortRetryIgnore, ui::Icon::Exclamation);
        switch (answer) {
        case ui::Answer::Retry: return FailureAnswer::Retry;
        case ui::Answer::Ignore: return FailureAnswer::Ignore;
        default: return FailureAnswer::Abort;
        }
    });
}
