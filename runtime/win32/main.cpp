// The Windows program: the wide command line is read, the runtime core is
// installed on the Win32 binding, the program's entry routine runs. A window
// program has no console: what the command line says wrong shows in the
// window.

#include <windows.h>
#include <shellapi.h>

#include "app/command_line.h"
#include "app/entry.h"
#include "runtime/runtime_core.h"
#include "runtime/win32/win32_adapter.h"

namespace {

// One line, for the window's one-line box.
std::string OneLine(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  for (char& c : text) c = c == '\n' ? ' ' : c;
  return text;
}

corvane::CommandLine ReadCommandLine() {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::u16string> arguments;
  for (int i = 1; words && i < count; ++i) arguments.emplace_back(words[i], words[i] + wcslen(words[i]));
  LocalFree(words);
  return corvane::ParseCommandLine(arguments);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const corvane::CommandLine line = ReadCommandLine();
  corvane::win32::Win32Adapter adapter;
  corvane::RuntimeCore runtime(corvane::ProgramForms(), adapter);
  switch (line.action) {
    case corvane::CommandLine::Action::Help: runtime.SetStartMessage(OneLine(corvane::UsageText()), false); break;
    case corvane::CommandLine::Action::Version: runtime.SetStartMessage(OneLine(corvane::VersionText()), false); break;
    case corvane::CommandLine::Action::Mistake:
      runtime.SetStartMessage(line.mistake + "。" + OneLine(corvane::UsageText()), true);
      break;
    case corvane::CommandLine::Action::Run:
      if (line.file) runtime.SetStartFile(*line.file);
      break;
  }
  corvane::InstallRuntime(&runtime);
  corvane::ProgramEntry();
  return 0;
}
