#include "cli/CliArgs.h"

#include <charconv>

namespace ordovan::cli {

CliArgs::CliArgs(const std::string& command, const std::vector<std::string>& args,
                 std::initializer_list<OptionRule> rules)
    : command_(command) {
  bool options_end = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_end || arg.size() < 2 || arg[0] != '-' || arg == "-") {
      positionals_.push_back(arg);
      continue;
    }
    if (arg == "--") {
      options_end = true;
      continue;
    }
    std::string name = arg;
    std::optional<std::string> inline_value;
    if (const std::size_t eq = arg.find('='); eq != std::string::npos && arg.rfind("--", 0) == 0) {
      name = arg.substr(0, eq);
      inline_value = arg.substr(eq + 1);
    }
    const OptionRule* rule = nullptr;
    for (const OptionRule& candidate : rules) {
      if (name == candidate.name) rule = &candidate;
    }
    if (rule == nullptr) {
      throw CliError{kExitBadInput, "unknown option '" + name + "' for '" + command_ +
                                        "' (see 'ordovan-cli " + command_ + " --help')"};
    }
    if (values_.count(name) != 0) {
      throw CliError{kExitBadInput, "option '" + name + "' is given twice"};
    }
    if (!rule->takes_value) {
      if (inline_value) throw CliError{kExitBadInput, "option '" + name + "' takes no value"};
      values_[name] = std::string();
    } else if (inline_value) {
      values_[name] = *inline_value;
    } else if (i + 1 < args.size()) {
      values_[name] = args[++i];
    } else {
      throw CliError{kExitBadInput, "option '" + name + "' needs a value"};
    }
  }
}

std::optional<std::string> CliArgs::Value(const std::string& name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

std::optional<long long> CliArgs::Number(const std::string& name, long long min) const {
  const std::optional<std::string> text = Value(name);
  if (!text) return std::nullopt;
  long long value = 0;
  const char* end = text->data() + text->size();
  const auto [ptr, ec] = std::from_chars(text->data(), end, value);
  if (text->empty() || ec != std::errc() || ptr != end || value < min) {
    throw CliError{kExitBadInput, "option '" + name + "': '" + *text +
                                      "' is not a whole number of at least " +
                                      std::to_string(min)};
  }
  return value;
}

}  // namespace ordovan::cli
