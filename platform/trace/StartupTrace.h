#pragma once

namespace qx::startup_trace {

// Start-up trace: with QUILTRIX_STARTUP_TRACE in the environment, each mark
// prints to stderr the milliseconds since the origin, the process's CPU time
// (all its threads) and page faults so far, and what was reached:
//   startup    41.80 ms  cpu   30.12 ms  faults  1502  start window shown
// The origin is the variable's value when that is a CLOCK_MONOTONIC time in
// nanoseconds (tools/startup/quiltrix_startup_timer --trace passes its launch
// time, so the time before main shows too), else the first mark. Unset, a
// mark costs one test of a flag.
bool enabled();
void mark(const char* what);

// Marks the first window exposed and the first widget painted, once each.
// Needs the application object; does nothing unless the trace is on.
void markFirstFrame();

}  // namespace qx::startup_trace
