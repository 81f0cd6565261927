#pragma once

namespace runtime {

// The I/O error stop's number for a Windows error code (GetLastError): a code stands
// for itself (2 file not found, 3 path not found, 4, 5, 6, ...), except that a sharing
// or lock violation, an existing file and a non-empty directory give 5, codes 19 to 31
// (write-protected to general failure) give 150 to 162, and a full disk gives 101, as a
// write that could not write everything.
int ErrorNumberOfSystemError(unsigned long code);

}  // namespace runtime
