#include "runtime/environment.h"

#include <unistd.h>

namespace runtime {
namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

}  // namespace

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
