// The main window's form, held against the table it was written from.

#include "app/main_window_form.h"

#include <gtest/gtest.h>

#include <string>

#include "app/cancel.h"
#include "checksum/handlers.h"

namespace corvane {
namespace {

struct Row {
  const char* name;
  TypeCode type;
  std::uint32_t id;
  int left, top, width, height;
  const char* caption;  // null: none
  bool visible, tab_stop;
  Handler click;
};

constexpr TypeCode W = TypeCode::Window, L = TypeCode::Label, D = TypeCode::CommonDialog, B = TypeCode::Button,
                   E = TypeCode::EditBox, R = TypeCode::RadioButton;

const Row kRows[] = {
    {"MainWindow", W, 0x06010000, 50, 50, 353, 171, "Corvane", true, false, nullptr},
    {"标签2", L, 0x1601002b, 16, 120, 56, 16, kCredit, true, false, nullptr},
    {"通用对话框1", D, 0x16010004, 200, 56, 26, 26, nullptr, false, false, nullptr},
    {"按钮2", B, 0x16010005, 264, 111, 64, 24, "取消", true, true, OnCancelClick},
    {"按钮1", B, 0x16010006, 192, 112, 64, 24, "计算", true, true, OnCalculateClick},
    {"编辑框2", E, 0x16010007, 8, 80, 336, 20, nullptr, true, true, nullptr},
    {"标签1", L, 0x16010008, 8, 56, 80, 24, "结果：", true, false, nullptr},
    {"编辑框1", E, 0x16010009, 8, 32, 336, 20, nullptr, true, true, nullptr},
    {"单选框2", R, 0x1601000a, 120, 8, 112, 24, "文件内容计算", true, true, OnFileModeClick},
    {"单选框1", R, 0x1601000b, 8, 8, 104, 24, "文本内容计算", true, true, OnTextModeClick},
};

std::string Str(const char* s) { return s ? s : "(none)"; }

TEST(MainWindowForm, HoldsTheWindowAndItsNineControlsAsListed) {
  const Form& form = MainWindowForm();
  EXPECT_EQ(form.window_id, 0x52010001u);
  ASSERT_EQ(form.entries.size(), std::size(kRows));
  for (std::size_t i = 0; i < std::size(kRows); ++i) {
    const Row& row = kRows[i];
    const FormEntry& entry = form.entries[i];
    SCOPED_TRACE(row.name);
    EXPECT_EQ(std::string(entry.name), row.name);
    EXPECT_EQ(entry.type, row.type);
    EXPECT_EQ(entry.id, row.id);
    EXPECT_EQ((std::array{entry.left, entry.top, entry.width, entry.height}),
              (std::array{row.left, row.top, row.width, row.height}));
    EXPECT_EQ(Str(entry.settings ? entry.settings->caption : nullptr), Str(row.caption));
    EXPECT_EQ(entry.flags, (row.visible ? kVisible : 0u) | (row.tab_stop ? kTabStop : 0u));
    EXPECT_EQ(entry.HandlerFor(kClickEvent), row.click);
    EXPECT_EQ(entry.events.size(), row.click ? 1u : 0u);
  }
}

TEST(MainWindowForm, StartsInTextModeWithEmptyBoxesAndTheResultBoxColours) {
  const Form& form = MainWindowForm();
  const auto entry = [&](const char* name) -> const FormEntry& {
    for (const FormEntry& e : form.entries)
      if (std::string(e.name) == name) return e;
    throw std::runtime_error(name);
  };
  EXPECT_TRUE(entry("单选框1").settings->checked);
  EXPECT_FALSE(entry("单选框2").settings->checked);
  EXPECT_EQ(entry("编辑框1").settings, nullptr);
  EXPECT_EQ(entry("通用对话框1").settings, nullptr);
  const KindSettings& result = *entry("编辑框2").settings;
  EXPECT_EQ(Str(result.content), "");
  EXPECT_EQ(result.failure_colour, 0x0000FFu);
  EXPECT_EQ(result.background, 0xFFFFFFu);
}

TEST(MainWindowForm, EveryControlFitsInTheWindow) {
  const Form& form = MainWindowForm();
  for (const FormEntry& e : form.controls()) {
    EXPECT_GE(e.left, 0) << e.name;
    EXPECT_GE(e.top, 0) << e.name;
    EXPECT_LE(e.left + e.width, form.window().width) << e.name;
    EXPECT_LE(e.top + e.height, form.window().height) << e.name;
  }
}

}  // namespace
}  // namespace corvane
