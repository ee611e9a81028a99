#pragma once
// Watches the application's input. The keys the core gives a meaning to
// (Enter, Space, Esc) go to the core first; while input is blocked, no key,
// click or wheel reaches any widget, and keys and clicks are only reported.

#include <QMouseEvent>
#include <QObject>

#include "runtime/adapter.h"

namespace corvane::qt {

class InputFilter final : public QObject {
 public:
  explicit InputFilter(AdapterEvents& events);
  ~InputFilter() override;
  void SetBlocked(bool blocked) { blocked_ = blocked; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Key(QObject* watched, QEvent* event);
  void ReportClick(QObject* watched, const QMouseEvent& event);
  bool Blocked(QObject* watched, QEvent* event);

  AdapterEvents& events_;
  bool blocked_ = false;
};

}  // namespace corvane::qt
