#include "app/start_up.h"

#include <cstdio>

namespace corvane {

namespace {

// One line, for the window's one-line box.
std::string OneLine(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  for (char& c : text) c = c == '\n' ? ' ' : c;
  return text;
}

}  // namespace

std::optional<int> AnswerOnConsole(const CommandLine& line) {
  switch (line.action) {
    case CommandLine::Action::Run: return std::nullopt;
    case CommandLine::Action::Help: std::fputs(HelpText().c_str(), stdout); return 0;
    case CommandLine::Action::Version: std::fputs(VersionText().c_str(), stdout); return 0;
    case CommandLine::Action::Mistake:
      std::fprintf(stderr, "corvane：%s\n%s", line.mistake.c_str(), UsageText().c_str());
      return 2;
  }
  return std::nullopt;
}

void GiveToWindow(const CommandLine& line, RuntimeCore& core) {
  switch (line.action) {
    case CommandLine::Action::Run:
      if (line.file) core.SetStartFile(*line.file);
      break;
    case CommandLine::Action::Help: core.SetStartMessage(OneLine(UsageText()), false); break;
    case CommandLine::Action::Version: core.SetStartMessage(OneLine(VersionText()), false); break;
    case CommandLine::Action::Mistake: core.SetStartMessage(line.mistake + "。" + OneLine(UsageText()), true); break;
  }
}

}  // namespace corvane
