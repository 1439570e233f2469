#pragma once
// A long calculation away from the window's thread: the window keeps repainting while it
// runs, and input waits until it is done, so that nothing changes the form under it.

#include <functional>

// Runs the job on a thread of its own and returns its result, or throws what it threw.
double abseitsRechnen(const std::function<double()>& job);
