#pragma once
// The binding to Qt 6 Widgets: builds a form's widgets, gets and sets their
// texts, states and colours, and reports what the user does to the core.

#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "runtime/adapter.h"

namespace corvane::qt {

class InputFilter;

class QtAdapter final : public Adapter {
 public:
  QtAdapter();
  ~QtAdapter() override;

  void Attach(AdapterEvents& events) override { events_ = &events; }
  void BuildWindow(const Form& form) override;
  void CloseWindow(std::uint32_t window) override;
  bool IsOpen(std::uint32_t window) const override;
  std::u16string Text(ControlRef control) const override;
  void SetText(ControlRef control, std::u16string_view text) override;
  bool Enabled(ControlRef control) const override;
  void SetEnabled(ControlRef control, bool enabled) override;
  bool Checked(ControlRef control) const override;
  void SetChecked(ControlRef control, bool checked) override;
  void SetTextColour(ControlRef control, std::optional<std::uint32_t> colour) override;
  std::optional<std::u16string> AskForFile(std::uint32_t window, std::u16string_view previous) override;
  void BlockInput(bool blocked) override;
  void RunPendingEvents() override;
  void RunLoop() override;
  void Exit(int status) override;

  QWidget* Window(std::uint32_t window) const;
  QWidget* Widget(ControlRef control) const;

 private:
  struct Built {
    QPointer<QWidget> window;
    std::vector<QPointer<QWidget>> controls;  // null for a control never drawn
  };

  AdapterEvents* events_ = nullptr;
  std::map<std::uint32_t, Built> windows_;
  std::unique_ptr<InputFilter> filter_;
};

}  // namespace corvane::qt
