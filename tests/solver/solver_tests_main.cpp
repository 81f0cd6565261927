// The solver tests end as gib does, with _Exit: libdds, loaded at run time, cannot be torn
// down by exit (solver/dds_library.h).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>

// libdds keeps its tables to the end of the process; they are the library's, not leaks of
// these tests.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdds.so\n"; }
#endif

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
  // _Exit skips the leak check that exit would run.
  if (__lsan_do_recoverable_leak_check() != 0) std::_Exit(1);
#endif
  std::_Exit(result);
}
