#pragma once
// The controls of the main window that the checksum handlers use, taken
// from the window's form by name.

#include "app/main_window_form.h"

namespace corvane {

inline constexpr ControlAddress 单选框2 = kMainWindowForm.Address("单选框2");
inline constexpr ControlAddress 编辑框1 = kMainWindowForm.Address("编辑框1");
inline constexpr ControlAddress 编辑框2 = kMainWindowForm.Address("编辑框2");
inline constexpr ControlAddress 通用对话框1 = kMainWindowForm.Address("通用对话框1");

}  // namespace corvane
