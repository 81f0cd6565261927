#pragma once

#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "batch/analysed_record.h"
#include "batch/output_file.h"
#include "batch/par_explanation.h"
#include "batch/record_sink.h"

// Hand records: one self-contained HTML page (inline style sheet, no script, nothing
// fetched) with each board's diagram, double-dummy tricks, makeable contracts, par and the
// par's explanation, that reads on a phone or a desktop and prints on A4 or US Letter.
namespace batch {

// Boards on each printed page. The print style sheet fits this many boards, with the
// page's heading on the first page, inside the margins of A4 and of US Letter, so the page
// count of a printed page is the number of boards divided by this, rounded up.
inline constexpr size_t kBoardsPerPrintedPage = 3;

// Pure: text from a PBN file made safe in HTML text and attribute values: & < > " ' as
// character references, control characters other than tab as blanks, and text that is not
// valid UTF-8 read as Latin-1, PBN's own character set, so every byte shows as a character.
std::string HtmlText(std::string_view text);

// Pure: the contracts each side makes double dummy, in one line: for each side the highest
// level in each strain it makes, notrump first ("NS 4♥ 2♠; EW 3♣"); where the partners
// differ in a strain, each player's own ("N 3NT; S 2NT"); "none" when no one takes seven
// tricks in any strain. Tricks [chair 1..4][strain 1..5].
std::string MakeableText(const driver::TTricks& tricks, SuitStyle style);

// Pure: "Par +420: NS 4♥=": the par score from North-South's view ("+420", "-500", "0"),
// then the ParContract tag's value (batch::ParContractText) with its strain letter written
// in the style ("NS 4♥=", "EW 5♦X-3", "S 6NT=", "Pass").
std::string HandRecordParLine(const driver::TParResult& par, const driver::TTricks& tricks,
                              SuitStyle style);

// Pure: one board's section of the page: its number, dealer and vulnerability, the four
// hands with their high-card points around a compass, the double-dummy grid (declarers N,
// S, E, W by NT, spades, hearts, diamonds, clubs), the makeable contracts, the par line and
// the par's explanation. Suit symbols carry a spoken name for screen readers, and hearts
// and diamonds are red.
std::string BoardHtml(const AnalysedRecord& record);

// Pure: the style sheet of the page (screen and print).
std::string_view HandRecordStyle();

// Writes the page as records come: the head (title, event, site and date of the first
// record) with the first record, each board's section as it comes, the end with Finish.
// A board met again, with the same number and deal (the same board at another table), is
// shown once. Holds only the number and deal of each board shown.
class HandRecordPage {
 public:
  using Write = std::function<void(std::string_view bytes)>;

  explicit HandRecordPage(Write write) : write_(std::move(write)) {}

  void Add(const AnalysedRecord& record);
  // Ends the page; a page without records says so.
  void Finish();

  size_t boards() const { return shown_.size(); }

 private:
  void Start(const AnalysedRecord* first);

  Write write_;
  std::set<std::string> shown_;
  bool started_ = false;
};

// The --html output of dealmint-batch: a HandRecordPage written to a file as the records
// come. Stops the process as OutputFile does when the file cannot be written.
class HandRecordWriter : public RecordSink {
 public:
  explicit HandRecordWriter(const std::string& name)
      : file_(name), page_([this](std::string_view bytes) { file_.Write(bytes); }) {}

  void Add(const AnalysedRecord& record) override { page_.Add(record); }
  void Finish() override {
    page_.Finish();
    file_.Close();
  }

 private:
  OutputFile file_;
  HandRecordPage page_;
};

}  // namespace batch
