#pragma once
// The form of the main window: the window and its nine controls, as data.
// This is the one place where their ids are written; code that needs a
// control takes its address from here by name.

#include "app/cancel.h"
#include "app/credit.h"
#include "checksum/handlers.h"
#include "runtime/form.h"

namespace corvane {

// The credit line under the input, and the author the version block names.
inline constexpr char kCredit[] = CORVANE_CREDIT;

namespace main_window_form {

inline constexpr std::uint32_t kShown = kVisible | kTabStop;

inline constexpr EventBinding kCancelClick[] = {{kClickEvent, OnCancelClick}};
inline constexpr EventBinding kCalculateClick[] = {{kClickEvent, OnCalculateClick}};
inline constexpr EventBinding kFileModeClick[] = {{kClickEvent, OnFileModeClick}};
inline constexpr EventBinding kTextModeClick[] = {{kClickEvent, OnTextModeClick}};

inline constexpr KindSettings kWindowSettings{.caption = "Corvane"};
inline constexpr KindSettings kCreditSettings{.caption = kCredit};
inline constexpr KindSettings kResultCaption{.caption = "结果："};
inline constexpr KindSettings kCancelSettings{.caption = "取消"};
inline constexpr KindSettings kCalculateSettings{.caption = "计算"};
inline constexpr KindSettings kResultSettings{
    .content = "", .failure_colour = 0x0000FF, .background = 0xFFFFFF, .shows_progress = true};
inline constexpr KindSettings kFileModeSettings{.caption = "文件内容计算", .checked = false};
inline constexpr KindSettings kTextModeSettings{.caption = "文本内容计算", .checked = true};

inline constexpr FormEntry kEntries[] = {
    {0x06010000, TypeCode::Window, "MainWindow", 50, 50, 353, 171, kVisible, {}, &kWindowSettings},
    {0x1601002b, TypeCode::Label, "标签2", 16, 120, 56, 16, kVisible, {}, &kCreditSettings},
    {0x16010004, TypeCode::CommonDialog, "通用对话框1", 200, 56, 26, 26, 0, {}, nullptr},
    {0x16010005, TypeCode::Button, "按钮2", 264, 111, 64, 24, kShown, kCancelClick, &kCancelSettings},
    {0x16010006, TypeCode::Button, "按钮1", 192, 112, 64, 24, kShown, kCalculateClick, &kCalculateSettings},
    {0x16010007, TypeCode::EditBox, "编辑框2", 8, 80, 336, 20, kShown, {}, &kResultSettings},
    {0x16010008, TypeCode::Label, "标签1", 8, 56, 80, 24, kVisible, {}, &kResultCaption},
    {0x16010009, TypeCode::EditBox, "编辑框1", 8, 32, 336, 20, kShown, {}, nullptr},
    {0x1601000a, TypeCode::RadioButton, "单选框2", 120, 8, 112, 24, kShown, kFileModeClick, &kFileModeSettings},
    {0x1601000b, TypeCode::RadioButton, "单选框1", 8, 8, 104, 24, kShown, kTextModeClick, &kTextModeSettings},
};

}  // namespace main_window_form

inline constexpr Form kMainWindowForm{0x52010001, main_window_form::kEntries, "按钮1", "按钮2", "单选框2"};
inline constexpr ControlAddress kMainWindow = kMainWindowForm.Address("MainWindow");

inline const Form& MainWindowForm() { return kMainWindowForm; }

}  // namespace corvane
