#include "batch/pbn_writer.h"

#include "batch/par_text.h"

namespace batch {

PbnWriter::PbnWriter(const std::string& name, Commentary commentary)
    : file_(name), commentary_(std::move(commentary)) {}

std::string PbnWriter::AddedTags(const AnalysedRecord& record, const std::string& end) const {
  std::string added = end + "[DoubleDummyTricks \"" + DoubleDummyTricksText(record.tricks) + "\"]" +
                      end + "[OptimumResultTable \"" + kOptimumResultColumns + "\"]";
  for (const std::string& row : OptimumResultRows(record.tricks)) added += end + row;
  added += end + "[OptimumScore \"" + OptimumScoreText(record.par.ParScore) + "\"]";
  added += end + "[ParContract \"" + ParContractText(record.par, record.tricks) + "\"]";
  if (commentary_) {
    const std::string text = commentary_(record);
    if (!text.empty()) {
      added += end + "{";
      for (const char c : text) {
        if (c == '\n') {
          added += end;
        } else {
          added += c;
        }
      }
      added += "}";
    }
  }
  return added;
}

void PbnWriter::Take(const ReadRecord& source, const AnalysedRecord* analysed) {
  for (size_t i = 0; i < source.lines.size(); ++i) {
    const SourceLine& line = source.lines[i];
    if (!line.end.empty()) last_end_ = line.end;
    if (analysed != nullptr && source.replaced[i]) continue;
    file_.Write(line.text);
    if (analysed != nullptr && source.deal_line == i) {
      file_.Write(AddedTags(*analysed, line.end.empty() ? last_end_ : line.end));
    }
    file_.Write(line.end);
  }
}

void PbnWriter::Add(const AnalysedRecord&) {}

void PbnWriter::Finish() { file_.Close(); }

}  // namespace batch
