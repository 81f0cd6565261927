#include "batch/par_explanation.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "batch/par_text.h"
#include "batch/seat_text.h"
#include "bridge/chairs.h"

namespace batch {
namespace {

using driver::TParResult;

// A score that ParOf never records: a North-South contract must beat the present par and
// an East-West one, negated, must fall below it.
constexpr int16_t kNeverBid = -32767;
constexpr int kRanks = 35;  // 1C .. 7NT
constexpr size_t kMostSentences = 4;

struct Deal {
  const driver::TTricks& tricks;
  const driver::TScores& scores;
  int16_t dealer;
  SuitStyle style;
};

int RankOf(const TParResult& bid) { return (bid.ParLevel - 1) * 5 + bid.ParStrain - 1; }

bool NorthSouth(const TParResult& bid) { return bridge::IsNorthSouth(bid.ParChair); }

// The last pars the auction passes through, in order, ending in the par: the final run of
// pars that the par's side set itself and the three before it, as far as there are any.
// The par before one set at a rank is ParOf over the contracts below that rank.
std::vector<TParResult> ParChain(const Deal& d) {
  constexpr int kBeforeRun = 3;
  driver::TScores shown = d.scores;
  std::vector<TParResult> chain;
  int before_run = 0;
  int masked_from = kRanks;
  for (TParResult par = driver::ParOf(shown, d.dealer); par.ParLevel != 0;
       par = driver::ParOf(shown, d.dealer)) {
    if (!chain.empty() && (before_run > 0 || NorthSouth(par) != NorthSouth(chain.front()))) {
      if (++before_run > kBeforeRun) break;
    }
    chain.push_back(par);
    for (; masked_from > RankOf(par); --masked_from) {
      const int level = (masked_from - 1) / 5 + 1;
      const int strain = (masked_from - 1) % 5 + 1;
      for (int chair = 1; chair <= 4; ++chair) shown[chair][strain][level] = kNeverBid;
    }
  }
  return {chain.rbegin(), chain.rend()};
}

int16_t Taken(const Deal& d, const TParResult& bid) {
  return d.tricks[bid.ParChair][bid.ParStrain];
}
int Over(const Deal& d, const TParResult& bid) { return Taken(d, bid) - bid.ParLevel - 6; }
bool Makes(const Deal& d, const TParResult& bid) { return Over(d, bid) >= 0; }
// The declaring side's score.
int Score(const Deal& d, const TParResult& bid) {
  return d.scores[bid.ParChair][bid.ParStrain][bid.ParLevel];
}

std::string NumberWord(int n) {
  constexpr const char* kWords[] = {"no",   "one",    "two",    "three",   "four",
                                    "five", "six",    "seven",  "eight",   "nine",
                                    "ten",  "eleven", "twelve", "thirteen"};
  return n >= 0 && n <= 13 ? kWords[n] : std::to_string(n);
}

std::string Signed(int score) {
  std::string text = score > 0 ? "+" : "";
  return text += std::to_string(score);
}

std::string SideName(bool north_south) { return north_south ? "North-South" : "East-West"; }

std::string StrainWords(int16_t strain) {
  constexpr const char* kWords[] = {"", "clubs", "diamonds", "hearts", "spades", "notrump"};
  return kWords[strain];
}

// True when only the declarer of the pair takes the contract's tricks, as the ParContract
// tag writes it ("S 6N=" rather than "NS 6N=").
bool OnePlayer(const Deal& d, const TParResult& bid) {
  return ParContractText(bid, d.tricks).find(' ') == 1;
}

std::string DeclarerName(const Deal& d, const TParResult& bid) {
  return OnePlayer(d, bid) ? SeatName(bid.ParChair) : SideName(NorthSouth(bid));
}

// "4♥", "5♣ doubled", "6NT by South" when only South makes it.
std::string Contract(const Deal& d, const TParResult& bid) {
  std::string text = std::to_string(bid.ParLevel) + StrainText(bid.ParStrain, d.style);
  if (!Makes(d, bid)) text += " doubled";
  if (OnePlayer(d, bid)) text += " by " + SeatName(bid.ParChair);
  return text;
}

std::string Plural(int n, std::string_view word) {
  return NumberWord(n) + " " + std::string(word) + (n == 1 ? "" : "s");
}

// "makes for +420", "makes with one overtrick for +450", "goes three down for -500";
// with would, "would make ..." and "would go ...".
std::string Outcome(const Deal& d, const TParResult& bid, bool would) {
  const int over = Over(d, bid);
  std::string text;
  if (over >= 0) {
    text = would ? "would make" : "makes";
    if (over > 0) text += " with " + Plural(over, "overtrick");
  } else {
    text = (would ? "would go " : "goes ") + NumberWord(-over) + " down";
  }
  return text + " for " + Signed(Score(d, bid));
}

// The last clause of every explanation: the par contract as its line names it, its score.
std::string Closing(const Deal& d, const TParResult& par) {
  const std::string declarer = DeclarerName(d, par);
  std::string text = "so " + declarer + (OnePlayer(d, par) ? " plays " : " play ") +
                     std::to_string(par.ParLevel) + StrainText(par.ParStrain, d.style);
  const int over = Over(d, par);
  if (over > 0) text += " with " + Plural(over, "overtrick");
  if (over < 0) text += " doubled, " + NumberWord(-over) + " down";
  return text + ": par " + Signed(par.ParScore) + ".";
}

// The side's best contract above the given one, the first of equal ones in the auction
// from the dealer; none above 7NT.
std::optional<TParResult> BestAbove(const Deal& d, const TParResult& above, bool north_south) {
  std::optional<TParResult> best;
  for (int rank = RankOf(above) + 1; rank < kRanks; ++rank) {
    int16_t chair = d.dealer;
    for (int turn = 0; turn < 4; ++turn, chair = bridge::NextChair(chair)) {
      if (bridge::IsNorthSouth(chair) != north_south) continue;
      TParResult bid{0, static_cast<int16_t>(rank / 5 + 1), static_cast<int16_t>(rank % 5 + 1),
                     chair};
      const int score = Score(d, bid);
      bid.ParScore = static_cast<int16_t>(north_south ? score : -score);
      if (!best || score > Score(d, *best)) best = bid;
    }
  }
  return best;
}

// The par `back` places before the start of the last run of pars that the par's side set
// itself (a side may improve on its own par: 4NT for 430 over 4S for 420, or a cheaper
// sacrifice over a dearer one); back 0 is the other side's par that the run took over.
std::optional<TParResult> BeforeRun(const std::vector<TParResult>& chain, size_t back) {
  size_t start = chain.size() - 1;
  while (start > 0 && NorthSouth(chain[start - 1]) == NorthSouth(chain.back())) --start;
  if (start < back + 1) return std::nullopt;
  return chain[start - 1 - back];
}

std::vector<std::string> MadeOpening(const Deal& d, const std::vector<TParResult>& chain) {
  const TParResult& par = chain.back();
  const std::string us = SideName(NorthSouth(par));
  const std::string them = SideName(!NorthSouth(par));
  const std::optional<TParResult> rival = BeforeRun(chain, 0);
  if (!rival || NorthSouth(*rival) == NorthSouth(par)) {
    return {us + " own the deal: " + Contract(d, par) + " " + Outcome(d, par, false) + "."};
  }
  if (Makes(d, *rival)) {
    return {them + " can make " + Contract(d, *rival) + " for " + Signed(Score(d, *rival)) +
            ", but " + us + " outbid them: " + Contract(d, par) + " " + Outcome(d, par, false) +
            "."};
  }
  // The other side's sacrifice matters only when it kept this side from a contract that
  // scores at least as much as the one it bid on to.
  const std::optional<TParResult> ours = BeforeRun(chain, 1);
  if (!ours || Score(d, *ours) < Score(d, par)) {
    return {us + " own the deal: " + Contract(d, par) + " " + Outcome(d, par, false) + "."};
  }
  const int cost = -Score(d, *rival);
  return {us + "'s " + Contract(d, *ours) + " " + Outcome(d, *ours, true) + ", but " + them +
              " would sacrifice over it in " + Contract(d, *rival) + ", " +
              NumberWord(-Over(d, *rival)) + " down for -" + std::to_string(cost) + ".",
          "So " + us + " bid on to " + Contract(d, par) + ", which " + Outcome(d, par, false) +
              ", more than the " + std::to_string(cost) + " the sacrifice would give them."};
}

std::string MadeReason(const Deal& d, const TParResult& par) {
  const std::optional<TParResult> sacrifice = BestAbove(d, par, !NorthSouth(par));
  if (!sacrifice) return "No contract outranks 7NT, " + Closing(d, par);
  const int cost = -Score(d, *sacrifice);
  const int worth = Score(d, par);
  const std::string level = std::to_string(par.ParLevel) + StrainText(par.ParStrain, d.style);
  return SideName(!NorthSouth(par)) + "'s cheapest sacrifice over it, " + Contract(d, *sacrifice) +
         ", " + Outcome(d, *sacrifice, true) + ", " +
         (cost > worth ? "more than the " + std::to_string(worth) + " that " + level + " is worth, "
                       : "exactly what " + level +
                             " is worth; of equal results the first reached stands, ") +
         Closing(d, par);
}

std::vector<std::string> SacrificeOpening(const Deal& d, const std::vector<TParResult>& chain) {
  const TParResult& par = chain.back();
  const std::string us = SideName(NorthSouth(par));
  const std::string them = SideName(!NorthSouth(par));
  // A sacrifice only ever takes over the other side's made contract.
  const std::optional<TParResult> owned = BeforeRun(chain, 0);
  if (!owned || !Makes(d, *owned)) return {};
  const std::string owned_level =
      std::to_string(owned->ParLevel) + StrainText(owned->ParStrain, d.style);
  const std::optional<TParResult> earlier = BeforeRun(chain, 1);
  // A sacrifice again: the first one pushed the owners from a contract that scores at least
  // as much as the one they bid on to.
  const std::optional<TParResult> start = BeforeRun(chain, 2);
  const bool again = earlier && NorthSouth(*earlier) == NorthSouth(par) && !Makes(d, *earlier) &&
                     start && Score(d, *start) >= Score(d, *owned);
  std::string first;
  if (again) {
    first = them + "'s " + Contract(d, *start) + " " + Outcome(d, *start, true) + "; over " + us +
            "'s sacrifice in " + Contract(d, *earlier) + ", " + NumberWord(-Over(d, *earlier)) +
            " down for " + Signed(Score(d, *earlier)) + ", they bid on to " + Contract(d, *owned) +
            ", which " + Outcome(d, *owned, false) + ".";
  } else if (earlier && NorthSouth(*earlier) == NorthSouth(par) && Makes(d, *earlier)) {
    first = us + " can make " + Contract(d, *earlier) + " for " + Signed(Score(d, *earlier)) +
            ", but " + them + " outbid them: " + Contract(d, *owned) + " " +
            Outcome(d, *owned, false) + ".";
  } else {
    first = them + " own the deal: " + Contract(d, *owned) + " " + Outcome(d, *owned, false) + ".";
  }
  return {first, us + (again ? " sacrifice again in " : " sacrifice in ") + Contract(d, par) +
                     ": " + NumberWord(-Over(d, par)) + " down costs " +
                     std::to_string(-Score(d, par)) + ", less than the " +
                     std::to_string(Score(d, *owned)) + " that " + owned_level + " would give " +
                     them + "."};
}

std::string SacrificeReason(const Deal& d, const TParResult& par) {
  const std::optional<TParResult> onward = BestAbove(d, par, !NorthSouth(par));
  if (!onward) return "No contract outranks 7NT, " + Closing(d, par);
  const int collected = -Score(d, par);
  const std::string level = std::to_string(par.ParLevel) + StrainText(par.ParStrain, d.style);
  const std::string them = SideName(!NorthSouth(par));
  return "Bidding on to " + Contract(d, *onward) + " " + Outcome(d, *onward, true) +
         (Score(d, *onward) == collected
              ? ", just what doubling " + level + " gives " + them +
                    "; of equal results the first reached stands, "
              : ", less than the " + std::to_string(collected) + " that doubling " + level +
                    " gives " + them + ", ") +
         Closing(d, par);
}

// A contract of the par's level and strain that the other side, later in the auction from
// the dealer, would like at least as well: the par search never lets it be bid again.
std::optional<std::string> BlockedRivalNote(const Deal& d, const TParResult& par) {
  const std::string level = std::to_string(par.ParLevel) + StrainText(par.ParStrain, d.style);
  for (int16_t chair = bridge::NextChair(par.ParChair); chair != d.dealer;
       chair = bridge::NextChair(chair)) {
    if (bridge::IsNorthSouth(chair) == NorthSouth(par)) continue;
    const TParResult rival{0, par.ParLevel, par.ParStrain, chair};
    if (Score(d, rival) < -Score(d, par)) continue;
    const std::string them = SideName(!NorthSouth(par));
    const std::string tail =
        ", but " + SideName(NorthSouth(par)) + " bid it first in the auction from the dealer.";
    if (Makes(d, rival)) return them + " can make " + level + " as well" + tail;
    return them + " would lose only " + std::to_string(-Score(d, rival)) + " in " + level +
           " doubled themselves" + tail;
  }
  return std::nullopt;
}

std::optional<std::string> DeclarerNote(const Deal& d, const TParResult& par) {
  const int16_t partner = bridge::PartnerOf(par.ParChair);
  const int taken = Taken(d, par);
  const int other = d.tricks[partner][par.ParStrain];
  const std::string strain = StrainWords(par.ParStrain);
  if (other < taken) {
    return "The declarer matters: " + SeatName(par.ParChair) + " takes " + Plural(taken, "trick") +
           " in " + strain + ", " + SeatName(partner) + " only " + NumberWord(other) + ".";
  }
  if (other > taken) {
    return SeatName(partner) + " would take " + Plural(other, "trick") + " in " + strain +
           ", but " + SeatName(par.ParChair) +
           " comes first in the auction from the dealer and declares.";
  }
  return std::nullopt;
}

// Another contract of the par's side, later in the auction, that scores just as much.
std::optional<std::string> TieNote(const Deal& d, const TParResult& par) {
  const std::optional<TParResult> best = BestAbove(d, par, NorthSouth(par));
  if (!best || Score(d, *best) != Score(d, par)) return std::nullopt;
  return Contract(d, *best) + " would score the same " + Signed(Score(d, par)) + ", but " +
         std::to_string(par.ParLevel) + StrainText(par.ParStrain, d.style) +
         " comes first in the auction and stands.";
}

std::string PassedOut(const Deal& d) {
  int most = 0;
  for (int chair = 1; chair <= 4; ++chair) {
    for (int strain = 1; strain <= 5; ++strain) most = std::max<int>(most, d.tricks[chair][strain]);
  }
  return "No player takes more than " + Plural(most, "trick") +
         " in any strain, so every contract goes down. Whoever bids first would be doubled "
         "and lose, so the deal is passed out: par 0.";
}

}  // namespace

std::string StrainText(int16_t strain, SuitStyle style) {
  constexpr const char* kSymbols[] = {"", "\u2663", "\u2666", "\u2665", "\u2660", "NT"};
  constexpr const char* kLetters[] = {"", "C", "D", "H", "S", "NT"};
  return (style == SuitStyle::Symbols ? kSymbols : kLetters)[strain];
}

std::string ParExplanation(const driver::TTricks& tricks, int16_t dealer, char vulnerability,
                           SuitStyle style) {
  const driver::TScores scores = driver::ScoresOf(tricks, vulnerability);
  const Deal d{tricks, scores, dealer, style};
  const std::vector<TParResult> chain = ParChain(d);
  if (chain.empty()) return PassedOut(d);
  const TParResult& par = chain.back();
  std::vector<std::string> sentences =
      Makes(d, par) ? MadeOpening(d, chain) : SacrificeOpening(d, chain);
  const std::string last = Makes(d, par) ? MadeReason(d, par) : SacrificeReason(d, par);
  for (const std::optional<std::string>& note :
       {BlockedRivalNote(d, par), DeclarerNote(d, par), TieNote(d, par)}) {
    if (note && sentences.size() + 1 < kMostSentences) sentences.push_back(*note);
  }
  sentences.push_back(last);
  std::string text;
  for (const std::string& sentence : sentences) text += (text.empty() ? "" : " ") + sentence;
  return text;
}

std::string RecordExplanation(const AnalysedRecord& record, SuitStyle style) {
  return ParExplanation(record.tricks, record.dealer, record.vulnerability, style);
}

std::string ExplanationCommentary(const AnalysedRecord& record) {
  constexpr size_t kWidth = 76;
  const std::string text = RecordExplanation(record, SuitStyle::Letters);
  std::string wrapped;
  std::string line;
  for (size_t at = 0; at <= text.size();) {
    const size_t end = std::min(text.find(' ', at), text.size());
    const std::string_view word(text.data() + at, end - at);
    if (!line.empty() && line.size() + 1 + word.size() > kWidth) {
      wrapped += line + '\n';
      line.clear();
    }
    if (!line.empty()) line += ' ';
    line += word;
    at = end + 1;
  }
  return wrapped + line;
}

}  // namespace batch
