// libdds's batch table call in process, as the baseline of dealmint-batch: solves the
// deals of DEALS_FILE (one PBN deal a line) in calls of 40 deals with all five strains,
// on all cores, and prints the milliseconds the calls took in all.
// Usage: batch_baseline DEALS_FILE
#include <dds/dll.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: batch_baseline DEALS_FILE\n");
    return 2;
  }
  std::vector<std::string> deals;
  std::ifstream in(argv[1]);
  for (std::string line; std::getline(in, line);) {
    if (line.size() > 60) deals.push_back(line);
  }
  SetMaxThreads(0);
  auto input = std::make_unique<ddTableDealsPBN>();
  auto results = std::make_unique<ddTablesRes>();
  auto par = std::make_unique<allParResults>();
  int filter[DDS_STRAINS] = {};
  const auto start = std::chrono::steady_clock::now();
  for (size_t first = 0; first < deals.size(); first += MAXNOOFTABLES) {
    const size_t count = std::min<size_t>(MAXNOOFTABLES, deals.size() - first);
    input->noOfTables = static_cast<int>(count);
    for (size_t i = 0; i < count; ++i) {
      std::strncpy(input->deals[i].cards, deals[first + i].c_str(),
                   sizeof input->deals[i].cards - 1);
    }
    const int status = CalcAllTablesPBN(input.get(), -1, filter, results.get(), par.get());
    if (status != RETURN_NO_FAULT) {
      std::fprintf(stderr, "CalcAllTablesPBN failed: %d\n", status);
      return 1;
    }
  }
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  std::printf("%.1f\n", took.count());
  return 0;
}
