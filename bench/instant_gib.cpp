// A gib that answers every argument line at once with 6 tricks, without reading the job
// files: what is left of a run is the driver's own cost.
#include <cstdio>

int main() {
  char line[512];
  while (std::fgets(line, sizeof line, stdin) != nullptr) {
    std::fputs("Enter argument line: \r\nTricks for NS: 6\r\n", stdout);
  }
  return 0;
}
