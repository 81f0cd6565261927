#include "pbn/board_reader.h"

#include <string_view>

#include "bridge/chairs.h"
#include "pbn/hands.h"
#include "runtime/integer_text.h"
#include "runtime/letter_case.h"
#include "util/run_abort.h"
#include "util/string_helpers.h"

namespace pbn {
namespace {

using runtime::Text;

// Removes up to count characters from the end.
void DropLast(Text& s, size_t count) { s.Resize(s.length() > count ? s.length() - count : 0); }

bool StartsWith(const Text& s, std::string_view prefix) { return s.view().starts_with(prefix); }

// The Deal tag: the first seat letter after the quote, then four hands clockwise.
void LoadDeal(Text rest) {
  char seat = rest.length() >= 2 ? rest[1] : ' ';
  rest.Erase(0, 3);
  DropLast(rest, 2);
  Text hand;
  for (int i = 1; i <= 4; ++i) {
    util::PopFirstWord(rest, hand);
    LoadHand(seat, hand);
    if (i < 4) seat = NextHand(seat);
  }
}

// Acts on one tag line; false when the line is blank.
bool TakeTagLine(Text line) {
  util::NoLeadBlanks(line);
  if (line.empty()) return false;
  BoardRecord.Found = true;
  util::UpperCase(line);
  Text tag;
  util::PopFirstWord(line, tag);
  util::NoLeadBlanks(line);
  Text quoted;
  if (tag == "[BOARD") {
    const std::optional<int16_t> number = BoardNumberOf(line, quoted);
    if (!number) util::RunAbort("Error decoding board number: " + quoted);
    BoardRecord.Number = *number;
  } else if (tag == "[VULNERABLE") {
    const std::optional<char> vulnerability = VulnerabilityOf(line);
    if (!vulnerability) util::RunAbort("Unrecognized vulnerability: " + line);
    BoardRecord.Vulnerability = *vulnerability;
  } else if (tag == "[DEALER") {
    const std::optional<char> dealer = DealerOf(line);
    if (!dealer) util::RunAbort("Unrecognized dealer: " + line);
    BoardRecord.Dealer = *dealer;
  } else if (tag == "[DEAL") {
    LoadDeal(line);
  } else if (tag == "[SCORE") {
    const std::optional<int16_t> score = ScoreOf(line, quoted);
    if (!score) util::RunAbort("Error decoding score: " + quoted);
    BoardRecord.Score = *score;
  }
  return true;
}

// Dealer from the board number when no tag gave one: 1 N, 2 E, 3 S, 0 W.
void DeriveDealer() {
  const char d = BoardRecord.Dealer;
  if (d == 'N' || d == 'E' || d == 'S' || d == 'W') return;
  const int remainder = BoardRecord.Number % 4;  // keeps the sign: -1 stays without dealer
  if (remainder < 0) return;
  BoardRecord.Dealer = runtime::UpperCaseOf(bridge::ChairToChar(bridge::DealerOfBoard(remainder)));
}

}  // namespace

void ResetBoardRecord() { BoardRecord = TBoardRecord{}; }

void ClearBoard() {
  ClearHands();
  BoardRecord.Dealer = ' ';
  BoardRecord.Number = -1;
  BoardRecord.Found = false;
}

std::optional<int16_t> BoardNumberOf(const Text& rest, Text& quoted) {
  Text value = rest;
  util::PopFirstWord(value, quoted);
  quoted.Erase(0, 1);  // the opening quote
  // The closing quote and bracket, whatever they are; but where a blank cut the value
  // short (`"12" ]`, `"123 "]`) they are digits, and the rest would be another number.
  const size_t length = quoted.length();
  for (size_t i = length > 2 ? length - 2 : 0; i < length; ++i) {
    if (quoted[i] >= '0' && quoted[i] <= '9') {
      quoted = Text();
      return std::nullopt;
    }
  }
  DropLast(quoted, 2);
  const std::optional<int32_t> number = runtime::TextToInteger(quoted.view());
  // Keeping the low 16 bits of a larger number would file it under another board.
  if (!number || *number < 1 || *number > bridge::kMaxBoardNumber) return std::nullopt;
  return static_cast<int16_t>(*number);
}

std::optional<char> VulnerabilityOf(const Text& rest) {
  const struct {
    const char* keyword;
    char stored;
  } keywords[] = {{"NONE", '-'}, {"NS", 'N'}, {"EW", 'E'}, {"ALL", 'B'}, {"BOTH", 'B'}};
  for (const auto& k : keywords) {
    if (rest.view().find(k.keyword) == 1) return k.stored;
  }
  return std::nullopt;
}

std::optional<char> DealerOf(const Text& rest) {
  for (const char letter : {'N', 'S', 'E', 'W'}) {
    if (rest.view().find(letter) == 1) return letter;
  }
  return std::nullopt;
}

std::optional<int16_t> ScoreOf(const Text& rest, Text& quoted) {
  quoted = rest;
  quoted.Erase(0, 1);
  util::NoTrailBlanks(quoted);
  DropLast(quoted, 2);
  util::NoLeadBlanks(quoted);
  if (StartsWith(quoted, "NS")) quoted.Erase(0, 2);
  util::NoLeadBlanks(quoted);
  const bool east_west = StartsWith(quoted, "EW");
  if (east_west) quoted.Erase(0, 2);
  util::NoLeadBlanks(quoted);
  if (StartsWith(quoted, "+")) quoted.Erase(0, 1);
  const std::optional<int32_t> value = runtime::TextToInteger(quoted.view());
  if (!value) return std::nullopt;
  const auto score = static_cast<int16_t>(*value);
  return east_west ? static_cast<int16_t>(-score) : score;
}

std::string_view SkipByteOrderMark(runtime::TextFile& pbn_file) {
  if (pbn_file.SkipPrefix("\xEF\xBB\xBF")) return {};
  if (pbn_file.SkipPrefix("\xFF\xFE")) return "UTF-16LE";
  if (pbn_file.SkipPrefix("\xFE\xFF")) return "UTF-16BE";
  return {};
}

void ReadBoard(runtime::TextFile& pbn_file) {
  bool at_end = false;
  bool blank = false;
  while (!blank && !at_end) {
    const Text line = pbn_file.TakeLine();
    at_end = pbn_file.Eof();
    blank = !TakeTagLine(line);
  }
  DeriveDealer();
  BoardRecord.AtEof = at_end;
}

}  // namespace pbn
