#include "batch/pipeline.h"

#include "driver/par_search.h"

namespace batch {
namespace {

// Tables kept in memory, so that a deal met again soon (the same board at many tables)
// is not even looked up in the cache file; the oldest go first.
constexpr size_t kRecentTables = 8192;
// Records held at most while their deals wait for a solve.
constexpr size_t kMaxHeld = 4096;

}  // namespace

Pipeline::Pipeline(TableSolver& solver, TableCache* cache, std::vector<RecordSink*> sinks,
                   Report report)
    : solver_(solver), cache_(cache), sinks_(std::move(sinks)), report_(report) {}

bool Pipeline::Lookup(const std::string& deal, driver::TTricks& tricks) {
  if (const auto found = recent_.find(deal); found != recent_.end()) {
    tricks = found->second;
    return true;
  }
  if (cache_ == nullptr) return false;
  const std::optional<driver::TTricks> cached = cache_->Find(deal);
  if (const std::string warning = cache_->TakeWarning(); !warning.empty()) {
    report_("warning: " + warning);
  }
  if (!cached) return false;
  tricks = *cached;
  ++counts_.from_cache;
  Remember(deal, tricks);
  return true;
}

void Pipeline::Remember(const std::string& deal, const driver::TTricks& tricks) {
  if (!recent_.emplace(deal, tricks).second) return;
  recent_order_.push_back(deal);
  if (recent_order_.size() > kRecentTables) {
    recent_.erase(recent_order_.front());
    recent_order_.pop_front();
  }
}

void Pipeline::Add(ReadRecord record) {
  ++counts_.records;
  for (const std::string& warning : record.warnings) report_(warning);
  if (!record.fault.empty()) {
    report_(record.fault);
    ++counts_.left_out;
  }
  if (record.record && !waiting_set_.contains(record.deal_key) &&
      !Lookup(record.deal_key, record.record->tricks)) {
    waiting_.push_back(record.deal_key);
    waiting_set_.insert(record.deal_key);
  }
  const bool waits = record.record && waiting_set_.contains(record.deal_key);
  if (held_.empty() && !waits) {
    Emit(record);
    return;
  }
  held_.push_back(std::move(record));
  if (waiting_.size() >= kDealsPerCall || held_.size() >= kMaxHeld) Flush();
}

void Pipeline::SolveWaiting() {
  if (waiting_.empty()) return;
  std::vector<driver::TTricks> tables;
  const std::string fault = solver_.Solve(waiting_, tables);
  if (fault.empty()) {
    counts_.solved += waiting_.size();
    if (cache_ != nullptr) {
      cache_->Store(waiting_, tables);
      if (const std::string warning = cache_->TakeWarning(); !warning.empty()) {
        report_("warning: " + warning);
      }
    }
    for (size_t i = 0; i < waiting_.size(); ++i) Remember(waiting_[i], tables[i]);
  }
  for (ReadRecord& record : held_) {
    if (!record.record || !waiting_set_.contains(record.deal_key)) continue;
    const auto found = recent_.find(record.deal_key);
    if (fault.empty() && found != recent_.end()) {
      record.record->tricks = found->second;
      continue;
    }
    record.fault = record.file + ":" + std::to_string(record.first_line) + ": board " +
                   std::to_string(record.record->board) + ": " +
                   (fault.empty() ? std::string("table lost") : fault);
    report_(record.fault);
    ++counts_.left_out;
    record.record.reset();
  }
  waiting_.clear();
  waiting_set_.clear();
}

void Pipeline::Flush() {
  SolveWaiting();
  for (ReadRecord& record : held_) Emit(record);
  held_.clear();
}

void Pipeline::Emit(ReadRecord& record) {
  AnalysedRecord* analysed = record.record ? &*record.record : nullptr;
  if (analysed != nullptr) {
    analysed->par = driver::ParOf(driver::ScoresOf(analysed->tricks, analysed->vulnerability),
                                  analysed->dealer);
    ++counts_.analysed;
  }
  for (RecordSink* sink : sinks_) sink->Take(record, analysed);
}

}  // namespace batch
