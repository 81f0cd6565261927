#include "tests/batch/explanation_reading.h"

#include <algorithm>
#include <iterator>
#include <map>

namespace batch {

std::pair<std::string, int> ReadClosing(const std::string& text) {
  static const std::map<std::string, std::string> kWho{{"North-South", "NS"}, {"East-West", "EW"},
                                                       {"North", "N"},        {"South", "S"},
                                                       {"East", "E"},         {"West", "W"}};
  static const std::map<std::string, std::string> kStrains{
      {"♣", "C"}, {"♦", "D"}, {"♥", "H"}, {"♠", "S"}, {"NT", "N"}};
  static const std::string kWords[] = {"no",   "one",    "two",    "three",   "four",
                                       "five", "six",    "seven",  "eight",   "nine",
                                       "ten",  "eleven", "twelve", "thirteen"};
  auto number = [](const std::string& word) {
    return std::to_string(std::find(std::begin(kWords), std::end(kWords), word) - kWords);
  };
  const size_t so = text.rfind("so ");
  const size_t colon = text.rfind(": par ");
  if (so == std::string::npos || colon == std::string::npos || !text.ends_with(".")) return {};
  const int score = std::stoi(text.substr(colon + 6));
  const std::string clause = text.substr(so + 3, colon - so - 3);
  if (clause == "the deal is passed out") return {"Pass", score};
  const size_t play = clause.find(" play");
  const size_t contract = clause.find(' ', play + 1) + 1;
  const size_t end = clause.find_first_of(" ,", contract);
  const std::string words = clause.substr(contract, end - contract);
  if (play == std::string::npos || !kWho.contains(clause.substr(0, play))) return {};
  const std::string strain = words.substr(1);
  if (!kStrains.contains(strain)) return {};
  std::string line =
      kWho.at(clause.substr(0, play)) + " " + words.substr(0, 1) + kStrains.at(strain);
  const std::string rest = end == std::string::npos ? "" : clause.substr(end);
  if (rest.empty()) return {line + "=", score};
  if (rest.starts_with(" with "))
    return {line + "+" + number(rest.substr(6, rest.find(' ', 6) - 6)), score};
  if (rest.starts_with(" doubled, "))
    return {line + "X-" + number(rest.substr(10, rest.find(' ', 10) - 10)), score};
  return {};
}

std::string WithLetters(std::string text) {
  const std::pair<const char*, const char*> kLetters[] = {
      {"♣", "C"}, {"♦", "D"}, {"♥", "H"}, {"♠", "S"}};
  for (const auto& [symbol, letter] : kLetters) {
    for (size_t at = text.find(symbol); at != std::string::npos; at = text.find(symbol, at)) {
      text.replace(at, std::string_view(symbol).size(), letter);
    }
  }
  return text;
}

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

}  // namespace batch
