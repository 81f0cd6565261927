#pragma once

namespace driver {

// Takes an exclusive lock on the current directory for the rest of the process's life,
// since the temporary files have fixed names there: a second run in the same directory
// would write one board's tricks into the other's par file. Two locks are taken where
// they can be: flock on the directory (which needs it to be readable) and an abstract
// Unix socket name made of its device and inode (which any directory has). Neither ever
// waits. When another process holds either, stops through RunAbort with "Another run of
// Dealmint is using this directory." before touching any file; when neither can be
// taken, stops with "Cannot lock this directory for Dealmint." (never runs unlocked).
// On Windows, where a directory takes no byte-range lock, the one lock is a named mutex
// standing for the directory's volume and file index, with the same two stops.
void LockWorkingDirectory();

}  // namespace driver
