#include "driver/job_files.h"

#include <string>

#include "bridge/chairs.h"
#include "pbn/hands.h"
#include "runtime/text_file.h"

namespace driver {
namespace {

// The "w " line of a job file and the like, with its line end.
std::string HandLine(int16_t chair) {
  return std::string{bridge::ChairToChar(chair), ' '} + pbn::HandText(chair).str() + "\r\n";
}

}  // namespace

runtime::Text JobFileName(int16_t chair, int16_t strain) {
  std::string number = std::to_string((chair - 1) * 5 + strain);
  while (number.size() < 3) number.insert(0, 1, '0');
  return runtime::Text(std::string(kArgumentFile) + "." + number);
}

void WriteArgumentFile() {
  runtime::TextFile file;
  file.CreateOwn(kArgumentFile);
  for (int16_t chair = 1; chair <= 4; ++chair) {
    for (int16_t strain = 1; strain <= 5; ++strain) {
      file.Write("-d -v ");
      file.WriteLine(JobFileName(chair, strain).view());
    }
  }
  file.Close();
}

void WriteJobFiles() {
  // The deal part is the same in all twenty files: the hands clockwise from West.
  std::string deal;
  int16_t seat = bridge::kWest;
  for (int hand = 0; hand < 4; ++hand, seat = bridge::NextChair(seat)) deal += HandLine(seat);
  for (int16_t strain = 1; strain <= 5; ++strain) {
    for (int16_t chair = 1; chair <= 4; ++chair) {
      runtime::TextFile file;
      file.CreateOwn(JobFileName(chair, strain).str());
      file.Write(deal);
      const char lead[] = {bridge::ChairToChar(bridge::NextChair(chair)), ' ',
                           bridge::StrainToChar(strain), '\0'};
      file.WriteLine(lead);
      file.Close();
    }
  }
}

}  // namespace driver
