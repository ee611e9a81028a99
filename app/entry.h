#pragma once

#include <span>

#include "runtime/form.h"

namespace corvane {

// The windows the program declares, for the runtime to build them from.
std::span<const Form* const> ProgramForms();

// Called by the runtime once, on the GUI thread, after it has loaded the program.
void ProgramEntry();

}  // namespace corvane
