#include "solver/gib_session.h"

#include <optional>
#include <string>
#include <vector>

#include "solver/dd_solve.h"
#include "solver/job_file.h"

namespace solver {
namespace {

struct ArgumentLine {
  bool verbose = false;
  std::string job_file;
  std::string fault;
};

// One input line without its line end; nothing at the end of the input.
std::optional<std::string> ReadArgumentLine(std::FILE* in) {
  std::string line;
  int c = std::getc(in);
  if (c == EOF) return std::nullopt;
  while (c != EOF && c != '\n' && c != '\r') {
    line += static_cast<char>(c);
    c = std::getc(in);
  }
  if (c == '\r') {
    const int next = std::getc(in);
    if (next != '\n' && next != EOF) std::ungetc(next, in);
  }
  return line;
}

ArgumentLine ParseArguments(const std::string& line) {
  ArgumentLine parsed;
  size_t at = 0;
  while (parsed.fault.empty()) {
    const size_t start = line.find_first_not_of(" \t", at);
    if (start == std::string::npos) break;
    const size_t end = std::min(line.find_first_of(" \t", start), line.size());
    const std::string word = line.substr(start, end - start);
    at = end;
    if (word == "-v") {
      parsed.verbose = true;
    } else if (word == "-d") {
      // Double dummy is the only way this solver plays.
    } else if (word.starts_with('-')) {
      parsed.fault = "unknown option " + word;
    } else if (!parsed.job_file.empty()) {
      parsed.fault = "more than one job file";
    } else {
      parsed.job_file = word;
    }
  }
  if (parsed.fault.empty() && parsed.job_file.empty()) parsed.fault = "no job file named";
  return parsed;
}

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& name) {
  std::FILE* file = std::fopen(name.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::string text;
  char block[4096];
  size_t n = 0;
  while ((n = std::fread(block, 1, sizeof block, file)) > 0) {
    text.append(block, n);
    if (text.size() > (1u << 20)) break;  // no job file is this long
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return text;
}

// Solves each new deal once and keeps the table for the jobs that follow with it.
class JobSolver {
 public:
  // The result for the job, or a fault in words.
  std::string Solve(const Job& job, int& north_south) {
    if (!cached_ || !(job.deal == cached_deal_)) {
      const std::string fault = SolveDeal(job.deal, table_);
      if (!fault.empty()) return fault;
      cached_deal_ = job.deal;
      cached_ = true;
    }
    north_south = NorthSouthTricks(table_, job.leader, job.strain);
    return "";
  }

 private:
  bool cached_ = false;
  Deal cached_deal_;
  TrickTable table_;
};

int Fail(std::FILE* out, std::FILE* err, const std::string& subject, const std::string& fault) {
  std::fflush(out);
  std::fprintf(err, "gib: %s: %s\n", subject.c_str(), fault.c_str());
  return 2;
}

}  // namespace

int RunGib(std::FILE* in, std::FILE* out, std::FILE* err) {
  InitSolver();
  JobSolver solver;
  while (const std::optional<std::string> line = ReadArgumentLine(in)) {
    std::fputs("Enter argument line: \r\n", out);
    const ArgumentLine arguments = ParseArguments(*line);
    if (!arguments.fault.empty()) {
      return Fail(out, err, "argument line \"" + *line + "\"", arguments.fault);
    }
    const std::optional<std::string> text = ReadWholeFile(arguments.job_file);
    if (!text) return Fail(out, err, arguments.job_file, "cannot read the job file");
    const JobOrFault parsed = ParseJobFile(*text);
    if (!parsed.fault.empty()) return Fail(out, err, arguments.job_file, parsed.fault);
    int north_south = 0;
    const std::string fault = solver.Solve(parsed.job, north_south);
    if (!fault.empty()) return Fail(out, err, arguments.job_file, fault);
    std::fprintf(out, "Tricks for NS: %d\r\n", north_south);
    if (arguments.verbose) {
      std::fprintf(out, "Deal: %s\r\nLeader: %c  Strain: %c\r\n", DealText(parsed.job.deal).c_str(),
                   parsed.job.leader, parsed.job.strain);
    }
  }
  std::fflush(out);
  return 0;
}

}  // namespace solver
