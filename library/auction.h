#pragma once

#include "runtime/text.h"

// Auction templates after a one-notrump opening by North, resolved for the hands in the
// hand table from suit lengths alone.
namespace library {

// The value the analysis characters hold before any analysis: none of the letters the
// expansion replaces, so expanding then still ends and keeps the text readable.
inline constexpr char kNoValue = '?';

inline char StaymanReply = kNoValue;  // h, s or d: North's answer to 2C
inline char FinalStrain = kNoValue;   // h, s or n: where the partnership settles
inline char TransferBid = kNoValue;   // d (to hearts), h (to spades) or n (none)
inline char TransferSuit = kNoValue;  // h or s; written only when there is a transfer
inline runtime::Text TrialBid;        // South's second bid: 2n, 3c, 3d, 3h or 2s

// Back to the state before any analysis; for tests.
void ResetAuctionAnalysis();

// North's reply to Stayman (exactly four hearts, else exactly four spades, else
// diamonds) and the strain the partnership settles in.
void AnalyseStayman();

// South's transfer (five or more spades, at least as many as hearts, go first), its
// suit, South's second bid and the strain North settles in (three-card support).
void AnalyseTransfer();

// Replaces the first occurrence of find (case counts, inside words too); cut at 255.
void ReplaceFirst(runtime::Text& text, const runtime::Text& find, const runtime::Text& replacement);

// Fills in the trial-bid word, resolves the three Stayman templates, replaces the letters
// S, m, t and T with the analysis characters and writes every "-" as " p ".
void ExpandAuction(runtime::Text& auction);

// Removes every blank, "-" and lower-case "p".
void StripAuction(runtime::Text& auction);

// ExpandAuction and StripAuction applied to a copy.
runtime::Text CompactAuction(runtime::Text auction);

}  // namespace library
