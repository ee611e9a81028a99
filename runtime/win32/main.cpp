// The Windows program: the wide command line is read, the runtime core is
// installed on the Win32 binding, the program's entry routine runs. A window
// program has no console: what the command line says shows in the window.

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "app/entry.h"
#include "app/start_up.h"
#include "runtime/win32/win32_adapter.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::u16string> arguments;
  for (int i = 1; words && i < count; ++i) arguments.emplace_back(words[i], words[i] + wcslen(words[i]));
  LocalFree(words);

  corvane::win32::Win32Adapter adapter;
  corvane::RuntimeCore runtime(corvane::ProgramForms(), adapter);
  corvane::GiveToWindow(corvane::ParseCommandLine(arguments), runtime);
  corvane::InstallRuntime(&runtime);
  corvane::ProgramEntry();
  return 0;
}
