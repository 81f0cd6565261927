#include "solver/warm_wire.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace solver {

Request MakeRequest(const Deal& deal) { return Request{kRequestTag, deal}; }

bool IsSoundRequest(const Request& request) {
  return request.tag == kRequestTag && IsWholeDeal(request.deal);
}

Reply MakeReply(const DdTable& table, const std::string& fault) {
  Reply reply{};
  reply.tag = kReplyTag;
  reply.table = table;
  std::strncpy(reply.fault, fault.c_str(), sizeof reply.fault - 1);
  return reply;
}

WarmAnswer ReadReply(const Reply& reply, DdTable& table, std::string& fault) {
  if (reply.tag != kReplyTag) return WarmAnswer::kUnavailable;
  if (reply.fault[0] != '\0') {
    fault.assign(reply.fault, std::find(reply.fault, std::end(reply.fault) - 1, '\0'));
    return WarmAnswer::kFault;
  }
  for (size_t strain = 0; strain < DdTable::kStrains; ++strain) {
    for (size_t declarer = 0; declarer < DdTable::kDeclarers; ++declarer) {
      const int tricks = reply.table.Tricks(strain, declarer);
      if (tricks < 0 || tricks > 13) return WarmAnswer::kUnavailable;
    }
  }
  table = reply.table;
  return WarmAnswer::kSolved;
}

}  // namespace solver
