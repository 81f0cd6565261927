#include "driver/par_file.h"

#include <string>

#include "driver/par_search.h"
#include "driver/solver_run.h"
#include "pbn/board_reader.h"

namespace driver {

void WriteParLine(runtime::TextFile& par_file) {
  std::string line = std::to_string(pbn::BoardRecord.Number);
  for (const int16_t field :
       {ParResult.ParScore, ParResult.ParLevel, ParResult.ParStrain, ParResult.ParChair}) {
    line += '\t' + std::to_string(field);
  }
  for (int chair = 1; chair <= 4; ++chair) {
    for (int strain = 1; strain <= 5; ++strain) {
      line += '\t' + std::to_string(TrickTable[chair][strain]);
    }
  }
  par_file.WriteLine(line);
  par_file.Flush();
}

}  // namespace driver
