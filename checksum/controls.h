#pragma once
// The controls of the main window that the checksum handlers use.

#include "runtime/runtime.h"

namespace corvane {

inline constexpr std::uint32_t kMainWindowId = 0x52010001;

inline constexpr ControlAddress 单选框2{kMainWindowId, 0x1601000a, TypeCode::RadioButton};
inline constexpr ControlAddress 编辑框1{kMainWindowId, 0x16010009, TypeCode::EditBox};
inline constexpr ControlAddress 编辑框2{kMainWindowId, 0x16010007, TypeCode::EditBox};
inline constexpr ControlAddress 通用对话框1{kMainWindowId, 0x16010004, TypeCode::CommonDialog};

}  // namespace corvane
