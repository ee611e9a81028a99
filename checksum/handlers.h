#pragma once
// The click handlers of the main window's checksum controls.

namespace corvane {

void OnTextModeClick();   // 单选框1, "文本内容计算"
void OnFileModeClick();   // 单选框2, "文件内容计算"
void OnCalculateClick();  // 按钮1, "计算"

}  // namespace corvane
