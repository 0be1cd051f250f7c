#pragma once
// The command line of one subcommand: its options (`--name value`,
// `--name=value` or a bare switch) and its positional arguments. Anything not
// in the subcommand's table is bad input, named in the error.

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ordovan::cli {

// The exit statuses of ordovan-cli.
enum ExitStatus : int {
  kExitDone = 0,         // every path was reorganized (or nothing was to do)
  kExitSomeNotDone = 1,  // some paths were not; the reasons are counted
  kExitBadInput = 2,     // an argument or an input file is wrong, or a question had no answer
  kExitDiskFailure = 3,  // the disk refused: a file that could not be read or written
};

// Ends a command with its exit status and a message for standard error.
struct CliError {
  int status = kExitBadInput;
  std::string message;
};

struct OptionRule {
  const char* name;  // with its dashes: "--from"
  bool takes_value;
};

class CliArgs {
 public:
  // Throws CliError (kExitBadInput) for an unknown option, a missing value
  // or an option given twice.
  CliArgs(const std::string& command, const std::vector<std::string>& args,
          std::initializer_list<OptionRule> rules);

  bool Has(const std::string& name) const { return values_.count(name) != 0; }
  std::optional<std::string> Value(const std::string& name) const;
  const std::vector<std::string>& Positionals() const { return positionals_; }

  // The option's value as a whole number from `min` up; throws CliError
  // naming the option otherwise.
  std::optional<long long> Number(const std::string& name, long long min) const;

 private:
  std::string command_;
  std::map<std::string, std::string> values_;
  std::vector<std::string> positionals_;
};

}  // namespace ordovan::cli
