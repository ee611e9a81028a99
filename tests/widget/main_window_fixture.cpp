#include "tests/widget/main_window_fixture.h"

#include <QTest>

#include "app/entry.h"
#include "checksum/controls.h"

namespace corvane::testing {

MainWindowTest::MainWindowTest() {
  runtime_.SetFileChooser([this](std::u16string_view) -> std::optional<std::u16string> {
    ++dialogs_shown;
    if (dialog_answers.empty()) {
      ADD_FAILURE() << "the file dialog opened unexpectedly";
      return std::nullopt;
    }
    const bool cancel = !dialog_answers.front().has_value();
    const QString path = dialog_answers.front().value_or(QString());
    dialog_answers.pop_front();
    if (cancel) return std::nullopt;
    return path.toStdU16String();
  });
  runtime_.SetExit([](int status) { ADD_FAILURE() << "the program tried to exit with " << status; });
  InstallRuntime(&spy_);
  LoadWindow(kMainWindow.window);
}

MainWindowTest::~MainWindowTest() {
  EXPECT_TRUE(dialog_answers.empty()) << "the file dialog was not shown as often as scripted";
  InstallRuntime(nullptr);
}

QWidget* MainWindowTest::window() const { return adapter_.Window(kMainWindow.window); }

QWidget* MainWindowTest::Widget(ControlAddress control) const {
  const auto controls = MainWindowForm().controls();
  for (std::size_t i = 0; i < controls.size(); ++i)
    if (controls[i].id == control.control) return adapter_.Widget({control.window, static_cast<int>(i)});
  return nullptr;
}

QAbstractButton* MainWindowTest::Button(ControlAddress control) const {
  return qobject_cast<QAbstractButton*>(Widget(control));
}

QLineEdit* MainWindowTest::Edit(ControlAddress control) const {
  return qobject_cast<QLineEdit*>(Widget(control));
}

void MainWindowTest::Click(ControlAddress control) {
  QWidget* widget = Widget(control);
  ASSERT_NE(widget, nullptr);
  QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
}

bool MainWindowTest::ResultShowsAsFailure() const {
  return Edit(编辑框2)->palette().color(QPalette::Text) == QColor(255, 0, 0);
}

void MainWindowTest::Type(ControlAddress control, const QString& text) {
  QLineEdit* edit = Edit(control);
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  // One key event per character, as a keyboard or an input method sends
  // it; a surrogate pair travels as one.
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
    i += length - 1;
  }
}

}  // namespace corvane::testing

#include "runtime/cp936.h"

namespace corvane::testing {

QString DialogFileName() {
  Owned name{ReadProperty(通用对话框1, Property::FileName).value};
  return name.IsNull() ? QString() : QString::fromStdU16String(cp936::ToUtf16(name.get()->data()));
}

}  // namespace corvane::testing
