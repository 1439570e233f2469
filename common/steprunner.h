#pragma once
// Runs a calculation as a sequence of numbered steps. A failing step is handed to a
// handler that answers Abort (end the run), Retry (the same step again) or Ignore (go on
// with the next step; whatever the failed step should have set keeps its previous value).

#include "common/failure.h"

#include <functional>
#include <initializer_list>
#include <vector>

enum class StepResult { Next, EndRun };
enum class FailureAnswer { Abort, Retry, Ignore };
enum class RunEnd { Completed, EndedEarly, Aborted };

struct Step {
    const char* number;  // the step's number in the calculation, e.g. "19.4"
    std::function<StepResult()> run;
};

using FailureHandler = std::function<FailureAnswer(const Failure&, const Step&)>;

RunEnd runSteps(const std::vector<Step>& steps, const FailureHandler& handler);

// The rule of the smaller calculators: a failing step is skipped silently and the next one runs.
void runSkippingFailures(std::initializer_list<std::function<void()>> steps);
