#pragma once

#include <bitset>
#include <string>

#include "batch/output_file.h"
#include "batch/record_sink.h"

namespace batch {

// The par file as dealmint writes it: for each board number first met, its par line
// (driver::ParLineText) and CR LF; later records of a board number, and records without
// one, add nothing.
class ParWriter : public RecordSink {
 public:
  explicit ParWriter(const std::string& name) : file_(name) {}

  void Add(const AnalysedRecord& record) override;
  void Finish() override { file_.Close(); }

 private:
  OutputFile file_;
  std::bitset<32768> written_;
};

}  // namespace batch
