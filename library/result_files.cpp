#include "library/result_files.h"

#include <optional>

#include "bridge/chairs.h"
#include "pbn/hands.h"
#include "runtime/integer_text.h"
#include "runtime/text_file.h"
#include "util/run_abort.h"
#include "util/string_helpers.h"

namespace library {
namespace {

using runtime::Text;

constexpr std::string_view kResultPrefix = "Result: N/S";

bool IsCardLine(const Text& line) {
  return !line.empty() && Text("CDHScdhs").view().find(line[0]) != std::string_view::npos;
}

void SkipLines(runtime::TextFile& file, int count) {
  for (int i = 0; i < count; ++i) file.SkipLine();
}

}  // namespace

int16_t GetResult(Text file_name) {
  runtime::TextFile file;
  if (file.OpenForReading(file_name.str()) != 0) {
    util::RunAbort("GetResult could not find input file " + file_name);
  }
  Text line;
  do {
    line = file.TakeLine();
  } while (!file.Eof() && !line.view().starts_with(kResultPrefix));
  if (!line.view().starts_with(kResultPrefix)) {
    util::RunAbort("Could not fine Result line in file " + file_name);
  }
  file.Close();
  util::NoTrailBlanks(line);
  Text word;
  util::PopLastWord(line, word);
  const std::optional<int32_t> score = runtime::TextToInteger(word.view());
  if (!score) util::StopWithLines({("Could not extract score from " + word).view()});
  return static_cast<int16_t>(*score);
}

Text GetPlayString(Text file_name) {
  runtime::TextFile file;
  if (file.OpenForReading(file_name.str()) != 0) {
    util::RunAbort("GetPlayString could not find file " + file_name);
  }
  SkipLines(file, 2);
  Text result;
  bool card_line = false;
  for (;;) {
    const Text line = file.TakeLine();
    card_line = IsCardLine(line);
    result += line;
    if (result == "P P P P") break;  // passed out: no cards follow
    if (!card_line) result += ' ';
    if (card_line || file.Eof()) break;
  }
  if (card_line) {
    for (int i = 0; i < 51; ++i) result += file.TakeLine();
  }
  file.Close();
  return result;
}

Text GetCardString(Text file_name) {
  runtime::TextFile file;
  if (file.OpenForReading(file_name.str()) != 0) {
    util::StopWithLines({("Could not find " + file_name).view()});
  }
  SkipLines(file, 2);
  Text result;
  for (int i = 0; i < 52; ++i) result += file.TakeLine();
  file.Close();
  return result;
}

int16_t CountLongLines(Text file_name, int16_t limit) {
  runtime::TextFile file;
  if (file.OpenForReading(file_name.str()) != 0) return 0;
  int16_t count = 0;
  do {
    if (static_cast<int>(file.TakeLine().length()) > limit) ++count;
  } while (!file.Eof());
  file.Close();
  return count;
}

void WriteDealFile(Text file_name, Text extra_line, char first, char second) {
  runtime::TextFile file;
  file.Rewrite(file_name.str());
  for (const int16_t chair : {bridge::kSouth, bridge::kWest, bridge::kNorth, bridge::kEast}) {
    file.WriteLine(pbn::HandText(chair).view());
  }
  file.WriteLine(std::string{first, ' ', second});
  if (!extra_line.empty()) file.WriteLine(extra_line.view());
  file.Close();
}

}  // namespace library
