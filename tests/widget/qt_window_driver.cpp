// The window scenarios on the Qt binding: real widgets on Qt's offscreen
// platform, driven with the events a mouse and a keyboard send.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "app/main_window_form.h"
#include "runtime/qt/qt_adapter.h"
#include "tests/scenarios/window_driver.h"

namespace corvane::testing {
namespace {

QString Q(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

Qt::Key QtKey(Key key) {
  switch (key) {
    case Key::Enter: return Qt::Key_Return;
    case Key::Space: return Qt::Key_Space;
    case Key::Escape: return Qt::Key_Escape;
  }
  return Qt::Key_unknown;
}

class QtWindowDriver final : public WindowDriver {
 public:
  QtWindowDriver() { Start(adapter_); }
  ~QtWindowDriver() override {
    Stop();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void Click(std::string_view control) override {
    QWidget* widget = Widget(control);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
  }
  void Invoke(std::string_view control) override { qobject_cast<QAbstractButton*>(Widget(control))->click(); }
  void PressKey(std::string_view control, Key key) override {
    QWidget* widget = Widget(control);
    widget->setFocus();
    QTest::keyClick(widget, QtKey(key));
  }
  // One key event per character, as a keyboard or an input method sends
  // it; a surrogate pair travels as one.
  void Type(std::string_view control, std::u16string_view text) override {
    QWidget* widget = Widget(control);
    widget->setFocus();
    const QString q = Q(text);
    for (qsizetype i = 0; i < q.size(); ++i) {
      const qsizetype length = q.at(i).isHighSurrogate() && i + 1 < q.size() ? 2 : 1;
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, q.mid(i, length), Qt::NoModifier);
      i += length - 1;
    }
  }
  void Paste(std::string_view control, std::u16string_view clipboard) override {
    QApplication::clipboard()->setText(Q(clipboard));
    QWidget* widget = Widget(control);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
  }
  void CloseFromFrame() override { adapter_.Window(kMainWindow.window)->close(); }
  void Meanwhile(std::chrono::milliseconds after, std::function<void()> what) override {
    QTimer::singleShot(after, std::move(what));
  }

  std::u16string Text(std::string_view control) const override {
    return qobject_cast<QLineEdit*>(Widget(control))->text().toStdU16String();
  }
  bool Checked(std::string_view control) const override {
    return qobject_cast<QAbstractButton*>(Widget(control))->isChecked();
  }
  bool Enabled(std::string_view control) const override { return Widget(control)->isEnabled(); }
  bool InFailureColour(std::string_view control) const override {
    return Widget(control)->palette().color(QPalette::Text) == QColor(255, 0, 0);
  }
  bool WindowOpen() const override {
    QWidget* window = adapter_.Window(kMainWindow.window);
    return window && window->isVisible();
  }
  std::u16string DevicePath() const override { return u"/dev/zero"; }

 private:
  QWidget* Widget(std::string_view control) const {
    QWidget* widget = adapter_.Widget({kMainWindow.window, kMainWindowForm.IndexOf(control)});
    EXPECT_NE(widget, nullptr) << control;
    return widget;
  }

  qt::QtAdapter adapter_;
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver() { return std::make_unique<QtWindowDriver>(); }

}  // namespace corvane::testing
