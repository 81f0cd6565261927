#include "driver/par_file.h"

#include <string>

#include "pbn/board_reader.h"

namespace driver {

std::string ParLineText(int16_t board, const TParResult& par, const TTricks& tricks) {
  std::string line = std::to_string(board);
  for (const int16_t field : {par.ParScore, par.ParLevel, par.ParStrain, par.ParChair}) {
    line += '\t' + std::to_string(field);
  }
  for (int chair = 1; chair <= 4; ++chair) {
    for (int strain = 1; strain <= 5; ++strain) {
      line += '\t' + std::to_string(tricks[chair][strain]);
    }
  }
  return line;
}

void WriteParLine(runtime::TextFile& par_file, int16_t board, const TParResult& par,
                  const TTricks& tricks) {
  par_file.WriteLine(ParLineText(board, par, tricks));
  par_file.Flush();
}

void WriteParLine(runtime::TextFile& par_file) {
  WriteParLine(par_file, pbn::BoardRecord.Number, ParResult, TrickTable);
}

}  // namespace driver
