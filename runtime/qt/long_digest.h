#pragma once
// Runs a digest on the GUI thread without freezing the window: after a
// moment it shows the progress, keeps painting and swallows the user's input
// as a modal dialog would, and stops when the user presses Esc or closes the
// window.

#include <QPointer>
#include <QWidget>
#include <functional>

#include "runtime/value.h"

namespace corvane::qt {

struct LongDigestView {
  QPointer<QWidget> window;
  // Shows the progress, from 0 to 1, where the result will go.
  std::function<void(double)> show_progress;
};

// The digest text, or a failure; the failure says "cancelled" when the user
// stopped it.
Value* DigestKeepingWindowAlive(const Value& bytes, const LongDigestView& view);

}  // namespace corvane::qt
