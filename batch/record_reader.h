#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "batch/analysed_record.h"

namespace batch {

// One line of the input as it stood: its bytes without the line end, and the line end
// ("\r\n", "\n", "\r", or empty on a last line without one).
struct SourceLine {
  std::string text;
  std::string end;
};

// One record of the input: its lines up to and including a blank line (blanks only) or
// the end of the input, as dealmint's reader cuts them, and what reading them gave.
struct ReadRecord {
  std::string file;
  int64_t first_line = 0;  // number of lines[0] in its file, from 1
  std::vector<SourceLine> lines;
  // Lines holding a tag that the written-back PBN replaces (DoubleDummyTricks,
  // OptimumResultTable with its rows, OptimumScore, ParContract), outside comments.
  std::vector<bool> replaced;
  // Index of the last Deal tag line outside comments, when there is one.
  std::optional<size_t> deal_line;
  // Set when the record was analysed: every field but tricks and par filled.
  std::optional<AnalysedRecord> record;
  std::string deal_key;  // the deal in canonical form ("N:" + four hands), when analysed
  // When the record was left out: the located message "FILE:LINE: board N: message".
  std::string fault;
  // Located warnings ("... : warning: ..."), for records analysed or not.
  std::vector<std::string> warnings;
};

// Reads the records of one input, each line once, holding one record at a time. Uses the
// PBN reader's tag decoding and deal loading (pbn/), with these differences: a UTF-8
// byte-order mark before the first line is skipped; text inside { } comments (which may
// span lines) and after a ';' is not read as tags; a record without a Vulnerable tag takes
// the vulnerability of its board number in the 16-board rotation, and one without a Dealer
// tag the dealer (both with a warning), instead of keeping an earlier record's; a deal is
// checked for 52 different cards, thirteen a hand; "-" and "Love" are read as no
// vulnerability. A byte 26 ends what is read; the bytes after it come back in records
// that are not analysed. Uses pbn::BoardRecord and pbn::Hands, so one reader reads at a
// time.
class RecordReader {
 public:
  // Reads from the open descriptor fd, which it does not close; name is the input's name
  // in records and messages ("-" for standard input).
  RecordReader(int fd, std::string name);

  // The next record; false when the input is used up. A failed read ends the input, and
  // error() then tells why.
  bool Next(ReadRecord& record);

  const std::string& error() const { return error_; }
  // Bytes taken from the input so far.
  uint64_t bytes_read() const { return bytes_read_; }

 private:
  // The next line with its end; false at the end of the input.
  bool NextLine(SourceLine& line);
  bool Fill();
  void Analyse(ReadRecord& record);

  int fd_;
  std::string name_;
  std::string buffer_;
  size_t position_ = 0;
  bool at_end_ = false;
  bool after_stop_byte_ = false;  // a byte 26 was met: nothing more is analysed
  bool in_comment_ = false;
  int64_t line_number_ = 0;
  uint64_t bytes_read_ = 0;
  std::string error_;
};

// Pure: the bytes of a line that are tag text: outside { } comments (in_comment carries
// the state from line to line) and before a ';' comment; braces and ';' inside a quoted
// value do not count.
std::string VisibleText(std::string_view line, bool& in_comment);

// Pure: the vulnerability of a board number in the usual 16-board rotation: '-' nobody,
// 'N' North-South, 'E' East-West, 'B' both. Expects a number from 1.
char RotationVulnerability(int number);

}  // namespace batch
