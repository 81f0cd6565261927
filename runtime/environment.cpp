#include "runtime/environment.h"

#include <unistd.h>

#include "runtime/letter_case.h"

namespace runtime {
Text GetEnvironment(std::string_view name) {
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const std::string_view text(*entry);
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos) continue;
    if (SameIgnoringCase(text.substr(0, equals), name)) return Text(text.substr(equals + 1));
  }
  return Text();
}

}  // namespace runtime
