#include "solver/dds_library.h"

#include <dlfcn.h>

#include "solver/start_up.h"

namespace solver {
namespace {

// The soname of Debian's libdds0, the package that gib depends on.
constexpr char kSoname[] = "libdds.so.0";
constexpr int kThreadingStl = 5;  // libdds's code for std::thread

template <typename Function>
void Resolve(void* library, const char* name, Function& function, std::string& fault) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  if (function == nullptr && fault.empty()) fault = std::string(kSoname) + " lacks " + name;
}

DdsLibrary Load() {
  PrepareHeap();
  DdsLibrary dds;
  void* library = dlopen(kSoname, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* why = dlerror();
    dds.fault = "cannot load the solver library: " + std::string(why ? why : kSoname);
    return dds;
  }
  // Kept loaded to the end of the process.
  Resolve(library, "CalcDDtable", dds.CalcDDtable, dds.fault);
  Resolve(library, "ErrorMessage", dds.ErrorMessage, dds.fault);
  Resolve(library, "SetThreading", dds.SetThreading, dds.fault);
  Resolve(library, "SetMaxThreads", dds.SetMaxThreads, dds.fault);
  Resolve(library, "CalcAllTablesPBN", dds.CalcAllTablesPBN, dds.fault);
  // Plain threads for each table, not an OpenMP pool that spins between solves.
  if (dds.fault.empty()) dds.SetThreading(kThreadingStl);
  return dds;
}

}  // namespace

const DdsLibrary& Dds() {
  static const DdsLibrary dds = Load();
  return dds;
}

}  // namespace solver
