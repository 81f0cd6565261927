#pragma once

#include <functional>
#include <string>

#include "batch/output_file.h"
#include "batch/record_sink.h"

namespace batch {

// The input written back: every byte of every record as it was read, and in each analysed
// record the tags DoubleDummyTricks, OptimumResultTable (with its 20 rows), OptimumScore
// and ParContract right after the Deal tag line, in that order, ending in the Deal line's
// own line end; tags of those names that the record held (outside comments) are left out.
// Records that were not analysed are copied unchanged.
class PbnWriter : public RecordSink {
 public:
  // An optional text per record, placed as a "{...}" comment right after the par tags;
  // none when the hook is empty or returns an empty text. Its line ends ("\n") become the
  // record's.
  using Commentary = std::function<std::string(const AnalysedRecord&)>;

  explicit PbnWriter(const std::string& name, Commentary commentary = {});

  void Take(const ReadRecord& source, const AnalysedRecord* analysed) override;
  void Add(const AnalysedRecord& record) override;  // unused: Take writes every record
  void Finish() override;

 private:
  // The added lines of one record, each started by the line end.
  std::string AddedTags(const AnalysedRecord& record, const std::string& end) const;

  OutputFile file_;
  Commentary commentary_;
  std::string last_end_ = "\r\n";  // the line end to use when a record shows none
};

}  // namespace batch
