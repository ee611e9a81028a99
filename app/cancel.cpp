#include "app/cancel.h"

#include "app/main_window_form.h"
#include "runtime/commands.h"

namespace corvane {

// Closes the main window; the message loop then returns and the program ends.
void OnCancelClick() { RunCommand(kCloseWindow, {Argument::Object(kMainWindow), Argument::LeftOut()}); }

}  // namespace corvane
