#include "batch/par_writer.h"

#include "driver/par_file.h"

namespace batch {

void ParWriter::Add(const AnalysedRecord& record) {
  if (record.board < 1 || written_[record.board]) return;
  written_[record.board] = true;
  file_.Write(driver::ParLineText(record.board, record.par, record.tricks) + "\r\n");
}

}  // namespace batch
