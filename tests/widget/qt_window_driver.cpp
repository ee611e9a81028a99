// The window scenarios on the Qt binding: real widgets on Qt's offscreen
// platform, driven with the events a mouse and a keyboard send.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QAction>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
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
  explicit QtWindowDriver(void (*prepare)(WindowDriver&)) {
    QApplication::clipboard()->clear();  // nothing left from another scenario
    Start(adapter_, prepare);
  }
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
  // A drag over the window and its drop on the credit line, as from a file manager.
  void Drop(const std::vector<std::u16string>& paths) override {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::u16string& path : paths) urls << QUrl::fromLocalFile(Q(path));
    data.setUrls(urls);
    QWidget* target = adapter_.Window(kMainWindow.window);
    const QPoint at(20, 128);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
  }
  // The offscreen platform's clipboard has no owner: whatever is on it
  // counts as another program's.
  void PutOnClipboardFromAnotherProgram(std::u16string_view text) override {
    QApplication::clipboard()->setText(Q(text));
  }
  void CopyFrom(std::string_view control) override {
    auto* edit = qobject_cast<QLineEdit*>(Widget(control));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
  }
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
  std::uint32_t TextColour(std::string_view control) const override {
    const QColor colour = Widget(control)->palette().color(QPalette::Text);
    return static_cast<std::uint32_t>(colour.red() | colour.green() << 8 | colour.blue() << 16);
  }
  Mark MarkOf(std::string_view control) const override {
    for (QAction* action : Widget(control)->actions()) {
      if (action->objectName() != "corvaneMark") continue;
      return action->text() == "✓" ? Mark::Match : Mark::Mismatch;
    }
    return Mark::None;
  }
  std::u16string Tooltip(std::string_view control) const override {
    EXPECT_EQ(Widget(control)->accessibleDescription(), Widget(control)->toolTip());
    return Widget(control)->toolTip().toStdU16String();
  }
  std::u16string Hint(std::string_view control) const override {
    return qobject_cast<QLineEdit*>(Widget(control))->placeholderText().toStdU16String();
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

std::unique_ptr<WindowDriver> MakeWindowDriver(void (*prepare)(WindowDriver&)) {
  return std::make_unique<QtWindowDriver>(prepare);
}

}  // namespace corvane::testing
