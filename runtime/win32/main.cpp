// The Windows program: the runtime core is installed on the Win32 binding,
// the program's entry routine runs.

#include <windows.h>

#include "app/entry.h"
#include "runtime/runtime_core.h"
#include "runtime/win32/win32_adapter.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  corvane::win32::Win32Adapter adapter;
  corvane::RuntimeCore runtime(corvane::ProgramForms(), adapter);
  corvane::InstallRuntime(&runtime);
  corvane::ProgramEntry();
  return 0;
}
