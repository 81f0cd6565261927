#pragma once

#include "batch/analysed_record.h"
#include "batch/record_reader.h"

namespace batch {

// An output of dealmint-batch. It is fed every record in input order, one at a time, and
// keeps no more of them than it must, so memory stays bounded whatever the input's size.
class RecordSink {
 public:
  virtual ~RecordSink() = default;

  // Every record of the input: its lines as read, and, when it was analysed, its
  // analysis with the table and par filled in (else null). By default hands the analysed
  // records to Add; an output that copies the input (the written-back PBN) overrides it.
  virtual void Take(const ReadRecord& source, const AnalysedRecord* analysed) {
    (void)source;
    if (analysed != nullptr) Add(*analysed);
  }

  // An analysed record, with its table and par.
  virtual void Add(const AnalysedRecord& record) = 0;

  // After the last record: writes out all that is left. May stop the process as
  // OutputFile does.
  virtual void Finish() = 0;
};

}  // namespace batch
