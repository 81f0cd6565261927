#include "solver/gib_session.h"

#include <cerrno>
#include <cstring>
#include <optional>

#include "runtime/line_end.h"
#include "solver/dd_solve.h"
#include "solver/job_file.h"
#include "solver/warm_solver.h"

namespace solver {
namespace {

constexpr std::string_view kBlanks = " \t";
// A job file is about a hundred bytes; anything much longer is not one.
constexpr size_t kLongestJobFile = 65536;

// An argument line is options and a file name; anything much longer is not one.
constexpr size_t kLongestArgumentLine = 65536;
// How much of an overlong line its fault quotes.
constexpr size_t kQuotedStart = 64;

// One input line without its line end; nothing at the end of the input. Of a line longer
// than kLongestArgumentLine only the first kLongestArgumentLine + 1 bytes are kept.
std::optional<std::string> ReadArgumentLine(std::FILE* in) {
  int c = std::getc(in);
  if (c == EOF) return std::nullopt;
  std::string line;
  while (c != EOF && !runtime::IsLineEnd(c)) {
    if (line.size() <= kLongestArgumentLine) line += static_cast<char>(c);
    c = std::getc(in);
  }
  // A CR LF is one line end; any other byte after a CR starts the next line.
  if (c == '\r') {
    const int next = std::getc(in);
    if (!runtime::ContinuesLineEnd(c, next) && next != EOF) std::ungetc(next, in);
  }
  return line;
}

// The whole job file, or the reason it cannot be read.
std::optional<std::string> ReadJobFile(const std::string& name, std::string& fault) {
  std::FILE* file = std::fopen(name.c_str(), "rb");
  if (file == nullptr) {
    fault = std::string("cannot open the job file: ") + std::strerror(errno);
    return std::nullopt;
  }
  // Read in blocks up to one byte past the limit, which is enough to tell a file too long.
  std::string text;
  char block[4096];
  size_t n = 0;
  while (text.size() <= kLongestJobFile && (n = std::fread(block, 1, sizeof block, file)) > 0) {
    text.append(block, n);
  }
  const int error = std::ferror(file) ? errno : 0;
  std::fclose(file);
  if (error != 0) {
    fault = std::string("cannot read the job file: ") + std::strerror(error);
    return std::nullopt;
  }
  if (text.size() > kLongestJobFile) {
    fault = "longer than " + std::to_string(kLongestJobFile) + " bytes: not a job file";
    return std::nullopt;
  }
  return text;
}

// Solves each new deal once and keeps its table for the jobs that follow with it.
class JobSolver {
 public:
  explicit JobSolver(Solving solving) : warm_(solving == Solving::kWarmFirst) {}

  // North-South's tricks for the job, or nothing with the fault in words.
  std::optional<int> Solve(const Job& job, std::string& fault) {
    if (!cached_ || !(job.deal == cached_deal_)) {
      cached_ = false;
      fault = SolveNew(job.deal);
      if (!fault.empty()) return std::nullopt;
      cached_deal_ = job.deal;
      cached_ = true;
    }
    return NorthSouthTricks(table_, job.leader, job.strain);
  }

 private:
  // The warm solver's answer when it gives one; this process's own solve otherwise.
  std::string SolveNew(const Deal& deal) {
    if (warm_) {
      std::string fault;
      const WarmAnswer answer = SolveWarm(deal, table_, fault);
      if (answer != WarmAnswer::kUnavailable) return fault;
      // Once unavailable, not tried again in this run.
      warm_ = false;
    }
    return SolveDeal(deal, table_);
  }

  bool warm_;
  bool cached_ = false;
  Deal cached_deal_;
  DdTable table_;
};

// Reads, checks and solves the job of one argument line; its result line (and echo)
// goes to `out`. A fault in words, or empty.
std::string AnswerJob(const ArgumentLine& arguments, JobSolver& solver, std::FILE* out) {
  std::string fault;
  const std::optional<std::string> text = ReadJobFile(arguments.job_file, fault);
  if (!text) return fault;
  const JobOrFault parsed = ParseJobFile(*text);
  if (!parsed.fault.empty()) return parsed.fault;
  const std::optional<int> north_south = solver.Solve(parsed.job, fault);
  if (!north_south) return fault;
  std::fprintf(out, "Tricks for NS: %d\r\n", *north_south);
  if (arguments.verbose) {
    std::fprintf(out, "Deal: %s\r\nLeader: %c  Strain: %c\r\n", DealText(parsed.job.deal).c_str(),
                 parsed.job.leader, parsed.job.strain);
  }
  return "";
}

// Ends the run: what `out` holds goes out first, then the fault's line.
int Fail(std::FILE* out, std::FILE* err, const std::string& subject, const std::string& fault) {
  std::fflush(out);
  std::fprintf(err, "gib: %s: %s\n", subject.c_str(), fault.c_str());
  std::fflush(err);
  return 2;
}

}  // namespace

ArgumentLine ParseArgumentLine(std::string_view line) {
  ArgumentLine parsed;
  for (size_t start = line.find_first_not_of(kBlanks); start != std::string_view::npos;
       start = line.find_first_not_of(kBlanks, start)) {
    const std::string_view word = line.substr(start, line.find_first_of(kBlanks, start) - start);
    start += word.size();
    if (word == "-v") {
      parsed.verbose = true;
    } else if (word == "-d") {
      // Double dummy is the only way this solver plays.
    } else if (word.starts_with('-')) {
      parsed.fault = "unknown option " + std::string(word);
      return parsed;
    } else if (!parsed.job_file.empty()) {
      parsed.fault = "more than one job file";
      return parsed;
    } else {
      parsed.job_file = word;
    }
  }
  if (parsed.job_file.empty()) parsed.fault = "no job file named";
  return parsed;
}

int RunGib(std::FILE* in, std::FILE* out, std::FILE* err, Solving solving) {
  JobSolver solver(solving);
  while (const std::optional<std::string> line = ReadArgumentLine(in)) {
    if (line->find_first_not_of(kBlanks) == std::string::npos) continue;
    std::fputs("Enter argument line: \r\n", out);
    if (line->size() > kLongestArgumentLine) {
      return Fail(
          out, err, "argument line \"" + line->substr(0, kQuotedStart) + "...\"",
          "longer than " + std::to_string(kLongestArgumentLine) + " bytes: not an argument line");
    }
    const ArgumentLine arguments = ParseArgumentLine(*line);
    if (!arguments.fault.empty()) {
      return Fail(out, err, "argument line \"" + *line + "\"", arguments.fault);
    }
    const std::string fault = AnswerJob(arguments, solver, out);
    if (!fault.empty()) return Fail(out, err, arguments.job_file, fault);
  }
  if (std::fflush(out) != 0 || std::ferror(out)) {
    return Fail(out, err, "standard output", std::strerror(errno));
  }
  return 0;
}

}  // namespace solver
