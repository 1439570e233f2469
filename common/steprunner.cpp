#include "common/steprunner.h"

RunEnd runSteps(const std::vector<Step>& steps, const FailureHandler& handler)
{
    for (std::size_t i = 0; i < steps.size();) {
        try {
            if (steps[i].run() == StepResult::EndRun)
                return RunEnd::EndedEarly;
            ++i;
        } catch (const Failure& failure) {
            switch (handler(failure, steps[i])) {
            case FailureAnswer::Abort: return RunEnd::Aborted;
            case FailureAnswer::Retry: break;
            case FailureAnswer::Ignore: ++i; break;
            }
        }
    }
    return RunEnd::Completed;
}

void runSkippingFailures(std::initializer_list<std::function<void()>> steps)
{
    for (const auto& step : steps) {
        try {
            step();
        } catch (const Failure&) {
        }
    }
}
