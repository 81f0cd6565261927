#include "batch/record_reader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "bridge/chairs.h"
#include "pbn/board_reader.h"
#include "pbn/hands.h"
#include "runtime/text.h"
#include "solver/job_file.h"
#include "util/string_helpers.h"

namespace batch {
namespace {

constexpr size_t kReadBlock = 65536;
constexpr char kStopByte = 26;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The upper-cased tag name of a line whose first non-blank character is '[', else empty.
std::string TagName(std::string_view visible) {
  const size_t open = visible.find_first_not_of(" \t");
  if (open == std::string_view::npos || visible[open] != '[') return "";
  std::string name;
  for (size_t i = open + 1; i < visible.size() && visible[i] != ' ' && visible[i] != '\t'; ++i) {
    name +=
        static_cast<char>(visible[i] >= 'a' && visible[i] <= 'z' ? visible[i] - 32 : visible[i]);
  }
  return name;
}

// The text between the first and the last double quote of a tag line.
std::string TagValue(std::string_view visible) {
  const size_t first = visible.find('"');
  const size_t last = visible.rfind('"');
  if (first == std::string_view::npos || last <= first) return "";
  return std::string(visible.substr(first + 1, last - first - 1));
}

bool IsBlank(std::string_view text) {
  runtime::Text line{text};
  util::NoLeadBlanks(line);
  return line.empty();
}

bool IsReplacedTag(const std::string& tag) {
  return tag == "DOUBLEDUMMYTRICKS" || tag == "OPTIMUMRESULTTABLE" || tag == "OPTIMUMSCORE" ||
         tag == "PARCONTRACT";
}

// A row of a table section: a line that is neither a tag, a comment nor blank.
bool IsTableRow(std::string_view visible) {
  const size_t first = visible.find_first_not_of(" \t");
  return first != std::string_view::npos &&
         std::string_view("[{%;").find(visible[first]) == std::string_view::npos;
}

std::string Located(const ReadRecord& record, int64_t line, const std::string& message) {
  const int16_t number = pbn::BoardRecord.Number;
  return record.file + ":" + std::to_string(line) + ": board " +
         (number >= 1 ? std::to_string(number) : std::string("?")) + ": " + message;
}

// The deal of the hand table, checked, as the solver's deal; the fault in words or empty.
std::string CheckedDeal(solver::Deal& deal) {
  constexpr struct {
    int16_t chair;
    char seat;
    const char* name;
  } kSeats[] = {{bridge::kNorth, 'n', "north"},
                {bridge::kEast, 'e', "east"},
                {bridge::kSouth, 's', "south"},
                {bridge::kWest, 'w', "west"}};
  for (const auto& s : kSeats) {
    const std::string fault = solver::AddHand(pbn::HandText(s.chair).view(), s.seat, deal);
    if (!fault.empty()) return std::string("Bad deal: ") + s.name + "'s hand: " + fault;
  }
  return "";
}

// Holdings [chair][suit] from a canonical deal text "N:n e s w", ranks in upper case.
void FillHands(const std::string& key, AnalysedRecord& record) {
  size_t position = 2;
  for (const int16_t chair : bridge::kClockwise) {
    for (int suit = 1; suit <= 4; ++suit) {
      const size_t end = key.find_first_of(". ", position);
      record.hands[chair][suit] = key.substr(position, end - position);
      position = end == std::string::npos ? key.size() : end + 1;
    }
  }
}

// The vulnerability or dealer that the record lacks, from its board number, with a
// warning; false, with the record's fault set, when it has no board number either.
bool DeriveMissing(ReadRecord& record, int64_t line) {
  pbn::TBoardRecord& board = pbn::BoardRecord;
  const bool no_dealer =
      board.Dealer != 'N' && board.Dealer != 'E' && board.Dealer != 'S' && board.Dealer != 'W';
  for (const auto& [missing, tag] :
       {std::pair{board.Vulnerability == 0, "Vulnerable"}, std::pair{no_dealer, "Dealer"}}) {
    if (!missing) continue;
    if (board.Number < 1) {
      record.fault = Located(record, line, std::string("No ") + tag + " tag and no board number");
      return false;
    }
    record.warnings.push_back(Located(
        record, line, std::string("warning: no ") + tag + " tag, taken from the board number"));
  }
  if (board.Vulnerability == 0) board.Vulnerability = RotationVulnerability(board.Number);
  pbn::DeriveDealer();
  return true;
}

// Fills in the analysed record of a record whose tags were all sound and that holds a
// Deal tag, or sets its fault.
void Complete(ReadRecord& record, AnalysedRecord analysed) {
  const int64_t line = record.first_line + static_cast<int64_t>(*record.deal_line);
  if (!DeriveMissing(record, line)) return;
  solver::Deal deal;
  const std::string fault = CheckedDeal(deal);
  if (!fault.empty()) {
    record.fault = Located(record, line, fault);
    return;
  }
  record.deal_key = solver::DealText(deal);
  const pbn::TBoardRecord& board = pbn::BoardRecord;
  analysed.file = record.file;
  analysed.line = record.first_line;
  analysed.board = board.Number >= 1 ? board.Number : 0;
  analysed.dealer = *bridge::ChairOfLetter(board.Dealer);
  analysed.vulnerability = board.Vulnerability;
  FillHands(record.deal_key, analysed);
  record.record = std::move(analysed);
}

// The PBN standard's other spellings of no vulnerability, which the reader refuses.
bool IsOtherNone(const std::string& tag, std::string_view visible) {
  if (tag != "VULNERABLE") return false;
  const std::string value = util::UpperCaseFunc(runtime::Text(TagValue(visible))).str();
  return value == "-" || value == "LOVE";
}

}  // namespace

std::string VisibleText(std::string_view line, bool& in_comment) {
  std::string visible;
  bool in_quote = false;
  for (const char c : line) {
    if (in_comment) {
      in_comment = c != '}';
      continue;
    }
    if (c == '"') in_quote = !in_quote;
    if (!in_quote && c == '{') {
      in_comment = true;
      continue;
    }
    if (!in_quote && c == ';') break;
    visible += c;
  }
  return visible;
}

char RotationVulnerability(int number) {
  constexpr char kRotation[] = "-NEBNEB-EB-NB-NE";
  return kRotation[(number - 1) % 16];
}

RecordReader::RecordReader(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}

bool RecordReader::Fill() {
  if (position_ < buffer_.size()) return true;
  if (at_end_) return false;
  buffer_.resize(kReadBlock);
  position_ = 0;
  for (;;) {
    const ssize_t n = ::read(fd_, buffer_.data(), kReadBlock);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error_ = std::strerror(errno);
    buffer_.resize(n > 0 ? static_cast<size_t>(n) : 0);
    bytes_read_ += buffer_.size();
    at_end_ = n <= 0;
    return n > 0;
  }
}

bool RecordReader::NextLine(SourceLine& line) {
  line.text.clear();
  line.end.clear();
  if (!Fill()) return false;
  while (Fill()) {
    const char c = buffer_[position_];
    if (c == '\n' || c == '\r') {
      line.end = c;
      ++position_;
      if (c == '\r' && Fill() && buffer_[position_] == '\n') {
        line.end += '\n';
        ++position_;
      }
      break;
    }
    line.text += c;
    ++position_;
  }
  ++line_number_;
  return true;
}

bool RecordReader::Next(ReadRecord& record) {
  record = ReadRecord{};
  record.file = name_;
  SourceLine line;
  while (NextLine(line)) {
    if (record.lines.empty()) record.first_line = line_number_;
    const bool blank = IsBlank(line.text);
    record.lines.push_back(std::move(line));
    if (blank) break;
  }
  if (record.lines.empty()) return false;
  record.replaced.assign(record.lines.size(), false);
  if (!after_stop_byte_) Analyse(record);
  return true;
}

void RecordReader::Analyse(ReadRecord& record) {
  pbn::ClearBoard();
  pbn::BoardRecord.Vulnerability = 0;
  int64_t fault_line = 0;
  runtime::Text fault;
  AnalysedRecord analysed;
  bool in_table = false;
  for (size_t i = 0; i < record.lines.size() && !after_stop_byte_; ++i) {
    std::string_view text = record.lines[i].text;
    if (record.first_line + static_cast<int64_t>(i) == 1 && text.starts_with(kByteOrderMark)) {
      text.remove_prefix(kByteOrderMark.size());
    }
    const size_t stop = text.find(kStopByte);
    if (stop != std::string_view::npos) {
      text = text.substr(0, stop);
      after_stop_byte_ = true;
    }
    const std::string visible = VisibleText(text, in_comment_);
    const std::string tag = TagName(visible);
    in_table = (in_table && tag.empty() && IsTableRow(visible)) || tag == "OPTIMUMRESULTTABLE";
    record.replaced[i] = in_table || IsReplacedTag(tag);
    if (tag == "DEAL") record.deal_line = i;
    if (tag == "EVENT" || tag == "SITE" || tag == "DATE") {
      std::string& field = tag == "EVENT"  ? analysed.event
                           : tag == "SITE" ? analysed.site
                                           : analysed.date;
      field = TagValue(visible);
    }
    if (fault_line != 0 || IsBlank(visible)) continue;
    if (IsOtherNone(tag, visible)) {
      pbn::BoardRecord.Vulnerability = '-';
    } else if (pbn::TakeBoardLine(runtime::Text(visible), fault) == pbn::LineTaken::kFault) {
      fault_line = record.first_line + static_cast<int64_t>(i);
    }
  }
  if (fault_line != 0) {
    record.fault = Located(record, fault_line, fault.str());
    return;
  }
  if (record.deal_line) Complete(record, std::move(analysed));
}

}  // namespace batch
