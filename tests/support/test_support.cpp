#include "tests/support/test_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace test_support {
std::string AbortLines(std::string_view message) {
  return "Halted by URunAbor because:\r\n" + std::string(message) + "\r\n";
}

std::string AbortOutput(std::string_view message) {
  std::string pattern = "^";
  for (const char c : AbortLines(message)) {
    if (std::string_view(".[]\\(){}*+?^$|").find(c) != std::string_view::npos) pattern += '\\';
    pattern += c;
  }
  return pattern + "$";
}

ScopedTempDir::~ScopedTempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ShellQuote(const std::string& s) {
  std::string quoted = "'";
  for (const char c : s) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::filesystem::path TestData(const std::string& name) {
  return std::filesystem::path(TEST_DATA_DIR) / name;
}

std::filesystem::path CorpusDir() { return std::filesystem::path(CORPUS_DIR); }

}  // namespace test_support
