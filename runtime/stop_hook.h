#pragma once

namespace runtime {

// A harness that feeds many inputs to one process (a fuzzer) installs a hook that every
// process stop calls, with the exit code, after its output and before _exit; the hook
// may throw to end only the current input. Programs never install one.
using StopHook = void (*)(int exit_code);
void SetStopHook(StopHook hook);

// Calls the installed hook, if any.
void RunStopHook(int exit_code);

}  // namespace runtime
