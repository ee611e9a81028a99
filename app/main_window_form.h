#pragma once
// The form of the main window: the window and its nine controls, as data.

#include "app/credit.h"
#include "runtime/form.h"

namespace corvane {

inline constexpr ControlAddress kMainWindow{0x52010001, 0x06010000, TypeCode::Window};

// The credit line under the input, and the author the version block names.
inline constexpr char kCredit[] = CORVANE_CREDIT;

const Form& MainWindowForm();

}  // namespace corvane
