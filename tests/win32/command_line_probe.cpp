// Stands in for the command interpreter: writes the command line it was started with
// and its Path variable, one to a line, to probe.txt in the working directory.
#include <windows.h>

#include <cstdio>

int main() {
  std::FILE* out = std::fopen("probe.txt", "wb");
  if (out == nullptr) return 1;
  char path[32768] = {};
  ::GetEnvironmentVariableA("PATH", path, sizeof path);
  std::fprintf(out, "%s\n%s\n", ::GetCommandLineA(), path);
  return std::fclose(out) == 0 ? 0 : 1;
}
