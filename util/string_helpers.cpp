#include "util/string_helpers.h"

#include <string>
#include <string_view>

#include "runtime/letter_case.h"

namespace util {
namespace {

using runtime::Text;

// Splits at the first separator found: out is the text before it, in the text after it.
void PopFirstAt(Text& in_s, Text& out_s, std::string_view separators) {
  const std::string_view view = in_s.view();
  const size_t at = view.find_first_of(separators);
  if (at == std::string_view::npos) {
    out_s = in_s;
    in_s = Text();
    return;
  }
  out_s = Text(view.substr(0, at));
  in_s = Text(view.substr(at + 1));
}

// Splits at the last separator: out is the text after it, which stays at the end of in.
void PopLastAt(Text& in_s, Text& out_s, char separator) {
  const std::string_view view = in_s.view();
  const size_t at = view.rfind(separator);
  if (at == std::string_view::npos) {
    out_s = in_s;
    in_s = Text();
    return;
  }
  if (at + 1 == view.size()) {
    out_s = Text();
    in_s = Text(view.substr(0, at));
    return;
  }
  out_s = Text(view.substr(at + 1));
  in_s = Text(view.substr(0, at + 1));
}

}  // namespace

void SetLength(Text& s, int16_t n) { s.Resize(static_cast<uint8_t>(n)); }

void NoLeadBlanks(Text& in_string) {
  const size_t first = in_string.view().find_first_not_of(' ');
  in_string = first == std::string_view::npos ? Text() : in_string.Substr(first);
}

void NoTrailBlanks(Text& in_string) {
  if (in_string.empty()) return;
  const size_t last = in_string.view().find_last_not_of(' ');
  // A text of blanks only keeps its first blank.
  in_string.Resize(last == std::string_view::npos ? 1 : last + 1);
}

void PopFirstWord(Text& in_s, Text& out_s) { PopFirstAt(in_s, out_s, " \t"); }
void PopLastWord(Text& in_s, Text& out_s) { PopLastAt(in_s, out_s, ' '); }
void PopFirstField(Text& in_s, Text& out_s) { PopFirstAt(in_s, out_s, "\t"); }
void PopLastField(Text& in_s, Text& out_s) { PopLastAt(in_s, out_s, '\t'); }

int16_t NWordsInString(const Text& s) {
  Text copy = s;
  Text word;
  int16_t count = 0;
  NoLeadBlanks(copy);
  while (!copy.empty()) {
    ++count;
    PopFirstWord(copy, word);
    NoLeadBlanks(copy);
  }
  return count;
}

void UpperCase(Text& s) {
  for (size_t i = 0; i < s.length(); ++i) s[i] = runtime::UpperCaseOf(s[i]);
}

Text UpperCaseFunc(const Text& s) {
  Text copy = s;
  UpperCase(copy);
  return copy;
}

void TabsToSpaces(Text& s) {
  for (size_t i = 0; i < s.length(); ++i) {
    if (s[i] == '\t') s[i] = ' ';
  }
}

char DnCase(char c) { return runtime::LowerCaseOf(c); }

void LowerCase(Text& s) {
  for (size_t i = 0; i < s.length(); ++i) s[i] = DnCase(s[i]);
}

void DeleteIfMatch(Text& in_s, int16_t position, char bad_char) {
  if (position < 1 || static_cast<size_t>(position) > in_s.length()) return;
  if (in_s[static_cast<size_t>(position) - 1] == bad_char) {
    in_s.Erase(static_cast<size_t>(position) - 1, 1);
  }
}

void KillTrailComment(Text& s, const Text& comment_marker) {
  if (comment_marker.empty()) return;
  const size_t at = s.view().find(comment_marker.view());
  if (at != std::string_view::npos) s.Erase(at);
}

void DeleteTo(Text& s, char ch) {
  const size_t at = s.view().find(ch);
  s = at == std::string_view::npos ? Text() : s.Substr(at + 1);
}

bool CIEq(const Text& s1, const Text& s2) {
  return runtime::SameIgnoringCase(s1.view(), s2.view());
}

int16_t CIPos(const Text& s1, const Text& s2) {
  if (s1.empty()) return 0;
  const size_t at = UpperCaseFunc(s2).view().find(UpperCaseFunc(s1).view());
  return at == std::string_view::npos ? 0 : static_cast<int16_t>(at + 1);
}

}  // namespace util
