#include "runtime/qt/long_digest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

#include "runtime/cp936.h"
#include "runtime/digest_job.h"
#include "runtime/messages.h"

namespace corvane::qt {

namespace {

// A digest that ends within this time shows nothing and lets nothing through.
constexpr qint64 kQuietMs = 100;
constexpr qint64 kRepaintMs = 40;

// Swallows the user's input to every window while a digest runs; notes Esc.
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

Value* Cancelled() { return Value::NewFailure(cp936::FromUtf8(messages::kCancelled)); }

}  // namespace

Value* DigestKeepingWindowAlive(const Value& bytes, const LongDigestView& view) {
  DigestJob job(bytes);
  QElapsedTimer clock;
  clock.start();
  while (!job.Done() && clock.elapsed() < kQuietMs) job.Step();
  if (job.Done()) return job.Finish();

  InputBlocker blocker;
  QElapsedTimer since_paint;
  since_paint.start();
  view.show_progress(job.Fraction());
  QApplication::processEvents();
  while (!job.Done()) {
    job.Step();
    if (since_paint.elapsed() < kRepaintMs) continue;
    since_paint.restart();
    view.show_progress(job.Fraction());
    QApplication::processEvents();
    if (blocker.cancelled() || !view.window || !view.window->isVisible()) return Cancelled();
  }
  return job.Finish();
}

}  // namespace corvane::qt
