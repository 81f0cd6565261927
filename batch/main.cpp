// dealmint-batch: every deal of whole PBN files solved once, the table and par written
// back into the PBN, and optionally dealmint's par file, JSON lines and hand records.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "batch/hand_record.h"
#include "batch/json_writer.h"
#include "batch/options.h"
#include "batch/output_file.h"
#include "batch/par_explanation.h"
#include "batch/par_writer.h"
#include "batch/pbn_writer.h"
#include "batch/pipeline.h"
#include "batch/progress.h"
#include "batch/record_reader.h"
#include "batch/table_cache.h"
#include "batch/table_solver.h"

namespace {

using namespace batch;

Progress* progress_line = nullptr;

void Report(const std::string& message) {
  if (progress_line != nullptr) progress_line->Finish();
  std::fprintf(stderr, "%s\n", message.c_str());
}

// True when both names lead to one existing file.
bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {
  }, sb{};
  return a != "-" && b != "-" && ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 &&
         sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// Refuses outputs that would overwrite an input before it is read.
void CheckOutputs(const Options& options) {
  for (const std::string& input : options.inputs) {
    for (const std::string* output :
         {&options.output, &options.par, &options.json, &options.html}) {
      if (!output->empty() && SameFile(input, *output)) {
        FatalStop(*output + ": is also an input; it would be overwritten before it is read", 2);
      }
    }
  }
}

std::unique_ptr<TableCache> OpenCache(const Options& options) {
  if (options.no_cache) return nullptr;
  const std::string path = options.cache.empty() ? DefaultCachePath() : options.cache;
  std::string warning = "no home directory for the table cache; going on without it";
  std::unique_ptr<TableCache> cache = path.empty() ? nullptr : TableCache::Open(path, warning);
  if (cache == nullptr) Report("dealmint-batch: warning: " + warning);
  return cache;
}

uint64_t TotalBytes(const std::vector<std::string>& inputs) {
  uint64_t total = 0;
  for (const std::string& input : inputs) {
    struct stat st {};
    if (input == "-" || ::stat(input.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
    total += static_cast<uint64_t>(st.st_size);
  }
  return total;
}

// Reads one input through the pipeline; false when it could not be read to its end.
bool ReadInput(const std::string& input, Pipeline& pipeline, Progress& progress,
               uint64_t& bytes_before) {
  const int fd = input == "-" ? STDIN_FILENO : ::open(input.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    Report("dealmint-batch: " + input + ": " + std::strerror(errno));
    return false;
  }
  RecordReader reader(fd, input);
  ReadRecord record;
  while (reader.Next(record)) {
    pipeline.Add(std::move(record));
    progress.Update(pipeline.counts(), bytes_before + reader.bytes_read());
  }
  bytes_before += reader.bytes_read();
  if (fd != STDIN_FILENO) ::close(fd);
  if (reader.error().empty()) return true;
  Report("dealmint-batch: " + input + ": " + reader.error());
  return false;
}

int Run(const Options& options) {
  CheckOutputs(options);
  std::vector<std::unique_ptr<RecordSink>> sinks;
  sinks.push_back(std::make_unique<PbnWriter>(
      options.output, options.explain ? PbnWriter::Commentary(ExplanationCommentary) : nullptr));
  if (!options.par.empty()) sinks.push_back(std::make_unique<ParWriter>(options.par));
  if (!options.json.empty()) {
    sinks.push_back(std::make_unique<JsonWriter>(options.json, [](const AnalysedRecord& record) {
      return RecordExplanation(record, SuitStyle::Symbols);
    }));
  }
  if (!options.html.empty()) sinks.push_back(std::make_unique<HandRecordWriter>(options.html));
  std::vector<RecordSink*> sink_list;
  for (const auto& sink : sinks) sink_list.push_back(sink.get());

  const std::unique_ptr<TableCache> cache = OpenCache(options);
  TableSolver solver(options.threads);
  Pipeline pipeline(solver, cache.get(), sink_list, Report);
  Progress progress(!options.quiet && isatty(STDERR_FILENO), TotalBytes(options.inputs));
  progress_line = &progress;
  bool inputs_read = true;
  uint64_t bytes = 0;
  for (const std::string& input : options.inputs) {
    inputs_read = ReadInput(input, pipeline, progress, bytes) && inputs_read;
  }
  pipeline.Flush();
  progress.Finish();
  for (const auto& sink : sinks) sink->Finish();
  const RunCounts& counts = pipeline.counts();
  if (!options.quiet) {
    std::fprintf(stderr,
                 "dealmint-batch: %llu records, %llu analysed, %llu left out; %llu deals solved, "
                 "%llu from the cache\n",
                 static_cast<unsigned long long>(counts.records),
                 static_cast<unsigned long long>(counts.analysed),
                 static_cast<unsigned long long>(counts.left_out),
                 static_cast<unsigned long long>(counts.solved),
                 static_cast<unsigned long long>(counts.from_cache));
  }
  return counts.left_out == 0 && inputs_read ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  batch::Options options;
  const std::string fault =
      batch::ParseOptions(std::vector<std::string>(argv + 1, argv + argc), options);
  if (!fault.empty()) {
    batch::FatalStop(fault + "\nTry 'dealmint-batch --help'.", 2);
  }
  if (options.help || options.version) {
    std::fputs(options.help ? batch::UsageText().c_str() : "dealmint-batch 1.0.0\n", stdout);
    return 0;
  }
  // The solver library, once loaded, cannot be torn down by exit.
  batch::EndProcess(Run(options));
}
