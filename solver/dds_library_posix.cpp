#include "solver/dds_library.h"

#include <dlfcn.h>

namespace solver {
namespace {

// The soname of Debian's libdds0, the package that gib depends on.
constexpr char kSoname[] = "libdds.so.0";

template <typename Function>
void Resolve(void* library, const char* name, Function& function, std::string& fault) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  if (function == nullptr && fault.empty()) fault = std::string(kSoname) + " lacks " + name;
}

DdsLibrary Load() {
  DdsLibrary dds;
  void* library = dlopen(kSoname, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* why = dlerror();
    dds.fault = "cannot load the solver library: " + std::string(why ? why : kSoname);
    return dds;
  }
  // Kept loaded to the end of the process.
  Resolve(library, "CalcDDtablePBN", dds.CalcDDtablePBN, dds.fault);
  Resolve(library, "ErrorMessage", dds.ErrorMessage, dds.fault);
  Resolve(library, "SetThreading", dds.SetThreading, dds.fault);
  return dds;
}

}  // namespace

const DdsLibrary& Dds() {
  static const DdsLibrary dds = Load();
  return dds;
}

}  // namespace solver
