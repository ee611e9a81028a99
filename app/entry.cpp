#include "app/entry.h"

#include "app/main_window_form.h"

namespace corvane {

std::span<const Form* const> ProgramForms() {
  static const Form* const forms[] = {&MainWindowForm()};
  return forms;
}

void ProgramEntry() {
  LoadWindow(kMainWindow.window);
  RunMessageLoop(0);
  ExitProgram(0);
}

}  // namespace corvane
