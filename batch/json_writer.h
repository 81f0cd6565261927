#pragma once

#include <functional>
#include <string>

#include "batch/output_file.h"
#include "batch/record_sink.h"

namespace batch {

// One JSON object per analysed record, each on a line of its own (LF): "file", "line",
// "board" (null without a Board tag), "dealer" ("N"...), "vulnerability" ("None", "NS",
// "EW", "All"), "deal" (canonical, "N:" then N, E, S, W), "event", "site", "date",
// "tricks" ({"N": {"NT": 7, "S": ..., "H", "D", "C"}, "S", "E", "W"}),
// "double_dummy_tricks" (the tag's text), "par_score" (North-South's view),
// "optimum_score" and "par_contract" (the tags' texts), and "explanation" when the hook
// gives a text.
class JsonWriter : public RecordSink {
 public:
  using Explanation = std::function<std::string(const AnalysedRecord&)>;

  explicit JsonWriter(const std::string& name, Explanation explanation = {})
      : file_(name), explanation_(std::move(explanation)) {}

  void Add(const AnalysedRecord& record) override;
  void Finish() override { file_.Close(); }

 private:
  OutputFile file_;
  Explanation explanation_;
};

// Pure: the JSON text of one record as JsonWriter writes it, without the line end.
std::string RecordJson(const AnalysedRecord& record, const std::string& explanation = "");

}  // namespace batch
