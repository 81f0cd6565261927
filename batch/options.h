#pragma once

#include <string>
#include <vector>

namespace batch {

// The command line of dealmint-batch.
struct Options {
  std::vector<std::string> inputs;  // PBN files; "-" standard input; none: standard input
  std::string output = "-";         // -o: the written-back PBN
  std::string par;                  // --par: the par file, when given
  std::string json;                 // --json: the JSON lines, when given
  std::string html;                 // --html: the hand records page, when given
  bool explain = false;             // --explain: the par's explanation in the PBN too
  int threads = 0;                  // --threads: 0 for all cores
  std::string cache;                // --cache: the cache file instead of the usual one
  bool no_cache = false;            // --no-cache
  bool quiet = false;               // --quiet: no progress line and no summary
  bool help = false;                // --help
  bool version = false;             // --version
};

// Reads the arguments after the program's name: options ("--name VALUE", "--name=VALUE",
// "-o VALUE") in any order among the input names; "--" ends the options. Returns an empty
// text, or what is wrong in words ("unknown option --foo", "--threads needs a number from
// 1"). The options live in one table in options.cpp: a new one is one row there.
std::string ParseOptions(const std::vector<std::string>& arguments, Options& options);

// The --help text.
std::string UsageText();

}  // namespace batch
