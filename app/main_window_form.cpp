#include "app/main_window_form.h"

#include "app/cancel.h"
#include "checksum/controls.h"
#include "checksum/handlers.h"

namespace corvane {

namespace {

constexpr std::uint32_t kShown = kVisible | kTabStop;

constexpr EventBinding kCancelClick[] = {{kClickEvent, OnCancelClick}};
constexpr EventBinding kCalculateClick[] = {{kClickEvent, OnCalculateClick}};
constexpr EventBinding kFileModeClick[] = {{kClickEvent, OnFileModeClick}};
constexpr EventBinding kTextModeClick[] = {{kClickEvent, OnTextModeClick}};

constexpr KindSettings kWindowSettings{.caption = "Corvane"};
constexpr KindSettings kCreditSettings{.caption = kCredit};
constexpr KindSettings kResultCaption{.caption = "结果："};
constexpr KindSettings kCancelSettings{.caption = "取消"};
constexpr KindSettings kCalculateSettings{.caption = "计算"};
constexpr KindSettings kResultSettings{
    .content = "", .failure_colour = 0x0000FF, .background = 0xFFFFFF, .shows_progress = true};
constexpr KindSettings kFileModeSettings{.caption = "文件内容计算", .checked = false};
constexpr KindSettings kTextModeSettings{.caption = "文本内容计算", .checked = true};

constexpr FormEntry kEntries[] = {
    {kMainWindow.control, TypeCode::Window, "MainWindow", 50, 50, 353, 171, kVisible, {}, &kWindowSettings},
    {0x1601002b, TypeCode::Label, "标签2", 16, 120, 56, 16, kVisible, {}, &kCreditSettings},
    {通用对话框1.control, TypeCode::CommonDialog, "通用对话框1", 200, 56, 26, 26, 0, {}, nullptr},
    {0x16010005, TypeCode::Button, "按钮2", 264, 111, 64, 24, kShown, kCancelClick, &kCancelSettings},
    {0x16010006, TypeCode::Button, "按钮1", 192, 112, 64, 24, kShown, kCalculateClick, &kCalculateSettings},
    {编辑框2.control, TypeCode::EditBox, "编辑框2", 8, 80, 336, 20, kShown, {}, &kResultSettings},
    {0x16010008, TypeCode::Label, "标签1", 8, 56, 80, 24, kVisible, {}, &kResultCaption},
    {编辑框1.control, TypeCode::EditBox, "编辑框1", 8, 32, 336, 20, kShown, {}, nullptr},
    {单选框2.control, TypeCode::RadioButton, "单选框2", 120, 8, 112, 24, kShown, kFileModeClick, &kFileModeSettings},
    {0x1601000b, TypeCode::RadioButton, "单选框1", 8, 8, 104, 24, kShown, kTextModeClick, &kTextModeSettings},
};

constexpr Form kForm{kMainWindow.window, kEntries};

}  // namespace

const Form& MainWindowForm() { return kForm; }

}  // namespace corvane
