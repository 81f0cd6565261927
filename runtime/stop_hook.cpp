#include "runtime/stop_hook.h"

namespace runtime {
namespace {

StopHook installed_hook = nullptr;

}  // namespace

void SetStopHook(StopHook hook) { installed_hook = hook; }

void RunStopHook(int exit_code) {
  if (installed_hook != nullptr) installed_hook(exit_code);
}

}  // namespace runtime
