// The Windows program: the runtime is installed, the program's entry routine
// runs. The program takes no command line.

#include <windows.h>

#include "app/entry.h"
#include "runtime/win32/win32_runtime.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  corvane::win32::Win32Runtime runtime(corvane::ProgramForms());
  corvane::InstallRuntime(&runtime);
  corvane::ProgramEntry();
  return 0;
}
