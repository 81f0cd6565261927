#include "batch/json_writer.h"

#include <nlohmann/json.hpp>

#include "batch/par_text.h"
#include "batch/seat_text.h"
#include "bridge/chairs.h"

namespace batch {
namespace {

std::string VulnerabilityName(char vulnerability) {
  switch (vulnerability) {
    case 'N':
      return "NS";
    case 'E':
      return "EW";
    case 'B':
      return "All";
    default:
      return "None";
  }
}

std::string CanonicalDeal(const AnalysedRecord& record) {
  std::string deal = "N:";
  for (const int16_t chair : bridge::kClockwise) {
    if (chair != bridge::kNorth) deal += ' ';
    deal += record.hands[chair][1] + '.' + record.hands[chair][2] + '.' + record.hands[chair][3] +
            '.' + record.hands[chair][4];
  }
  return deal;
}

}  // namespace

std::string RecordJson(const AnalysedRecord& record, const std::string& explanation) {
  nlohmann::ordered_json tricks = nlohmann::ordered_json::object();
  constexpr std::pair<int16_t, const char*> kStrains[] = {{bridge::kNotrump, "NT"},
                                                          {bridge::kSpades, "S"},
                                                          {bridge::kHearts, "H"},
                                                          {bridge::kDiamonds, "D"},
                                                          {bridge::kClubs, "C"}};
  for (int16_t chair = 1; chair <= 4; ++chair) {
    nlohmann::ordered_json row = nlohmann::ordered_json::object();
    for (const auto& [strain, name] : kStrains) row[name] = record.tricks[chair][strain];
    tricks[std::string(1, SeatLetter(chair))] = row;
  }
  nlohmann::ordered_json json = {
      {"file", record.file},
      {"line", record.line},
      {"board", record.board >= 1 ? nlohmann::ordered_json(record.board) : nullptr},
      {"dealer", std::string(1, SeatLetter(record.dealer))},
      {"vulnerability", VulnerabilityName(record.vulnerability)},
      {"deal", CanonicalDeal(record)},
      {"event", record.event},
      {"site", record.site},
      {"date", record.date},
      {"tricks", tricks},
      {"double_dummy_tricks", DoubleDummyTricksText(record.tricks)},
      {"par_score", record.par.ParScore},
      {"optimum_score", OptimumScoreText(record.par.ParScore)},
      {"par_contract", ParContractText(record.par, record.tricks)}};
  if (!explanation.empty()) json["explanation"] = explanation;
  // Texts from the input need not be UTF-8: bytes that are not are replaced, not fatal.
  return json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

void JsonWriter::Add(const AnalysedRecord& record) {
  file_.Write(RecordJson(record, explanation_ ? explanation_(record) : "") + "\n");
}

}  // namespace batch
