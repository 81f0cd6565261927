#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace solver {

// Where a warm solver listens (POSIX only): a Unix socket file named by SolverName in a
// directory private to the user (see solver/warm_solver.h). None of these stops the
// process; each finds and checks the private directory anew.

// The value of the environment variable, empty when it is not set.
std::string EnvironmentText(const char* name);

// The name of the solver that may answer this process, "dealmint-gib-UID-HASH": the hash
// stands for the gib file as it stands now, LD_LIBRARY_PATH and LD_PRELOAD (with the
// working directory when either is set, as they may be relative) and GIB_SERVER.
std::string SolverName();

// A connection to the named solver, if one listens and belongs to this user; -1 otherwise.
// It never waits: a solver whose queue is full counts as none. The descriptor does not
// block and is closed on exec.
int Connect(const std::string& name);

// Binds the listening socket to the named solver's socket file: a file left by a solver
// that has ended is replaced, one that a live solver answers on is not. False when not
// bound (a live solver, no private directory, a path too long).
bool Bind(int listener, const std::string& name);

// The identity (device, inode) of whatever stands at the named socket file's path;
// {0, 0} when nothing does.
std::pair<uint64_t, uint64_t> SocketFile(const std::string& name);

// Removes the named socket file.
void RemoveSocketFile(const std::string& name);

}  // namespace solver
