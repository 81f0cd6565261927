#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

#include "solver/dd_solve.h"
#include "solver/job_file.h"

namespace solver {

// The warm solver's wire format (the sockets are in solver/warm_socket.h). A gib connects,
// sends one Request and reads the Reply, which kAlive bytes may precede while the solver
// solves; then both sides close. Both ends are the same program on the same machine, so
// the messages are plain structs in the machine's own byte order, and a change of layout
// needs a new tag (a gib and a solver of different builds never meet: the solver's name
// stands for the gib program file).

inline constexpr std::array<char, 8> kRequestTag = {'g', 'i', 'b', 'd', 'e', 'a', 'l', '1'};
inline constexpr std::array<char, 8> kReplyTag = {'g', 'i', 'b', 't', 'a', 'b', 'l', '1'};

// The solver's sign of life, sent every kBeatMilliseconds while it solves; never the first
// byte of a Reply, which starts with kReplyTag.
inline constexpr char kAlive = '.';
inline constexpr int kBeatMilliseconds = 250;
static_assert(kReplyTag[0] != kAlive);

// What gib sends: the deal to solve.
struct Request {
  std::array<char, 8> tag;  // kRequestTag
  Deal deal;
};

// What the solver sends back: the deal's table, or why libdds would not solve it.
struct Reply {
  std::array<char, 8> tag;  // kReplyTag
  DdTable table;
  char fault[120];  // libdds's fault, ended by a NUL; empty when the deal was solved
};

// The sizes on the wire, which tests use to build requests byte by byte.
inline constexpr size_t kRequestSize = 40;
inline constexpr size_t kReplySize = 208;
static_assert(std::is_trivially_copyable_v<Request> && sizeof(Request) == kRequestSize);
static_assert(std::is_trivially_copyable_v<Reply> && sizeof(Reply) == kReplySize);
static_assert(sizeof(DdTable) == DdTable::kStrains * DdTable::kDeclarers * sizeof(int32_t));
static_assert(offsetof(Request, deal) == 8 && offsetof(Reply, table) == 8 &&
              offsetof(Reply, fault) == 88);

// What asking the warm solver gave.
enum class WarmAnswer {
  kSolved,       // `table` holds the deal's table
  kFault,        // the solver's libdds refused the deal; `fault` says why
  kUnavailable,  // no warm solver could be used: solve in this process
};

// The request to solve the deal. Pure.
Request MakeRequest(const Deal& deal);

// Whether the solver takes the request: the request tag and a whole deal (IsWholeDeal), as
// nothing else may reach libdds. Pure.
bool IsSoundRequest(const Request& request);

// The reply to a solve: the table, or libdds's fault in words (its first 119 bytes), which
// SolveDeal gave. Pure.
Reply MakeReply(const DdTable& table, const std::string& fault);

// What the reply says: kFault with its fault text, or kSolved with `table` filled; or
// kUnavailable (nothing touched) for a reply without the reply tag or with tricks out of
// 0..13. Pure.
WarmAnswer ReadReply(const Reply& reply, DdTable& table, std::string& fault);

}  // namespace solver
