#pragma once

namespace corvane {

void OnCancelClick();  // 按钮2, "取消"

}  // namespace corvane
