#pragma once

#include <cstdint>
#include <string>

#include "batch/analysed_record.h"
#include "driver/par_search.h"

// Why a deal's par is what it is, in words a club player reads.
namespace batch {

// How a strain is written: the suit symbols in UTF-8 (♣ ♦ ♥ ♠, for pages and JSON) or
// the letters C D H S (for PBN files, which need not be UTF-8); notrump is "NT" in both.
enum class SuitStyle { Symbols, Letters };

// Pure: the strain (1..5 = clubs .. notrump) in the style: "♥" or "H", "NT". Expects 1..5.
std::string StrainText(int16_t strain, SuitStyle style);

// Pure: two to four sentences that say why the par is what driver::ParOf finds for these
// trick counts ([chair 1..4][strain 1..5]), dealer (chair 1..4) and vulnerability
// character (as driver::ChairVulnerable reads it): which side owns the deal and what its
// contract scores; the other side's sacrifice, what it costs and whether it pays; why
// bidding on does or does not pay; when the declarer matters; which of tied contracts
// stands. Scores inside are from the declaring side's view ("5♣ doubled would go three
// down for -500"). The last sentence always ends in one of
//   "so <declarer> play(s) <level><strain>: par <score>."
//   "so <declarer> play(s) <level><strain> with <n> overtrick(s): par <score>."
//   "so <declarer> play(s) <level><strain> doubled, <n> down: par <score>."
//   "so the deal is passed out: par 0."
// where <declarer> is "North-South" or "East-West", or "North" .. "West" when only that
// player of the pair takes the par's tricks (as batch::ParContractText tells them apart),
// <n> is a number in words and <score> is the par score from North-South's view ("+420",
// "-500"), so the sentence never contradicts the par line.
std::string ParExplanation(const driver::TTricks& tricks, int16_t dealer, char vulnerability,
                           SuitStyle style);

// Pure: ParExplanation of the record's tricks, dealer and vulnerability.
std::string RecordExplanation(const AnalysedRecord& record, SuitStyle style);

// Pure: the record's explanation with strain letters, broken into lines ("\n") of at most
// 76 characters at blanks, for a PBN comment (PBN lines stay well under 255 characters).
std::string ExplanationCommentary(const AnalysedRecord& record);

}  // namespace batch
