#pragma once

namespace driver {

// Takes an exclusive lock on the current directory for the rest of the process's life,
// since the temporary files have fixed names there: a second run in the same directory
// would write one board's tricks into the other's par file. When another process holds
// the lock, stops through RunAbort with "Another run of Dealmint is using this
// directory." before touching any file. Where the file system offers no locks the run
// goes on unlocked, as it always did.
void LockWorkingDirectory();

}  // namespace driver
