#pragma once
// What the command line asks of the program at start, written once for
// both systems. A system with a console answers help, version and mistakes
// there and ends; a window program without one says them in the window.

#include <optional>

#include "app/command_line.h"
#include "runtime/runtime_core.h"

namespace corvane {

// Prints what the line asks for on the console; the exit status, or
// nullopt when the window is to open.
std::optional<int> AnswerOnConsole(const CommandLine& line);

// Gives the window what the line asks for: the file to open at start, or
// (with no console to print on) help, version or the mistake as a message.
void GiveToWindow(const CommandLine& line, RuntimeCore& core);

}  // namespace corvane
