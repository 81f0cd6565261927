#pragma once

namespace runtime {

// Error numbers of the I/O error stop that have no errno of their own.
inline constexpr int kDiskFull = 101;  // a write that did not write everything
inline constexpr int kFileNotOpen = 103;
inline constexpr int kFileNotOpenForInput = 104;
inline constexpr int kFileNotOpenForOutput = 105;
inline constexpr int kInvalidNumber = 106;

// Which way a failed operation moved data; EIO reads as 160 on a write, 161 on a read.
enum class Transfer { None, Read, Write };

// The system's error number for an errno value: ENOENT 2, ENOTDIR 3, EMFILE 4,
// EACCES/EPERM/EEXIST/ENOTEMPTY/EBUSY/ETXTBSY/EISDIR 5, EBADF 6, EROFS 150, EIO 160/161,
// ENOSPC/EFBIG/EDQUOT 101; anything else 5.
int ErrorNumberOf(int errno_value, Transfer transfer = Transfer::None);

// The I/O error stop: writes "Runtime error N at $XXXXXXXX" (the caller's return address,
// low 32 bits, eight upper-case hex digits) and CR LF to standard output, then ends the
// process with exit code N through _exit, so no other buffer is written.
[[noreturn]] void IoErrorStop(int number);

// The same stop with an address chosen by the caller.
[[noreturn]] void IoErrorStopAt(int number, const void* address);

}  // namespace runtime
