#pragma once
// The real main window, built by the Qt runtime from the program's form,
// with the runtime's calls recorded and its file dialog scripted.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window_form.h"
#include "app/entry.h"
#include "runtime/qt/qt_adapter.h"
#include "runtime/runtime_core.h"

namespace corvane::testing {

// Passes every call on to the Qt runtime and notes the commands run.
class SpyRuntime final : public Runtime {
 public:
  explicit SpyRuntime(Runtime& real) : real_(real) {}
  std::vector<Command> commands;

  Result ReadProperty(ControlAddress c, Property p, std::int32_t i) override { return real_.ReadProperty(c, p, i); }
  void WriteProperty(ControlAddress c, Property p, std::int32_t i, std::int32_t n) override {
    real_.WriteProperty(c, p, i, n);
  }
  void WriteProperty(ControlAddress c, Property p, std::int32_t i, const Value* t) override {
    real_.WriteProperty(c, p, i, t);
  }
  void ReleaseValue(Value* v) override { real_.ReleaseValue(v); }
  Result RunCommand(Command c, std::span<const Argument> a) override {
    commands.push_back(c);
    return real_.RunCommand(c, a);
  }
  void LoadWindow(std::uint32_t id) override { real_.LoadWindow(id); }
  void RunMessageLoop(std::int32_t p) override { real_.RunMessageLoop(p); }
  void ExitProgram(std::int32_t s) override { real_.ExitProgram(s); }

 private:
  Runtime& real_;
};

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest();
  ~MainWindowTest() override;

  QWidget* window() const;
  QAbstractButton* Button(ControlAddress control) const;
  QLineEdit* Edit(ControlAddress control) const;
  void Click(ControlAddress control);
  void Type(ControlAddress control, const QString& text);
  bool ResultShowsAsFailure() const;

  // The answers the file dialog gives, in turn: a path, or nullopt (cancel).
  std::deque<std::optional<QString>> dialog_answers;
  int dialogs_shown = 0;

  qt::QtAdapter adapter_;
  RuntimeCore runtime_{ProgramForms(), adapter_};
  SpyRuntime spy_{runtime_};

 public:
  QWidget* Widget(ControlAddress control) const;
};

// The controls the checksum handlers do not name.
inline constexpr ControlAddress 单选框1 = kMainWindowForm.Address("单选框1");
inline constexpr ControlAddress 按钮1 = kMainWindowForm.Address("按钮1");
inline constexpr ControlAddress 按钮2 = kMainWindowForm.Address("按钮2");
inline constexpr ControlAddress 标签1 = kMainWindowForm.Address("标签1");
inline constexpr ControlAddress 标签2 = kMainWindowForm.Address("标签2");

}  // namespace corvane::testing

namespace corvane::testing {

// The file name the open-file dialog holds, as the handlers read it.
QString DialogFileName();

}  // namespace corvane::testing
