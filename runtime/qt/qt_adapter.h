#pragma once
// The binding to Qt 6 Widgets: builds a form's widgets, gets and sets their
// texts, states and colours, and reports what the user does to the core.
// It watches the application's input: the keys the core gives a meaning to,
// pastes, clicks and close requests go to the core first, and while input
// is blocked nothing reaches a widget.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <vector>

#include "runtime/adapter.h"

namespace corvane::qt {

class QtAdapter final : public QObject, public Adapter {
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
  void Decorate(ControlRef control, Mark mark, std::u16string_view description) override;
  void SetHint(ControlRef control, std::u16string_view hint) override;
  std::optional<std::u16string> ForeignClipboardText() const override;
  std::optional<std::u16string> AskForFile(std::uint32_t window, std::u16string_view previous) override;
  void BlockInput(bool blocked) override { blocked_ = blocked; }
  void RunPendingEvents() override;
  void RunLoop() override;
  void Exit(int status) override;

  QWidget* Window(std::uint32_t window) const;
  QWidget* Widget(ControlRef control) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Built {
    QPointer<QWidget> window;
    std::vector<QPointer<QWidget>> controls;  // null for a control never drawn
    bool closing = false;
    bool asking = false;  // its close request is with the core
  };

  bool Blocked(QObject* watched, QEvent* event);
  bool KeyPressed(ControlRef control, QKeyEvent& key);
  bool CloseAsked(std::uint32_t window, QEvent* event);
  bool Dragged(ControlRef control, QEvent* event);
  void ShowContextMenu(QWidget* edit, ControlRef control, const QPoint& at);
  void Paste(QWidget* edit, ControlRef control, int mode);

  AdapterEvents* events_ = nullptr;
  std::map<std::uint32_t, Built> windows_;
  bool blocked_ = false;
};

}  // namespace corvane::qt
