#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "runtime/text.h"
#include "runtime/text_file.h"

namespace pbn {

// The board being read. At program start every field is zero (character code 0).
struct TBoardRecord {
  char Dealer = 0;         // 'N', 'E', 'S', 'W'; a blank until set
  char Vulnerability = 0;  // '-', 'N' (North-South), 'E' (East-West), 'B'; kept across boards
  int16_t Number = 0;      // the board number; -1 until set
  bool AtEof = false;      // the file was at its end after the last line read
  bool Found = false;      // a non-blank line was read since ClearBoard
  int16_t Score = 0;       // the Score tag, North-South's view; kept across boards
};
inline TBoardRecord BoardRecord{};

// All fields back to zero, as at program start; for tests.
void ResetBoardRecord();

// The per-board reset: ClearHands, Dealer blank, Number -1, Found false; Vulnerability,
// Score and AtEof stay.
void ClearBoard();

// Reads lines up to and including a blank line (blanks only), or to the end of the file,
// upper-cases each and takes the Board, Vulnerable, Dealer, Deal and Score tags into
// BoardRecord and Hands; other lines are passed over. Without a Dealer tag the dealer
// follows from the board number (1 N, 2 E, 3 S, 4 W, ...). Stops through RunAbort on a
// malformed value of the five tags, with the tag's message and the upper-cased text:
// "Error decoding board number: " (also for numbers outside 1..32767), "Unrecognized
// vulnerability: ", "Unrecognized dealer: ", "Error decoding score: ", or the deal
// loader's messages.
void ReadBoard(runtime::TextFile& pbn_file);

// To be called on a file just opened, before ReadBoard: passes over a UTF-8 byte-order
// mark, so the first tag line is read as written. Returns the name of the encoding
// ("UTF-16LE", "UTF-16BE") when the file starts with a UTF-16 byte-order mark, which no
// line of it can be read in; empty otherwise.
std::string_view SkipByteOrderMark(runtime::TextFile& pbn_file);

// Pure decoders of a tag's rest (the upper-cased text after the tag word, leading blanks
// removed), each giving nothing where ReadBoard stops. The text a stop quotes is given
// back through `quoted`. A Board value whose last two characters hold a digit (a blank
// cut it short, as in `"12" ]`) gives nothing and an empty `quoted`, never the number
// left after they are dropped.
std::optional<int16_t> BoardNumberOf(const runtime::Text& rest, runtime::Text& quoted);
std::optional<char> VulnerabilityOf(const runtime::Text& rest);
std::optional<char> DealerOf(const runtime::Text& rest);
std::optional<int16_t> ScoreOf(const runtime::Text& rest, runtime::Text& quoted);

}  // namespace pbn
