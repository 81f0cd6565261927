#include "batch/hand_record.h"

#include <array>
#include <cstdint>

#include "batch/par_text.h"
#include "batch/seat_text.h"
#include "bridge/chairs.h"

namespace batch {
namespace {

constexpr int16_t kStrainsDown[] = {bridge::kNotrump, bridge::kSpades, bridge::kHearts,
                                    bridge::kDiamonds, bridge::kClubs};

// Length of the UTF-8 sequence at the start of text, or 0 when it is not a well-formed
// one (overlong forms, surrogates and code points past U+10FFFF included).
size_t Utf8Length(std::string_view text) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  size_t length = 0;
  uint32_t point = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, point = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, point = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, point = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    point = point << 6 | (byte(i) & 0x3F);
  }
  const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (point < least[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return 0;
  return length;
}

bool IsUtf8(std::string_view text) {
  for (size_t at = 0; at < text.size();) {
    const size_t length = Utf8Length(text.substr(at));
    if (length == 0) return false;
    at += length;
  }
  return true;
}

void AppendEscaped(std::string& out, unsigned char c) {
  switch (c) {
    case '&':
      out += "&amp;";
      return;
    case '<':
      out += "&lt;";
      return;
    case '>':
      out += "&gt;";
      return;
    case '"':
      out += "&quot;";
      return;
    case '\'':
      out += "&#39;";
      return;
    default:
      out += (c < 0x20 && c != '\t') || c == 0x7F ? ' ' : static_cast<char>(c);
  }
}

std::string SuitSymbol(int16_t strain) {
  constexpr const char* kNames[] = {"", "clubs", "diamonds", "hearts", "spades"};
  const bool red = strain == bridge::kHearts || strain == bridge::kDiamonds;
  return std::string("<span class=\"suit") + (red ? " red" : "") + "\" role=\"img\" aria-label=\"" +
         kNames[strain] + "\">" + StrainText(strain, SuitStyle::Symbols) + "</span>";
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

// Escaped text with each suit symbol marked up as SuitSymbol writes it, and the sides'
// names kept on one line (a line break at their hyphen reads badly, and text taken from a
// printed page would join the two words).
std::string Marked(std::string_view text) {
  std::string out = HtmlText(text);
  for (int16_t strain = bridge::kClubs; strain <= bridge::kSpades; ++strain) {
    ReplaceAll(out, StrainText(strain, SuitStyle::Symbols), SuitSymbol(strain));
  }
  for (const std::string side : {"North-South", "East-West"}) {
    ReplaceAll(out, side, "<span class=\"side\">" + side + "</span>");
  }
  return out;
}

int HighCardPoints(const std::array<std::string, 5>& hand) {
  int points = 0;
  for (int suit = 1; suit <= 4; ++suit) {
    for (const char card : hand[suit]) {
      points += card == 'A' ? 4 : card == 'K' ? 3 : card == 'Q' ? 2 : card == 'J' ? 1 : 0;
    }
  }
  return points;
}

// One hand: the player, the high-card points, and a line a suit, spades first.
std::string HandHtml(const AnalysedRecord& record, int16_t chair) {
  std::string html = "<div class=\"hand " + bridge::ChairToString(chair).str() +
                     "\"><div class=\"who\">" + SeatName(chair) + " · " +
                     std::to_string(HighCardPoints(record.hands[chair])) + " HCP</div>";
  for (int suit = 1; suit <= 4; ++suit) {
    html += "<div>" + SuitSymbol(static_cast<int16_t>(5 - suit)) + " ";
    const std::string& cards = record.hands[chair][suit];
    if (cards.empty()) html += "<span class=\"void\" role=\"img\" aria-label=\"void\">—</span>";
    for (size_t i = 0; i < cards.size(); ++i) {
      html += (i == 0 ? "" : "\u2009") +  // a thin space keeps long suits narrow
              (cards[i] == 'T' ? std::string("10") : HtmlText(cards.substr(i, 1)));
    }
    html += "</div>";
  }
  return html + "</div>";
}

// The compass between the hands: the seats, the vulnerable ones red, the dealer's marked,
// and each hand's high-card points, which print shows here instead of above the hands.
std::string CompassHtml(const AnalysedRecord& record) {
  std::string html = "<div class=\"compass\" aria-hidden=\"true\">";
  for (const int16_t chair : {bridge::kNorth, bridge::kWest, bridge::kEast, bridge::kSouth}) {
    html += std::string("<span class=\"c") + bridge::ChairToChar(chair) + "\"><span class=\"seat" +
            (driver::ChairVulnerable(record.vulnerability, chair) ? " vul" : "") +
            (chair == record.dealer ? " dealer" : "") + "\">" + SeatLetter(chair) +
            "</span><span class=\"pts\"> " + std::to_string(HighCardPoints(record.hands[chair])) +
            "</span></span>";
  }
  return html + "</div>";
}

std::string GridHtml(const driver::TTricks& tricks) {
  std::string html =
      "<table class=\"dd\"><caption>Tricks double dummy</caption><thead><tr>"
      "<th scope=\"col\"><abbr title=\"declarer\">Decl.</abbr></th>";
  for (const int16_t strain : kStrainsDown) {
    html += "<th scope=\"col\">" +
            (strain == bridge::kNotrump ? std::string("NT") : SuitSymbol(strain)) + "</th>";
  }
  html += "</tr></thead><tbody>";
  for (int16_t chair = 1; chair <= 4; ++chair) {
    html += "<tr><th scope=\"row\"><abbr title=\"" + SeatName(chair) + "\">" + SeatLetter(chair) +
            "</abbr></th>";
    for (const int16_t strain : kStrainsDown) {
      html += "<td>" + std::to_string(tricks[chair][strain]) + "</td>";
    }
    html += "</tr>";
  }
  return html + "</tbody></table>";
}

std::string VulnerabilityWords(char vulnerability) {
  switch (vulnerability) {
    case 'N':
      return "N-S vulnerable";
    case 'E':
      return "E-W vulnerable";
    case 'B':
      return "all vulnerable";
    default:
      return "none vulnerable";
  }
}

// The makeable contracts of one player, or of both partners where they agree.
std::string Makeable(const driver::TTricks& tricks, int16_t chair, bool agreeing, SuitStyle style) {
  std::string text;
  for (const int16_t strain : kStrainsDown) {
    const int16_t taken = tricks[chair][strain];
    if (taken < 7 || (tricks[bridge::PartnerOf(chair)][strain] == taken) != agreeing) continue;
    text += ' ';
    text += std::to_string(taken - 6);
    text += StrainText(strain, style);
  }
  return text;
}

}  // namespace

std::string HtmlText(std::string_view text) {
  std::string out;
  if (IsUtf8(text)) {
    for (const char c : text) AppendEscaped(out, static_cast<unsigned char>(c));
    return out;
  }
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      AppendEscaped(out, byte);
    } else if (byte < 0xA0) {
      out += ' ';  // Latin-1's C1 controls
    } else {
      out += static_cast<char>(0xC0 | byte >> 6);
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

std::string MakeableText(const driver::TTricks& tricks, SuitStyle style) {
  std::string text;
  for (const int16_t first : {bridge::kNorth, bridge::kEast}) {
    const int16_t second = bridge::PartnerOf(first);
    const std::string both = Makeable(tricks, first, true, style);
    if (!both.empty()) {
      text += std::string(text.empty() ? "" : "; ") + SeatLetter(first) + SeatLetter(second) + both;
    }
    for (const int16_t chair : {first, second}) {
      const std::string own = Makeable(tricks, chair, false, style);
      if (!own.empty()) text += std::string(text.empty() ? "" : "; ") + SeatLetter(chair) + own;
    }
  }
  return text.empty() ? "none" : text;
}

std::string HandRecordParLine(const driver::TParResult& par, const driver::TTricks& tricks,
                              SuitStyle style) {
  std::string contract = ParContractText(par, tricks);
  const size_t level = contract.find_first_of("1234567");
  if (level != std::string::npos) {
    const std::string strain = StrainText(par.ParStrain, style);
    contract.replace(level + 1, 1, strain);
  }
  return "Par " + std::string(par.ParScore > 0 ? "+" : "") + std::to_string(par.ParScore) + ": " +
         contract;
}

std::string BoardHtml(const AnalysedRecord& record) {
  std::string html = "<section class=\"board\"><h2>";
  html += record.board >= 1 ? "Board " + std::to_string(record.board) : std::string("Deal");
  html += " <span class=\"meta\">Dealer " + SeatName(record.dealer) + ", " +
          VulnerabilityWords(record.vulnerability) + "</span></h2>";
  html += "<div class=\"diagram\" role=\"group\" aria-label=\"The four hands\">";
  for (const int16_t chair : {bridge::kNorth, bridge::kWest, bridge::kEast, bridge::kSouth}) {
    html += HandHtml(record, chair);
    if (chair == bridge::kWest) html += CompassHtml(record);
  }
  html += "</div><div class=\"details\">" + GridHtml(record.tricks);
  html +=
      "<p class=\"makeable\">Makeable: " + Marked(MakeableText(record.tricks, SuitStyle::Symbols)) +
      "</p>";
  html += "<p class=\"par\">" +
          Marked(HandRecordParLine(record.par, record.tricks, SuitStyle::Symbols)) + "</p></div>";
  html += "<p class=\"why\">" +
          Marked(ParExplanation(record.tricks, record.dealer, record.vulnerability,
                                SuitStyle::Symbols)) +
          "</p></section>\n";
  return html;
}

void HandRecordPage::Start(const AnalysedRecord* first) {
  started_ = true;
  const std::string event =
      first != nullptr && !first->event.empty() ? HtmlText(first->event) : "Hand records";
  std::string place;
  if (first != nullptr) {
    for (const std::string* part : {&first->site, &first->date}) {
      if (!part->empty()) place += (place.empty() ? "" : " · ") + HtmlText(*part);
    }
  }
  write_(
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
      "style-src 'unsafe-inline'\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n");
  write_("<title>" + event + "</title>\n<style>\n");
  write_(HandRecordStyle());
  write_("</style>\n</head>\n<body>\n<header>\n<h1>" + event + "</h1>\n");
  if (!place.empty()) write_("<p>" + place + "</p>\n");
  write_(
      "<p class=\"note\">Scores are North-South's. The grid gives the tricks each declarer "
      "takes in each strain double dummy, with all four hands in view.</p>\n</header>\n<main>\n");
}

void HandRecordPage::Add(const AnalysedRecord& record) {
  std::string key = std::to_string(record.board);
  for (int16_t chair = 1; chair <= 4; ++chair) {
    for (int suit = 1; suit <= 4; ++suit) key += "." + record.hands[chair][suit];
  }
  if (!shown_.insert(std::move(key)).second) return;
  if (!started_) Start(&record);
  if (shown_.size() % kBoardsPerPrintedPage == 1 || kBoardsPerPrintedPage == 1) {
    write_("<div class=\"sheet\">\n");
  }
  write_(BoardHtml(record));
  if (shown_.size() % kBoardsPerPrintedPage == 0) write_("</div>\n");
}

void HandRecordPage::Finish() {
  if (!started_) {
    Start(nullptr);
    write_("<p class=\"empty\">No deals were analysed.</p>\n");
  }
  if (shown_.size() % kBoardsPerPrintedPage != 0) write_("</div>\n");
  write_("</main>\n</body>\n</html>\n");
}

}  // namespace batch
