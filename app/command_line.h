#pragma once
// The program's command line: at most one FILE, opened at start as if it
// had been dropped on the window (what "Open With" and "Send to" pass),
// and --help and --version.

#include <optional>
#include <string>
#include <vector>

namespace corvane {

struct CommandLine {
  enum class Action { Run, Help, Version, Mistake };
  Action action = Action::Run;
  std::optional<std::u16string> file;
  std::string mistake;  // UTF-8: what is wrong, for the user
};

// `arguments` without the program's own name.
CommandLine ParseCommandLine(const std::vector<std::u16string>& arguments);

// UTF-8 texts for the user.
std::string UsageText();
std::string HelpText();
std::string VersionText();

}  // namespace corvane
