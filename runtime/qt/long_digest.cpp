#include "runtime/qt/long_digest.h"

#include <QApplication>
#include <QKeyEvent>
#include <memory>

#include "runtime/long_digest.h"

namespace corvane::qt {

namespace {

// Swallows the user's input to every window while a digest runs, as a modal
// dialog would; notes Esc.
class InputBlocker final : public QObject {
 public:
  InputBlocker() { qApp->installEventFilter(this); }
  ~InputBlocker() override { qApp->removeEventFilter(this); }
  bool cancelled() const { return cancelled_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) cancelled_ = true;
        return true;
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::ContextMenu:
      case QEvent::InputMethod:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
        return true;
      default:
        return false;
    }
  }

 private:
  bool cancelled_ = false;
};

class QtPump final : public DigestPump {
 public:
  explicit QtPump(const LongDigestView& view) : view_(view) {}
  void Begin() override { blocker_ = std::make_unique<InputBlocker>(); }
  void ShowProgress(double fraction) override { view_.show_progress(fraction); }
  // Closing the window is let through, and stops the digest.
  bool RunEvents() override {
    QApplication::processEvents();
    return !blocker_->cancelled() && view_.window && view_.window->isVisible();
  }

 private:
  const LongDigestView& view_;
  std::unique_ptr<InputBlocker> blocker_;
};

}  // namespace

Value* DigestKeepingWindowAlive(const Value& bytes, const LongDigestView& view) {
  QtPump pump(view);
  return DigestWithPump(bytes, pump);
}

}  // namespace corvane::qt
