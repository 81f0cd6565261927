#pragma once

#include <string_view>

#include "runtime/text.h"

namespace runtime {

// The value of the first environment entry whose name equals name, letters compared
// without regard to case; cut to 255 characters; empty when there is none.
Text GetEnvironment(std::string_view name);

}  // namespace runtime
