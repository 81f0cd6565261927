#include "batch/options.h"

#include <charconv>
#include <functional>

namespace batch {
namespace {

struct OptionRow {
  const char* name;  // "--par", or "-o"
  bool takes_value;
  // Stores the option; returns an empty text or what is wrong with the value.
  std::function<std::string(const std::string& value, Options& options)> store;
};

std::string StoreThreads(const std::string& value, Options& options) {
  int threads = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), threads);
  if (error != std::errc() || end != value.data() + value.size() || threads < 1) {
    return "--threads needs a number from 1, not \"" + value + "\"";
  }
  options.threads = threads;
  return "";
}

const std::vector<OptionRow>& OptionTable() {
  static const std::vector<OptionRow> table = {
      {"-o", true, [](const std::string& v, Options& o) { return (o.output = v, ""); }},
      {"--output", true, [](const std::string& v, Options& o) { return (o.output = v, ""); }},
      {"--par", true, [](const std::string& v, Options& o) { return (o.par = v, ""); }},
      {"--json", true, [](const std::string& v, Options& o) { return (o.json = v, ""); }},
      {"--html", true, [](const std::string& v, Options& o) { return (o.html = v, ""); }},
      {"--explain", false, [](const std::string&, Options& o) { return (o.explain = true, ""); }},
      {"--threads", true, StoreThreads},
      {"--cache", true, [](const std::string& v, Options& o) { return (o.cache = v, ""); }},
      {"--no-cache", false, [](const std::string&, Options& o) { return (o.no_cache = true, ""); }},
      {"--quiet", false, [](const std::string&, Options& o) { return (o.quiet = true, ""); }},
      {"-q", false, [](const std::string&, Options& o) { return (o.quiet = true, ""); }},
      {"--help", false, [](const std::string&, Options& o) { return (o.help = true, ""); }},
      {"--version", false, [](const std::string&, Options& o) { return (o.version = true, ""); }},
  };
  return table;
}

const OptionRow* FindOption(const std::string& name) {
  for (const OptionRow& row : OptionTable()) {
    if (name == row.name) return &row;
  }
  return nullptr;
}

}  // namespace

std::string ParseOptions(const std::vector<std::string>& arguments, Options& options) {
  bool options_ended = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (options_ended || argument == "-" || !argument.starts_with("-")) {
      options.inputs.push_back(argument);
      continue;
    }
    if (argument == "--") {
      options_ended = true;
      continue;
    }
    const size_t equals = argument.starts_with("--") ? argument.find('=') : std::string::npos;
    const std::string name = argument.substr(0, equals);
    const OptionRow* row = FindOption(name);
    if (row == nullptr) return "unknown option " + name;
    std::string value;
    if (equals != std::string::npos) {
      if (!row->takes_value) return name + " takes no value";
      value = argument.substr(equals + 1);
    } else if (row->takes_value) {
      if (++i == arguments.size()) return name + " needs a value";
      value = arguments[i];
    }
    if (std::string fault = row->store(value, options); !fault.empty()) return fault;
  }
  if (options.inputs.empty()) options.inputs.push_back("-");
  return "";
}

std::string UsageText() {
  return "Usage: dealmint-batch [OPTION]... [FILE]...\n"
         "Solves every deal of the PBN files (standard input when none or -) once and\n"
         "writes the PBN back with the double-dummy table and the par in its tags.\n"
         "\n"
         "  -o, --output FILE  write the PBN to FILE instead of standard output\n"
         "  --par FILE         also write dealmint's par file\n"
         "  --json FILE        also write one JSON object per record, with the par\n"
         "                     explained in words\n"
         "  --html FILE        also write hand records: one HTML page of every board's\n"
         "                     diagram, double-dummy table, par and its explanation\n"
         "  --explain          explain the par in words in a comment after the par tags\n"
         "  --threads N        solve on N threads (default: all cores)\n"
         "  --cache FILE       keep solved tables in FILE\n"
         "  --no-cache         keep no tables\n"
         "  -q, --quiet        no progress line and no summary\n"
         "  --help, --version\n"
         "\n"
         "Exit status: 0 when every record was analysed, 1 when some were left out,\n"
         "2 on a wrong command line or an output that cannot be written.\n";
}

}  // namespace batch
