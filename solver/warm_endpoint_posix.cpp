#include "solver/warm_endpoint.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "solver/warm_socket.h"

namespace solver {
namespace {

// 64-bit FNV-1a, to fold the identity of a solver into a short name.
void Fold(uint64_t& hash, std::string_view bytes) {
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3u;
  }
  hash ^= 0xff;  // ends the field, so "ab" + "c" differs from "a" + "bc"
  hash *= 0x100000001b3u;
}

// The directory of this user's solver sockets, made when missing: "dealmint-gib" in
// $XDG_RUNTIME_DIR when that is an absolute directory of this user's that no one else may
// write to, else /tmp/dealmint-gib-UID. Empty unless it is a directory (not a link) that
// this user owns and only this user may use: one planted by another user is never used.
std::string PrivateDirectory() {
  const uid_t user = getuid();
  const std::string runtime = EnvironmentText("XDG_RUNTIME_DIR");
  struct stat info {};
  const bool runtime_sound = runtime.starts_with('/') && lstat(runtime.c_str(), &info) == 0 &&
                             S_ISDIR(info.st_mode) && info.st_uid == user &&
                             (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
  const std::string directory =
      runtime_sound ? runtime + "/dealmint-gib" : "/tmp/dealmint-gib-" + std::to_string(user);
  if (mkdir(directory.c_str(), 0700) != 0 && errno != EEXIST) return "";
  if (lstat(directory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != user ||
      (info.st_mode & 077) != 0) {
    return "";
  }
  return directory;
}

// The socket address of the named solver in the private directory; false when there is
// no such directory or the path does not fit.
bool Address(const std::string& name, sockaddr_un& address) {
  const std::string directory = PrivateDirectory();
  const std::string path = directory + "/" + name;
  address = {};
  address.sun_family = AF_UNIX;
  if (directory.empty() || path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

}  // namespace

std::string EnvironmentText(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? "" : value;
}

std::string SolverName() {
  uint64_t hash = 0xcbf29ce484222325u;
  struct stat program {};
  if (stat("/proc/self/exe", &program) == 0) {
    const std::string identity[] = {std::to_string(program.st_dev), std::to_string(program.st_ino),
                                    std::to_string(program.st_size),
                                    std::to_string(program.st_mtim.tv_sec),
                                    std::to_string(program.st_mtim.tv_nsec)};
    for (const std::string& part : identity) Fold(hash, part);
  }
  const std::string library_path = EnvironmentText("LD_LIBRARY_PATH");
  const std::string preload = EnvironmentText("LD_PRELOAD");
  Fold(hash, library_path);
  Fold(hash, preload);
  Fold(hash, EnvironmentText("GIB_SERVER"));
  if (!library_path.empty() || !preload.empty()) {
    char directory[4096];
    Fold(hash, getcwd(directory, sizeof directory) != nullptr ? directory : "?");
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return "dealmint-gib-" + std::to_string(getuid()) + "-" + hex;
}

int Connect(const std::string& name) {
  sockaddr_un address;
  if (!Address(name, address)) return -1;
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return -1;
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
      SameUser(fd)) {
    return fd;
  }
  close(fd);
  return -1;
}

bool Bind(int listener, const std::string& name) {
  sockaddr_un address;
  if (!Address(name, address)) return false;
  const auto* where = reinterpret_cast<const sockaddr*>(&address);
  if (bind(listener, where, sizeof address) == 0) return true;
  if (errno != EADDRINUSE) return false;
  const int live = Connect(name);
  if (live >= 0) {
    close(live);
    return false;
  }
  unlink(address.sun_path);
  return bind(listener, where, sizeof address) == 0;
}

std::pair<uint64_t, uint64_t> SocketFile(const std::string& name) {
  sockaddr_un address;
  struct stat info {};
  if (!Address(name, address) || lstat(address.sun_path, &info) != 0) return {0, 0};
  return {info.st_dev, info.st_ino};
}

void RemoveSocketFile(const std::string& name) {
  sockaddr_un address;
  if (Address(name, address)) unlink(address.sun_path);
}

}  // namespace solver
