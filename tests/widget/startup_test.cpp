// The main window as the runtime builds it, and its cancel button.

#include <gmock/gmock.h>

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "app/main_window_form.h"
#include "checksum/controls.h"
#include "runtime/commands.h"
#include "tests/widget/main_window_fixture.h"

namespace corvane::testing {
namespace {

using StartUp = MainWindowTest;

QString TextOf(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  return {};
}

TEST_F(StartUp, ShowsEveryControlInItsPlaceWithItsCaption) {
  ASSERT_NE(window(), nullptr);
  EXPECT_TRUE(window()->isVisible());
  EXPECT_EQ(window()->windowTitle(), "Corvane");
  EXPECT_EQ(window()->size(), QSize(353, 171));
  EXPECT_EQ(window()->minimumSize(), window()->maximumSize()) << "the window is not resizable";
  for (const FormEntry& entry : MainWindowForm().controls()) {
    SCOPED_TRACE(entry.name);
    QWidget* widget = Widget({kMainWindow.window, entry.id, entry.type});
    if (entry.type == TypeCode::CommonDialog) {
      EXPECT_EQ(widget, nullptr) << "the dialog takes no room in the window";
      continue;
    }
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), window());
    EXPECT_EQ(widget->geometry(), QRect(entry.left, entry.top, entry.width, entry.height));
    EXPECT_TRUE(widget->isVisible());
    EXPECT_TRUE(widget->isEnabled());
    EXPECT_EQ(widget->focusPolicy() != Qt::NoFocus, entry.tab_stop());
    if (entry.settings && entry.settings->caption) {
      EXPECT_EQ(TextOf(widget), QString::fromUtf8(entry.settings->caption));
    }
  }
}

TEST_F(StartUp, IsInTextModeWithBothBoxesEmptyAndNoDialogOpen) {
  EXPECT_TRUE(Button(单选框1)->isChecked());
  EXPECT_FALSE(Button(单选框2)->isChecked());
  for (ControlAddress edit : {编辑框1, 编辑框2}) {
    EXPECT_TRUE(Edit(edit)->text().isEmpty());
    EXPECT_TRUE(Edit(edit)->isEnabled());
  }
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(dialogs_shown, 0);
}

// The next widget that Tab moves to.
QWidget* NextTabStop(QWidget* widget) {
  do widget = widget->nextInFocusChain();
  while (!(widget->focusPolicy() & Qt::TabFocus));
  return widget;
}

TEST_F(StartUp, TabGoesThroughTheControlsInScreenOrder) {
  const ControlAddress order[] = {单选框1, 单选框2, 编辑框1, 编辑框2, 按钮1, 按钮2, 单选框1};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i)
    EXPECT_EQ(NextTabStop(Widget(order[i])), Widget(order[i + 1])) << i;
}

TEST_F(StartUp, RadioButtonsNeverLeaveBothOrNeitherChecked) {
  const ControlAddress clicks[] = {单选框2, 单选框1, 单选框1, 单选框2, 单选框2, 单选框1};
  for (ControlAddress radio : clicks) {
    if (radio == 单选框2) dialog_answers.push_back(std::nullopt);
    Click(radio);
    EXPECT_TRUE(Button(radio)->isChecked());
    EXPECT_NE(Button(单选框1)->isChecked(), Button(单选框2)->isChecked());
  }
}

TEST_F(StartUp, CancelRunsCommand216OnceAndTheLoopReturns) {
  QTimer::singleShot(0, [this] { Click(按钮2); });
  RunMessageLoop(0);  // returns only once the window is gone
  EXPECT_THAT(spy_.commands, ::testing::ElementsAre(kCloseWindow));
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window(), nullptr);
}

}  // namespace
}  // namespace corvane::testing
